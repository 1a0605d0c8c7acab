#include "platform/HostEnvironment.h"

#include <cstdlib>

namespace orvane {
namespace {

std::filesystem::path EnvOr(const char* name, const std::filesystem::path& fallback) {
  const char* value = std::getenv(name);
  return (value != nullptr && *value != '\0') ? std::filesystem::path(value) : fallback;
}

std::filesystem::path Home() { return EnvOr("HOME", "/"); }

}  // namespace

std::filesystem::path WinePrefixFromProcess() { return EnvOr("WINEPREFIX", Home() / ".wine"); }

HostEnvironment HostEnvironmentFromProcess() {
  HostEnvironment env;
  env.registry_store = EnvOr("XDG_CONFIG_HOME", Home() / ".config") / "orvane" / "registry.reg";
  env.data_dir = EnvOr("XDG_DATA_HOME", Home() / ".local" / "share") / "orvane";
  env.wine_prefix = WinePrefixFromProcess();
  env.steam = SteamEnvironmentFromProcess();
  return env;
}

}  // namespace orvane
