#include "core/Startup.h"

#include <exception>

#include "core/BotNames.h"
#include "core/LauncherSettings.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

namespace orvane {
namespace {

void Call(const std::function<void()>& hook) {
  if (hook) hook();
}

template <typename Step>
void Guarded(const char* message, StartupReporter& reporter, Step step) {
  try {
    step();
  } catch (const std::exception& e) {
    reporter.ReportError(message, e.what());
  } catch (...) {
    reporter.ReportError(message, "");
  }
}

}  // namespace

void ResetLauncherState(LauncherState& state, const StartupHooks& hooks) {
  state.hl_path.clear();
  state.hl_exe.clear();
  for (ModDirs& dirs : state.mod_dirs) dirs = ModDirs{};
  state.valve_maps_dir.clear();
  state.valve_models_dir.clear();
  Call(hooks.reset_editor_states);
  Call(hooks.rebuild_key_names);
}

void InitLauncher(LauncherState& state, RegistryStore& registry, const StartupHooks& hooks,
                  StartupReporter& reporter) {
  ResetLauncherState(state, hooks);
  Guarded(kMsgDefaultDirs, reporter, [&] { ReadLauncherSettings(state, registry); });
  Guarded(kMsgStartParams, reporter, [&] { Call(hooks.first_run_backup); });
  if (DirectoryExists(state.hl_path)) {
    Guarded(kMsgMapsList, reporter, [&] { Call(hooks.load_map_catalogue); });
    if (state.hl_exe == "hl.exe") {
      Guarded(kMsgModels, reporter, [&] { Call(hooks.load_model_catalogue); });
    }
  }
  state.bot_names.clear();
  const std::string names_file = state.app_path + "\\bot_names.txt";
  if (FileExists(names_file)) {
    state.bot_names = BotNamesFromLines(ReadLines(names_file));
  } else {
    state.bot_names.push_back("NewBot");
  }
}

void RunStartupGuarded(LauncherState& state, RegistryStore& registry, const StartupHooks& hooks,
                       StartupReporter& reporter) {
  try {
    InitLauncher(state, registry, hooks, reporter);
  } catch (const std::exception& e) {
    reporter.ReportError(kMsgPrepare, e.what());
  } catch (...) {
    reporter.ReportError(kMsgPrepare, "");
  }
}

}  // namespace orvane
