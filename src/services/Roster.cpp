#include "services/Roster.h"

#include <algorithm>
#include <stdexcept>

#include "services/Models.h"

namespace orvane {

void AddRosterEntry(Roster& roster, BotEntry entry) {
  roster.Append(std::move(entry));
  roster.SelectOnly(roster.size() - 1);
}

bool MoveRosterEntry(Roster& roster, int step) { return MoveCurrent(roster, step); }

bool DeleteRosterEntries(Roster& roster) {
  // Unlike the map list, no selection means no change at all.
  if (std::find(roster.selected.begin(), roster.selected.end(), true) == roster.selected.end()) {
    return false;
  }
  return RemoveSelected(roster);
}

int PickRandom(int lo, int hi, std::mt19937& random) {
  // The windows refuse a random draw from an empty list before asking.
  if (lo < 0 || hi < lo) throw std::logic_error("PickRandom: empty range");
  std::uniform_int_distribution<int> draw(0, hi);
  int r = draw(random);
  while (r < lo) r = draw(random);
  return r;
}

std::string DropCharacters(std::string_view text, std::string_view dropped) {
  std::string out;
  for (char c : text) {
    if (dropped.find(c) == std::string_view::npos) out += c;
  }
  return out;
}

TeamRows TeamListRows(const LauncherState& state, std::string_view team_text) {
  TeamRows rows;
  rows.model_index.fill(-1);
  int pieces = 0;
  size_t start = 0;
  while (true) {
    const size_t end = team_text.find(';', start);
    const std::string_view piece = team_text.substr(start, end - start);
    if (pieces < kMaxTeams)
      rows.model_index[static_cast<size_t>(pieces)] = FindModelIndex(state, piece);
    ++pieces;
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  rows.count = std::clamp(pieces, kMinTeams, kMaxTeams);
  return rows;
}

}  // namespace orvane
