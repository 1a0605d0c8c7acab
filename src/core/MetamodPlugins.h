// Metamod's plugins.ini: one plugin a line, "<platform> <path> [text]",
// the path relative to the mod directory; a line whose first non-blank
// characters are "#", ";" or "//" is a comment. The launch adds the chosen
// bot's line and comments out the other bots', leaving every other line
// (AMX Mod X, the player's own plugins, comments) as it stands.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/LauncherState.h"

namespace orvane {

// "win32" or "linux", the words both Metamod builds in use take.
std::string_view MetamodPlatformWord(GameBuild build);

// The same library, spelled either way: "\" or "/", any case, a leading "./".
bool SamePluginPath(std::string_view a, std::string_view b);

// The text with library loaded for build: an active line that loads it for
// that platform stays; else a line this edit once commented out is taken
// back; else "<word> <library>" is added at the end. Active lines loading
// any of others are commented out with ";". library and others use "/".
std::string SetMetamodPlugin(std::string_view plugins_ini, GameBuild build,
                             std::string_view library, const std::vector<std::string>& others);

}  // namespace orvane
