// The bot roster of an editor window as values, and what its buttons do:
// add, move and delete entries, and the random draws of a random bot. The
// number-of-teams half of the team rows lives here too.
#pragma once

#include <array>
#include <random>
#include <string>
#include <string_view>

#include "core/LauncherState.h"
#include "services/BotEntry.h"
#include "services/ListOf.h"

namespace orvane {

using Roster = ListOf<BotEntry>;

// Appends the entry; it becomes the current line, selected alone.
void AddRosterEntry(Roster& roster, BotEntry entry);
// Swaps the current entry with its neighbour; false (no change) at an end.
bool MoveRosterEntry(Roster& roster, int step);
// Deletes every selected entry; false when none was selected.
bool DeleteRosterEntries(Roster& roster);

// Uniform in lo..hi (0 <= lo <= hi), drawn as 0..hi and again while below lo.
int PickRandom(int lo, int hi, std::mt19937& random);

// The text with every character of `dropped` taken out (the characters a
// mod's bot file cannot carry in a name).
std::string DropCharacters(std::string_view text, std::string_view dropped);

// The team rows of a team text ("gina;;gordon"): the catalogue position of
// each of the first ten pieces (-1: no selection), and the number of teams
// as the spin edit keeps it (2..10).
struct TeamRows {
  std::array<int, 10> model_index;
  int count = 2;
};
TeamRows TeamListRows(const LauncherState& state, std::string_view team_text);

inline constexpr int kMinTeams = 2;
inline constexpr int kMaxTeams = 10;

}  // namespace orvane
