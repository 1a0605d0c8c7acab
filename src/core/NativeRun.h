// Whether the selected mod can run on Steam's native (Linux) Half-Life. Steam
// runs Half-Life natively unless the player chose Proton for it, and a mod or
// bot add-on made only for Windows then does not load: the player is warned
// before the start and told how to turn Proton on.
#pragma once

#include <string>
#include <string_view>

#include "core/LauncherState.h"

namespace orvane {

// The value of a liblist.gam key (keys without regard to case, the value
// without its quotes); "" when the key is absent.
std::string LiblistValue(std::string_view liblist, std::string_view key);

// "" when the game is not Steam's, Proton is chosen for it, or the mod (with
// the bot chosen in the main window) has a Linux library; otherwise what the
// player is told: which part exists only for Windows, and what to do.
std::string WindowsOnlyWarning(const LauncherState& state);

}  // namespace orvane
