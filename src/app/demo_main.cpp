// orvane-demo: prepares the demo for the README's run command.
//   orvane-demo --installed     exit 0 when this environment's settings or
//                               Wine prefix lead to an installed Half-Life
//   orvane-demo ROOT            builds the demo below ROOT: Half-Life/, the
//                               launcher's data and registry store, ready for
//                               XDG_CONFIG_HOME=ROOT/config XDG_DATA_HOME=ROOT/share
//   orvane-demo --steam ROOT    the same with the game in a Steam library,
//                               ROOT/Steam, and a stand-in Steam client in
//                               ROOT/bin: ready for STEAM_DIR=ROOT/Steam and
//                               ROOT/bin first on the PATH
//   orvane-demo --server ROOT   the same with a dedicated server in ROOT/hlds
//                               (as steamcmd installs it) whose stand-in
//                               hlds_run records how it was started
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

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
  state.steam_env = env.steam;
  try {
    orvane::ReadLauncherSettings(state, registry);
  } catch (const std::exception&) {
    return true;  // a broken store is the player's own: the launcher reports it, not the demo
  }
  return orvane::GameProgramFound(state);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--installed") return HalfLifeInstalled() ? 0 : 1;
  const bool steam = !args.empty() && args[0] == "--steam";
  const bool server = !args.empty() && args[0] == "--server";
  const std::string arg = args.size() == (steam || server ? 2u : 1u) ? args.back() : "";
  if (arg.empty() || arg[0] == '-') {
    std::fprintf(stderr,
                 "usage: orvane-demo --installed | orvane-demo [--steam | --server] ROOT\n");
    return 2;
  }
  try {
    const fs::path root = fs::absolute(arg);
    const fs::path data_dir = root / "share" / "orvane";
    fs::path hl_dir = root / "Half-Life";
    if (steam) {
      hl_dir = orvane::BuildDemoSteamLibrary(root / "Steam", root / "bin", ORVANE_STEAM_STANDIN);
    } else if (server) {
      hl_dir = root / "hlds";
      orvane::BuildDemoServer(hl_dir);
    } else {
      orvane::BuildDemoGameTree(hl_dir, ORVANE_STANDIN_EXE);
    }
    orvane::RegistryStore registry(root / "config" / "orvane" / "registry.reg",
                                   root / "wine" / "system.reg");
    orvane::EnsureInstalled(registry, ORVANE_SOURCE_DATA_DIR, data_dir);
    orvane::BuildDemoAppFiles(data_dir);
    // Steam's Half-Life is found, not stored, as on a player's machine.
    if (!steam && registry.Open() && !registry.Read(orvane::kLauncherKey, "HLPath")) {
      registry.WriteString(orvane::kLauncherKey, "HLPath", hl_dir.string());
    }
    std::printf("%s\n", root.c_str());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvane-demo: %s\n", e.what());
    return 1;
  }
}
