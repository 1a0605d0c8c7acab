// The game type and the ten team rows of the team-based editors, as values:
// deathmatch or teamplay, the number of teams, each row's model and whether
// the row is enabled, and the rules that tie them together.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "services/Roster.h"

namespace orvane {

struct Teams {
  bool teamplay = false;
  int count = kMinTeams;
  std::array<int, 10> selected{};      // position in the model drop-down, -1: none
  std::array<bool, 10> row_enabled{};  // label and drop-down together

  Teams() { Reset(); }

  // Deathmatch, two teams, no selection, every row disabled.
  void Reset();
  bool CountEnabled() const { return teamplay; }  // "Number of teams" and its caption

  // The game type as its radio buttons set it.
  void SetGameType(bool team_game);
  // The number of teams as its spin edit changes it; `editing` is the
  // team-editing flag (the spin edit has the focus). The rule applies only
  // under teamplay.
  void SetCount(int n, bool editing);
  // Rows 3..n enabled; row n + 1 disabled and, while editing, cleared.
  void ApplyCountRule(bool editing);
  // A team text read from game.cfg, already matched against the catalogue.
  void ApplyTeamList(const TeamRows& rows);

  // Each row's model name, "" for a row without a selection.
  std::array<std::string, 10> Texts(const std::vector<std::string>& models) const;
  bool FirstTwoChosen() const { return selected[0] >= 0 && selected[1] >= 0; }
};

}  // namespace orvane
