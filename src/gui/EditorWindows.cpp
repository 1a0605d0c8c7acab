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
namespace {

template <typename Window>
std::unique_ptr<QDialog> Make(LauncherState& state, QWidget* parent) {
  return std::make_unique<Window>(state, parent);
}

}  // namespace

const std::vector<EditorWindowMaker>& EditorWindowMakers() {
  static const std::vector<EditorWindowMaker> kMakers = {
      {"Action", Make<ActionWindow>},       {"Botman", Make<BotmanWindow>},
      {"CStrike", Make<CstrikeWindow>},     {"Firebot", Make<FirebotWindow>},
      {"Frontline", Make<FrontlineWindow>}, {"Jumbot", Make<JumbotWindow>},
      {"Phineas", Make<PhineasWindow>},     {"Rocket", Make<RocketWindow>},
      {"Scihunt", Make<ScihuntWindow>},     {"TFC", Make<TfcWindow>},
  };
  return kMakers;
}

MainWindowHooks LauncherWindowHooks(LauncherState& state) {
  MainWindowHooks hooks;
  hooks.create_editor = [&state](std::string_view mod_key,
                                 QWidget* parent) -> std::unique_ptr<QDialog> {
    for (const EditorWindowMaker& maker : EditorWindowMakers()) {
      if (maker.key == mod_key) return maker.make(state, parent);
    }
    return nullptr;
  };
  hooks.show_about = [](QWidget* parent) {
    AboutWindow about(false, parent);
    about.exec();
  };
  return hooks;
}

}  // namespace orvane
