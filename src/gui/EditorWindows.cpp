#include "gui/EditorWindows.h"

#include "gui/SmallWindows.h"
#include "gui/editors/ActionWindow.h"
#include "gui/editors/BotmanWindow.h"
#include "gui/editors/CstrikeWindow.h"
#include "gui/editors/FirebotWindow.h"
#include "gui/editors/FrontlineWindow.h"
#include "gui/editors/JumbotWindow.h"
#include "gui/editors/PhineasWindow.h"
#include "gui/editors/RocketWindow.h"
#include "gui/editors/ScihuntWindow.h"
#include "gui/editors/TfcWindow.h"

namespace orvane {

MainWindowHooks LauncherWindowHooks(LauncherState& state) {
  MainWindowHooks hooks;
  hooks.create_editor = [&state](std::string_view mod_key,
                                 QWidget* parent) -> std::unique_ptr<QDialog> {
    if (mod_key == "Action") return std::make_unique<ActionWindow>(state, parent);
    if (mod_key == "Botman") return std::make_unique<BotmanWindow>(state, parent);
    if (mod_key == "Phineas") return std::make_unique<PhineasWindow>(state, parent);
    if (mod_key == "Jumbot") return std::make_unique<JumbotWindow>(state, parent);
    if (mod_key == "CStrike") return std::make_unique<CstrikeWindow>(state, parent);
    if (mod_key == "Scihunt") return std::make_unique<ScihuntWindow>(state, parent);
    if (mod_key == "Firebot") return std::make_unique<FirebotWindow>(state, parent);
    if (mod_key == "Rocket") return std::make_unique<RocketWindow>(state, parent);
    if (mod_key == "TFC") return std::make_unique<TfcWindow>(state, parent);
    if (mod_key == "Frontline") return std::make_unique<FrontlineWindow>(state, parent);
    return nullptr;
  };
  hooks.show_about = [](QWidget* parent) {
    AboutWindow about(false, parent);
    about.exec();
  };
  return hooks;
}

}  // namespace orvane
