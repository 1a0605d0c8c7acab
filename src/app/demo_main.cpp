// orvane-demo: prepares the demo for the README's run command.
//   orvane-demo --installed     exit 0 when this environment's settings or
//                               Wine prefix lead to an installed Half-Life
//   orvane-demo ROOT            builds the demo below ROOT: Half-Life/, the
//                               launcher's data and registry store, ready for
//                               XDG_CONFIG_HOME=ROOT/config XDG_DATA_HOME=ROOT/share
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "app/DemoTree.h"
#include "core/LauncherSettings.h"
#include "platform/HostEnvironment.h"
#include "platform/Installation.h"
#include "platform/RegistryStore.h"

namespace fs = std::filesystem;

namespace {

bool HalfLifeInstalled() {
  const orvane::HostEnvironment env = orvane::HostEnvironmentFromProcess();
  orvane::RegistryStore registry(env.registry_store, env.SystemReg());
  orvane::LauncherState state;
  state.host_data_dir = env.data_dir.string();
  try {
    orvane::ReadLauncherSettings(state, registry);
  } catch (const std::exception&) {
    return true;  // a broken store is the player's own: the launcher reports it, not the demo
  }
  return orvane::GameProgramFound(state);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string arg = argc > 1 ? argv[1] : "";
  if (arg == "--installed") return HalfLifeInstalled() ? 0 : 1;
  if (argc != 2 || arg.empty() || arg[0] == '-') {
    std::fprintf(stderr, "usage: orvane-demo --installed | orvane-demo ROOT\n");
    return 2;
  }
  try {
    const fs::path root = fs::absolute(arg);
    const fs::path hl_dir = root / "Half-Life";
    const fs::path data_dir = root / "share" / "orvane";
    orvane::BuildDemoGameTree(hl_dir, ORVANE_STANDIN_EXE);
    orvane::RegistryStore registry(root / "config" / "orvane" / "registry.reg",
                                   root / "wine" / "system.reg");
    orvane::EnsureInstalled(registry, ORVANE_SOURCE_DATA_DIR, data_dir);
    orvane::BuildDemoAppFiles(data_dir);
    if (registry.Open() && !registry.Read(orvane::kLauncherKey, "HLPath")) {
      registry.WriteString(orvane::kLauncherKey, "HLPath", hl_dir.string());
    }
    std::printf("%s\n", root.c_str());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvane-demo: %s\n", e.what());
    return 1;
  }
}
