#include "services/Teams.h"

#include <algorithm>

namespace orvane {

void Teams::Reset() {
  teamplay = false;
  count = kMinTeams;
  selected.fill(-1);
  row_enabled.fill(false);
}

void Teams::SetGameType(bool team_game) {
  teamplay = team_game;
  for (size_t k = 0; k < row_enabled.size(); ++k) row_enabled[k] = teamplay && k < 2;
  if (teamplay) ApplyCountRule(false);
}

void Teams::SetCount(int n, bool editing) {
  count = std::clamp(n, kMinTeams, kMaxTeams);
  if (teamplay) ApplyCountRule(editing);
}

void Teams::ApplyCountRule(bool editing) {
  for (int k = 3; k <= count; ++k) row_enabled[static_cast<size_t>(k - 1)] = true;
  if (count < kMaxTeams) {
    row_enabled[static_cast<size_t>(count)] = false;
    if (editing) selected[static_cast<size_t>(count)] = -1;
  }
}

void Teams::ApplyTeamList(const TeamRows& rows) {
  selected = rows.model_index;
  count = rows.count;
  if (teamplay) ApplyCountRule(false);
}

std::array<std::string, 10> Teams::Texts(const std::vector<std::string>& models) const {
  std::array<std::string, 10> texts;
  for (size_t k = 0; k < texts.size(); ++k) {
    const int i = selected[k];
    if (i >= 0 && i < static_cast<int>(models.size())) texts[k] = models[static_cast<size_t>(i)];
  }
  return texts;
}

}  // namespace orvane
