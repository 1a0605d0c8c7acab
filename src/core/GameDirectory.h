// Where the game is and which program starts it: the check the directory
// dialog makes, and storing the choice as the launcher's settings.
#pragma once

#include <string>
#include <string_view>

#include "core/LauncherState.h"
#include "platform/RegistryStore.h"

namespace orvane {

inline constexpr std::string_view kHalfLifeProgram = "hl.exe";
inline constexpr std::string_view kCounterStrikeProgram = "cstrike.exe";
// The native program of Steam's Half-Life, taken for hl.exe in a Steam library.
inline constexpr std::string_view kSteamLinuxProgram = "hl_linux";

// "" when dir\program exists (or, for hl.exe, hl_linux in a directory of a
// Steam library, or a dedicated server's program); otherwise the message the player sees
// ("hl.exe can't be found in C:\Games"), or "" too for an empty dir, which
// is no mistake but no directory either (see GameProgramIn).
std::string GameProgramMessage(std::string_view dir, std::string_view program);
bool GameProgramIn(std::string_view dir, std::string_view program);

// The dedicated server's program that a launch of program in dir starts
// instead ("hlds_run"): "" when the game's own program is there (a player's
// install with hlds.exe beside hl.exe plays), or program is not hl.exe.
std::string ServerProgramOf(std::string_view dir, std::string_view program);

// Stores "HLPath" and "HLExe"; false when the store refuses (it cannot be read).
bool StoreGameDirectory(RegistryStore& registry, std::string_view dir, std::string_view program);

}  // namespace orvane
