#include "gui/EditorWindows.h"

#include "gui/SmallWindows.h"
#include "gui/editors/TFAction.h"
#include "gui/editors/TFBotman.h"
#include "gui/editors/TFCstrike.h"
#include "gui/editors/TFFirebot.h"
#include "gui/editors/TFFrontline.h"
#include "gui/editors/TFJumbot.h"
#include "gui/editors/TFPhineas.h"
#include "gui/editors/TFRocket.h"
#include "gui/editors/TFScihunt.h"
#include "gui/editors/TFTFC.h"

namespace orvane {

MainWindowHooks LauncherWindowHooks(LauncherState& state) {
  MainWindowHooks hooks;
  hooks.create_editor = [&state](std::string_view mod_key,
                                 QWidget* parent) -> std::unique_ptr<QDialog> {
    if (mod_key == "Action") return std::make_unique<TFAction>(state, parent);
    if (mod_key == "Botman") return std::make_unique<TFBotman>(state, parent);
    if (mod_key == "Phineas") return std::make_unique<TFPhineas>(state, parent);
    if (mod_key == "Jumbot") return std::make_unique<TFJumbot>(state, parent);
    if (mod_key == "CStrike") return std::make_unique<TFCstrike>(state, parent);
    if (mod_key == "Scihunt") return std::make_unique<TFScihunt>(state, parent);
    if (mod_key == "Firebot") return std::make_unique<TFFirebot>(state, parent);
    if (mod_key == "Rocket") return std::make_unique<TFRocket>(state, parent);
    if (mod_key == "TFC") return std::make_unique<TFTFC>(state, parent);
    if (mod_key == "Frontline") return std::make_unique<TFFrontline>(state, parent);
    return nullptr;
  };
  hooks.show_about = [](QWidget* parent) {
    TAbout about(false, parent);
    about.exec();
  };
  return hooks;
}

}  // namespace orvane
