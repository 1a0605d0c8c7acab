// Rocket Crowbar's files: game.cfg (limits with six decimals, the game type
// as mp_teamplay and mp_ctf), the blocks of settings.scr, and botdata.txt,
// where every bot carries its own personality, one "KEY:value" line per
// field.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "services/BotEntry.h"
#include "services/EditorSettings.h"
#include "services/SettingsScript.h"

namespace orvane {

inline constexpr int kRocketNoGameType = -1;

struct RocketGameCfg {
  std::array<std::string, 10> teams;  // the team rows' texts, for writing
  std::string team_text;              // mp_teamlist as read
  int fraglimit = 0;
  int timelimit = 0;
  int flag_return_time = 60;
  int points_per_capture = 10;
  int scikill = 0;
  int falldamage = 0;  // 0 Normal, 1 Realistic, 2 None
  int minbots = 3;
  int game_type = 0;  // 0 DeathMatch, 1 Teamplay, 2 Capture the Flag, or none
  bool friendlyfire = false;
  bool weaponstay = false;
  bool forcerespawn = false;
  bool footsteps = true;
  bool flashlight = true;
  bool autocrosshair = true;
  bool drunkrockets = false;
  bool teamannoy = false;
  bool allowrifts = true;
};

std::vector<std::string> RocketGameCfgLines(const RocketGameCfg& cfg);
// Values are cut at their first "." (a team name too). A number that is not
// one is a FileError naming the file and line, and cfg is then unchanged.
void ParseRocketGameCfg(const std::vector<std::string>& lines, std::string_view path,
                        RocketGameCfg& cfg);
// mp_teamlist's block is always empty; without a game type its two blocks go.
std::vector<ScrBlock> RocketScrBlocks(const RocketGameCfg& cfg);

// The favourite weapons, "NONE" first.
const std::vector<std::string>& RocketWeapons();
// A new bot's fields, which a field missing from the file also keeps.
BotEntry NewRocketBot();

// A reaction time of R hundredths as the file writes it: 150 "1.500000".
std::string ReactionSeconds(int hundredths);
// Sixteen lines a bot: "Bot N", the fourteen fields, two empty lines.
std::vector<std::string> RocketBotLines(const std::vector<BotEntry>& roster);
// Each "Bot" line starts a bot. A value that is not a number in its field's
// range (or a weapon not in the list) is a message naming the file and line,
// and the field keeps its new-bot value.
std::vector<BotEntry> ParseRocketBots(const std::vector<std::string>& lines, std::string_view path,
                                      Messages& messages);

}  // namespace orvane
