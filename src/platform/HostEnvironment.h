// Where this host keeps what Windows would keep in the registry, the
// launcher's own directory, and the Wine prefix or Steam library that holds
// the game. Read from the process environment once in main(); tests build
// their own.
#pragma once

#include <filesystem>

#include "platform/SteamLibrary.h"

namespace orvane {

struct HostEnvironment {
  std::filesystem::path registry_store;  // $XDG_CONFIG_HOME/orvane/registry.reg
  std::filesystem::path data_dir;        // $XDG_DATA_HOME/orvane (AppPath at first run)
  std::filesystem::path wine_prefix;     // $WINEPREFIX, default ~/.wine
  SteamEnvironment steam;                // where Steam's libraries may be

  std::filesystem::path SystemReg() const { return wine_prefix / "system.reg"; }
};

HostEnvironment HostEnvironmentFromProcess();

// The Wine prefix named by the environment; drive letters map through it.
std::filesystem::path WinePrefixFromProcess();

}  // namespace orvane
