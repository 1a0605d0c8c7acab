// Jumbot's own files, whose formats Sci-hunt's bots share: jumbot.cfg (the
// bot settings), the roster file ("bots.cfg") and the waypoint key bindings
// of config.cfg. Sci-hunt's variant of jumbot.cfg is a flavour of the same
// table, not a copy.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "services/BotEntry.h"

namespace orvane {

// Every value jumbot.cfg holds, reset values as defaults.
struct JumbotCfg {
  std::vector<std::string> start_maps;  // each usable "map" line, in file order
  bool bot_random = false;
  int bot_num = 4;
  int bot_weaprun = 9;
  int bot_skill = 1;
  std::string botcfgfile = "bots.cfg";
  std::string chatfile = "exchat.cfg";
  bool botchat = false;
  bool bot_ordering = false;
  int chatfreq_killed = 0;
  int chatfreq_died = 0;
  int bot_distance = 4096;
  bool bot_checkdistance = true;
  bool bot_tripmines = false;
  bool bot_longjump = false;
  bool bot_gauss = true;
  bool bot_turret = true;
  bool bot_rpgaimlow = true;
  bool bot_runaway = true;
  bool bot_hunt = true;
  bool bothearing = true;
  bool botpain = true;
  bool botusefov = true;
  int botfov = 90;
  int botaccuracy = 10;
  int bot_run_worse = 8;
  int botspeed = 0;
  bool bot_crowbar = false;
  int speedup = 0;
  int spawndelay = 4;
  bool bot_squads = false;
  bool bot_snipers = false;
  bool bot_campers = false;
  bool bot_objavoid = false;
  bool bot_funcsmash = false;
  bool bot_leadsys = false;
  bool bot_ackteam = false;
  bool bot_realgame = false;
  int bot_thinkspeed = 1;
  bool bot_angleupdate = true;
  int bot_viewdelay = 5;
  int bot_yawspeed = 25;
  bool waypoints = true;
  bool nav_autogen = false;
  bool wp_autoplace = false;
  bool wp_jumpplace = false;
  bool bot_wppref = true;
  bool bot_advp = true;
  int bweap_crowbar = 0;
  int bweap_glock = 10;
  int bweap_python = 16;
  int bweap_mp5 = 18;
  int bweap_shotgun = 17;
  int bweap_crossbow = 15;
  int bweap_rpg = 20;
  int bweap_gauss = 21;
  int bweap_egon = 22;
  int bweap_hornet = 12;
  int bweap_grenade = 13;
  int bweap_snark = 14;
  int bweap_satchel = 5;
  int bweap_tripmine = -10;
  bool wp_edit = false;
};

// Where Sci-hunt's botfiles\jumbot.cfg differs from Jumbot's.
enum class JumbotFlavour { kJumbot, kScihunt };

// The file as each mod has it before any change: Sci-hunt's bots chat from
// botchat.cfg, Jumbot's from exchat.cfg.
JumbotCfg DefaultJumbotCfg(JumbotFlavour flavour);

// "Play in edit mode" turned on: no bots, and the waypoint files in use.
void TurnEditModeOn(JumbotCfg& cfg);

// The whole file; the starting map is the first entry of the play list.
std::vector<std::string> JumbotCfgLines(const JumbotCfg& cfg, std::string_view start_map,
                                        JumbotFlavour flavour);
// Applies the lines to cfg (keys absent from the file keep their values). A
// number that is not a whole number, or a bot_thinkspeed / bot_viewdelay too
// short to hold one after its "0.", is a FileError naming the file and line;
// cfg is then unchanged.
void ParseJumbotCfg(const std::vector<std::string>& lines, std::string_view path,
                    const std::function<bool(std::string_view)>& usable_map, JumbotFlavour flavour,
                    JumbotCfg& cfg);

// The roster file: "bot<n> <name> <model> <shirt> <pants> [skill]", a name
// with a blank in double quotes, the skill left out when it is "0".
std::vector<std::string> JumbotRosterLines(const std::vector<BotEntry>& roster);
// Param1 is the pants colour, Param2 the shirt colour. A colour or skill
// that is not a whole number is a FileError naming the file and line.
std::vector<BotEntry> ParseJumbotRoster(const std::vector<std::string>& lines,
                                        std::string_view path);

// The four waypoint commands, in the order of their drop-downs.
inline constexpr std::array<std::string_view, 4> kWaypointCommands = {"makewp", "makewpj", "remwp",
                                                                      "writewpfile"};
// config.cfg with the old waypoint bindings taken out and one
// bind "<key>" "<command>" line appended for each chosen key (display names
// of the key table; an empty choice binds nothing).
std::vector<std::string> RebindWaypointKeys(const std::vector<std::string>& config_lines,
                                            const std::array<std::string, 4>& keys);

}  // namespace orvane
