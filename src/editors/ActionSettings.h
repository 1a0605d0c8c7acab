// Action HL's settings document: game.cfg, the teams and sub-teams of
// teams.ini, the bots of bots.ini, mapcycle.txt with the starting map, and
// the parts of settings.scr and user.scr (the gore level) the game's own
// screens show. Its models and maps are Action's own.
#pragma once

#include "editors/ActionFiles.h"
#include "services/EditorSettings.h"

namespace orvane {

// A node of the team tree: a main team (sub -1) or one of its sub-teams.
struct TeamNodeRef {
  int team = -1;
  int sub = -1;
  bool operator==(const TeamNodeRef&) const = default;
};

class ActionSettings final : public EditorSettings {
 public:
  explicit ActionSettings(LauncherState& state);

  BoundOptions<ActionGameCfg> game;
  BoundOptions<ActionGameCfg> bots;  // "Number of bots"

  // The team tree and its selected node (team -1: none).
  ActionTeams team_tree;
  TeamNodeRef current_team;
  std::string NodeText(const TeamNodeRef& node) const;
  // The selected node's name and model: its text before and after "/".
  std::string TeamName() const;
  std::string TeamModel() const;
  // The pop-up menu's commands; a refusal is the message to show.
  void AddTeam();
  std::string AddSubTeam();
  std::string DeleteRefusal() const;
  std::string DeleteQuestion() const;  // to ask before deleting
  void DeleteTeamNode();
  // A change of the name edit or model drop-down renames the selected node.
  void SetTeamInfo(const std::string& name, const std::string& model);

 protected:
  void ResetValues() override;
  void ReadFiles(Messages& messages) override;
  void ReadBotFile(Messages& messages) override;
  void WriteFiles(FileBatch& batch) const override;
  BotEntry NewEntry() const override { return BotEntry{"NewBot", "agent99", "", "", "1"}; }
  void RandomizeEntry(BotEntry& entry, std::mt19937& draw) const override;
  std::vector<std::string> AvailableMaps() const override;
  std::vector<std::string> ModelList() const override;
  void ShowExtra(std::vector<std::pair<std::string, std::string>>& lines) const override;
  std::optional<std::optional<std::string>> SetExtra(std::string_view control,
                                                     std::string_view value) override;

 private:
  ActionGameCfg Collected() const;
};

}  // namespace orvane
