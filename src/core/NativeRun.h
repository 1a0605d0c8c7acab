// What the player should know before a start that may not go as they
// expect: a mod or bot add-on that Steam's native (Linux) Half-Life cannot
// load, and a bot add-on that takes Metamod's place in liblist.gam.
#pragma once

#include <string>

#include "core/LauncherState.h"

namespace orvane {

// "" when the game is not Steam's native build or the mod (with the bot
// chosen in the main window) can run on it; otherwise which part cannot,
// and how to turn Proton on.
std::string WindowsOnlyWarning(const LauncherState& state);

// Both of the above and the Metamod warning of the chosen bot, one after
// the other; "" when there is nothing to say.
std::string LaunchWarning(const LauncherState& state);

}  // namespace orvane
