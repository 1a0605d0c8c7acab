// The player's additional game parameters: the words the launcher already
// puts on the command line and so refuses, and the stored text (KRV.ini
// [KRV] "Command"), kept exactly as typed.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/LauncherState.h"

namespace orvane {

// Tested in this order; the last one found is the one named.
inline constexpr std::array<std::string_view, 6> kReservedWords = {
    "console", "game", "sv_lan", "maxplayers", "connect", "map"};

// The last reserved word that text contains (case-sensitive substring), or "".
std::string ReservedWordIn(std::string_view text);
// "The command 'map' is already used by KRV. Please remove it from your command line."
std::string ReservedWordMessage(std::string_view word);

// The stored text, blanks included.
std::string StoredCommand(const LauncherState& state);
// Stores text as typed. A text that the profile functions would trim or
// unquote when reading is written in quotes, so it reads back unchanged.
void StoreCommand(const LauncherState& state, std::string_view text);

}  // namespace orvane
