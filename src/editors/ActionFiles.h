// Action HL's own files: game.cfg (sixteen lines), teams.ini (main teams and
// their sub-teams), the bot roster bots.ini, and the parts of the game's
// settings.scr and user.scr that the window keeps in line (user.scr holds
// the gore level).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "services/BotEntry.h"
#include "services/EditorSettings.h"
#include "services/SettingsScript.h"

namespace orvane {

struct ActionGameCfg {
  int bots = 1;  // "Number of bots"; mp_bots is one more
  int gametype = 0;
  int lives = 0;
  int fraglimit = 0;
  int timelimit = 0;
  int roundtimelimit = 0;
  bool fall_realistic = false;
  bool friendlyfire = false;
  bool weaponstay = false;
  bool forcerespawn = false;
  bool footsteps = true;
  bool flashlight = true;
  bool autocrosshair = true;
  int teamkills = 0;
  int tkdeal = 0;
  int gorelevel = 0;  // user.scr, not game.cfg
};

std::vector<std::string> ActionGameCfgLines(const ActionGameCfg& cfg);
// A value that is not the number expected is a FileError naming the file and
// line; cfg is then unchanged.
void ParseActionGameCfg(const std::vector<std::string>& lines, std::string_view path,
                        ActionGameCfg& cfg);

// A main team ("name/model") and its sub-teams, each kept as its line stands.
struct ActionTeam {
  std::string text;
  std::vector<std::string> subs;
  bool operator==(const ActionTeam&) const = default;
};
using ActionTeams = std::vector<ActionTeam>;
ActionTeams DefaultActionTeams();
std::vector<std::string> TeamsIniLines(const ActionTeams& teams);
// Lines blank or starting with "/" are skipped; a sub-team before any main
// team has no team to join and is left out.
ActionTeams ParseTeamsIni(const std::vector<std::string>& lines);

// bots.ini: "NAME MODEL SKILL" lines after four comment lines.
std::vector<std::string> ActionBotsLines(const std::vector<BotEntry>& roster);
// A skill that is not a whole number from 1 to 5 is a message naming the
// file and line, and the bot gets 1.
std::vector<BotEntry> ParseActionBots(const std::vector<std::string>& lines, std::string_view path,
                                      Messages& messages);

std::vector<ScrBlock> ActionScrBlocks(const ActionGameCfg& cfg);
// user.scr from its old lines: the first 84 kept (padded), the gore level
// and pickup-sound blocks, then "}".
std::vector<std::string> UserScrLines(const std::vector<std::string>& old_lines, int gorelevel);
// The gore level of user.scr's lines, nullopt when none is found.
std::optional<int> ReadGoreLevel(const std::vector<std::string>& lines);

}  // namespace orvane
