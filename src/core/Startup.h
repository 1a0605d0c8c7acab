// Start-up: from process start to the launcher-wide values a main window
// needs. Later units plug their start-up work into the hooks; errors reach
// the player through the reporter that the main window implements.
#pragma once

#include <functional>
#include <string>

#include "core/LauncherState.h"
#include "platform/RegistryStore.h"

namespace orvane {

class StartupReporter {
 public:
  virtual ~StartupReporter() = default;
  // An error box: the fixed message, and what exactly went wrong.
  virtual void ReportError(const std::string& message, const std::string& detail) = 0;
};

struct StartupHooks {
  std::function<void()> reset_editor_states;
  std::function<void()> rebuild_key_names;
  std::function<void()> first_run_backup;
  std::function<void()> load_map_catalogue;    // only when HLPath exists
  std::function<void()> load_model_catalogue;  // only when HLPath exists and HLExe is "hl.exe"
};

inline constexpr const char* kMsgDefaultDirs = "Can't load default directories.";
inline constexpr const char* kMsgStartParams = "Can't read starting parameters.";
inline constexpr const char* kMsgMapsList = "Can't get maps list.";
inline constexpr const char* kMsgModels = "Can't load models.";
inline constexpr const char* kMsgPrepare = "Can't prepare parameters.";

void ResetLauncherState(LauncherState& state, const StartupHooks& hooks);

// Each guarded step reports its own message and start-up goes on; an error
// outside them escapes to the caller.
void InitLauncher(LauncherState& state, RegistryStore& registry, const StartupHooks& hooks,
                  StartupReporter& reporter);

// InitLauncher as the main window's creation runs it: what escapes is
// reported as "Can't prepare parameters." and the window still opens.
void RunStartupGuarded(LauncherState& state, RegistryStore& registry, const StartupHooks& hooks,
                       StartupReporter& reporter);

}  // namespace orvane
