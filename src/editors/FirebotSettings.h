// Firebot's settings document (the Firearms mod with the Firebot add-on):
// game.cfg, the bot file default.cfg (roster and bot options), the skill
// table botskill.cfg, settings.scr when the mod has one, and mapcycle.txt
// with the starting map; the maps offered are those with Firebot waypoints.
#pragma once

#include "editors/FirebotFiles.h"
#include "services/EditorSettings.h"

namespace orvane {

class FirebotSettings final : public EditorSettings {
 public:
  explicit FirebotSettings(LauncherState& state);

  BoundOptions<FirebotCfg> game;
  BoundOptions<FirebotCfg> misc;
  BoundOptions<FirebotCfg> maps_options;  // "Execute maps config files"
  BoundOptions<FirebotCfg> bots;          // "Default Skill"
  FbSkills skills;

  std::string ConfigDir() const;                            // firebot\firearms\cfg
  std::string ModelCaption() const override { return {}; }  // Firebot's bots have no model

 protected:
  void ReadFiles(Messages& messages) override;
  void ReadBotFile(Messages& messages) override;
  void WriteFiles(FileBatch& batch) const override;
  BotEntry NewEntry() const override { return BotEntry{"NewBot", "0", "0", "", "0"}; }
  void RandomizeEntry(BotEntry& entry, std::mt19937& draw) const override;
  bool RandomModelFromCatalogue() const override { return false; }
  std::vector<std::string> ModelItems(const BotEntry*) const override { return {}; }
  std::vector<std::string> AvailableMaps() const override;
  void ShowExtra(std::vector<std::pair<std::string, std::string>>& lines) const override;
  std::optional<std::optional<std::string>> SetExtra(std::string_view control,
                                                     std::string_view value) override;

 private:
  FirebotCfg Collected() const;
  void Fill(const FirebotCfg& cfg);
  std::string WaypointDir() const;
  std::string SkillsPath() const;
};

}  // namespace orvane
