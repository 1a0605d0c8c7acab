#include "app/Wiring.h"

#include "core/Backup.h"
#include "editors/ModRegistry.h"
#include "services/MapLists.h"
#include "services/Models.h"

namespace orvane {

StartupHooks LauncherStartupHooks(LauncherState& state, RegistryStore& registry) {
  StartupHooks hooks;
  hooks.first_run_backup = [&state, &registry] { FirstRunBackup(state, registry); };
  hooks.load_map_catalogue = [&state] { LoadMapCatalogue(state); };
  hooks.load_model_catalogue = [&state] { LoadModelCatalogue(state); };
  return hooks;
}

LaunchHooks LauncherLaunchHooks() {
  LaunchHooks hooks;
  hooks.bot_files = WriteLaunchFiles;
  return hooks;
}

std::filesystem::path ShippedDataDir() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const std::filesystem::path installed = exe.parent_path() / ".." / "share" / "orvane" / "data";
    if (std::filesystem::is_directory(installed, ec)) return installed;
  }
  return ORVANE_SOURCE_DATA_DIR;
}

}  // namespace orvane
