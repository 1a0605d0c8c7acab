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
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path bin = fs::read_symlink("/proc/self/exe", ec).parent_path();
  // Only the build tree's programs fall back on the source tree: an installed
  // one whose data is missing says so rather than quietly using a checkout.
  if (!ec && fs::equivalent(bin, ORVANE_BUILD_BIN_DIR, ec)) return ORVANE_SOURCE_DATA_DIR;
  return (bin / ORVANE_DATA_FROM_BIN).lexically_normal();
}

const char* OrvaneVersion() { return ORVANE_VERSION; }

}  // namespace orvane
