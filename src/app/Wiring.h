// How the launcher's start-up and launch are joined to the units that fill
// their hooks. The window and orvanectl use the same wiring, so nothing
// differs between them.
#pragma once

#include <filesystem>

#include "core/Launch.h"
#include "core/LauncherState.h"
#include "core/Startup.h"
#include "platform/RegistryStore.h"

namespace orvane {

StartupHooks LauncherStartupHooks(LauncherState& state, RegistryStore& registry);
LaunchHooks LauncherLaunchHooks();

// The shipped data files: beside an installed launcher (found from the
// program's own directory, so any prefix works), else, for a program run from
// its build tree, the source tree's.
std::filesystem::path ShippedDataDir();

// The project's version, as --version prints it.
const char* OrvaneVersion();

}  // namespace orvane
