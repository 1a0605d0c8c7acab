// Counter-Strike's settings document, for the bot chosen in the main window:
// the bot's profile from the catalogue decides the skill scale, which
// options it understands, where its waypoints are and which maps it can
// play. Files: game.cfg, CS_Bots.ini (shared by every bot), mapcycle.txt
// with the starting map in KRV.ini, the bot's chat file, P.O.D.Bot's
// botskill.cfg and settings.scr.
#pragma once

#include <string>

#include "editors/CsBotAddOns.h"
#include "editors/CstrikeFiles.h"
#include "editors/TeamBotSettings.h"

namespace orvane {

// The waypoint directory field, as the player sees it (the whole path).
struct CsWaypointField {
  std::string dir;
};

// The models of a team code ("0" Auto, "1" Terrorists, "2" Counter-Terrorists).
const std::vector<std::string>& CsModelTable(std::string_view team);

class CstrikeSettings final : public TeamBotSettings {
 public:
  // The document for chosen_bot, the bot chosen in the main window.
  CstrikeSettings(LauncherState& state, std::string chosen_bot);

  // The chosen add-on's row of the known ones.
  const CsBotAddOn& add_on() const;
  // The pages the bot has beyond the chat page: "A.I." (PlBot), "Skills" (P.O.D.Bot's table).
  bool HasAiPage() const;
  bool HasSkillsPage() const;

  BoundOptions<CsGameCfg> game;
  BoundOptions<CsBotOptions> version;
  BoundOptions<CsBotOptions> misc;
  BoundOptions<CsBotOptions> skills;
  BoundOptions<CsBotOptions> ai;
  BoundOptions<CsWaypointField> waypoints;
  PodSkills pod;

  ControlState OptionState(std::string_view control) const override;

 protected:
  void ResetValues() override;
  void ReadFiles(Messages& messages) override;
  void ReadBotFile(Messages& messages) override;
  void WriteFiles(FileBatch& batch) const override;
  std::vector<std::string> ModelItems(const BotEntry* entry) const override;
  bool AfterOptionChange(std::string_view control, Messages& messages) override;
  void ShowExtra(std::vector<std::pair<std::string, std::string>>& lines) const override;
  std::optional<std::optional<std::string>> SetExtra(std::string_view control,
                                                     std::string_view value) override;

 private:
  std::string SkillsPath() const;  // an existing botskill.cfg of any case, else Botskill.cfg
  std::string FolderBase() const;  // the add-on's directory its waypoint folder lies in, with "\"
  void ReadCsBots(Messages& messages);
  void ReadSkills(Messages& messages);
};

}  // namespace orvane
