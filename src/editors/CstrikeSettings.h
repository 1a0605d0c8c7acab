// Counter-Strike's settings document, for the bot chosen in the main window:
// the bot's profile from the catalogue decides the skill scale, which
// options it understands, where its waypoints are and which maps it can
// play. Files: game.cfg, CS_Bots.ini (shared by every bot), mapcycle.txt
// with the starting map in KRV.ini, the bot's chat file, P.O.D.Bot's
// botskill.cfg and settings.scr.
#pragma once

#include <string>

#include "editors/BotProfile.h"
#include "editors/CstrikeFiles.h"
#include "services/EditorSettings.h"

namespace orvane {

// The waypoint directory field, as the player sees it (the whole path).
struct CsWaypointField {
  std::string dir;
};

// The models of a team code ("0" Auto, "1" Terrorists, "2" Counter-Terrorists).
const std::vector<std::string>& CsModelTable(std::string_view team);

class CstrikeSettings final : public EditorSettings {
  // First: the tables are built from the bot's profile.
  std::string bot_;
  Messages profile_messages_;
  BotProfile profile_;
  std::string waypoint_dir_;  // relative to the cstrike directory

 public:
  explicit CstrikeSettings(LauncherState& state);

  const std::string& bot() const { return bot_; }
  const BotProfile& profile() const { return profile_; }
  // The pages the bot has: "A.I." (PlBot), "Skills" (P.O.D.Bot), "Bots Chat" (a chat file).
  bool HasAiPage() const;
  bool HasSkillsPage() const;
  bool HasChatPage() const { return !profile_.chat_file.empty(); }
  std::string WaypointDir() const { return waypoint_dir_; }
  std::string MapLegend() const;

  BoundOptions<CsGameCfg> game;
  BoundOptions<CsBotOptions> version;
  BoundOptions<CsBotOptions> misc;
  BoundOptions<CsBotOptions> skills;
  BoundOptions<CsBotOptions> ai;
  BoundOptions<CsWaypointField> waypoints;
  size_t chat_page = 0;
  PodSkills pod;

  ControlState OptionState(std::string_view control) const override;
  std::string PictureName() const override;

 protected:
  void ResetValues() override;
  void ReadFiles(Messages& messages) override;
  void ReadBotFile(Messages& messages) override;
  void WriteFiles(FileBatch& batch) const override;
  BotEntry NewEntry() const override;
  void RandomizeEntry(BotEntry& entry, std::mt19937& draw) const override;
  std::vector<std::string> AvailableMaps() const override;
  std::vector<std::string> ModelItems(const BotEntry* entry) const override;
  int ModelPosition(const BotEntry& entry, const std::vector<std::string>& items) const override;
  bool RandomModelFromCatalogue() const override { return false; }
  bool AfterOptionChange(std::string_view control, Messages& messages) override;
  void ShowExtra(std::vector<std::pair<std::string, std::string>>& lines) const override;
  std::optional<std::optional<std::string>> SetExtra(std::string_view control,
                                                     std::string_view value) override;

 private:
  std::string BotsIniPath() const;
  std::string SkillsPath() const;  // an existing botskill.cfg of any case, else Botskill.cfg
  void ReadCsBots(Messages& messages);
  void ReadSkills(Messages& messages);
  void ReadChat(Messages& messages);
};

}  // namespace orvane
