// Counter-Strike's own files: its fifteen-line game.cfg and the nine blocks
// of settings.scr, CS_Bots.ini (the bot options of every bot add-on, PlBot's
// A.I. and the roster, shared by all bots) and P.O.D.Bot's botskill.cfg.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "editors/BotsIni.h"
#include "services/BotEntry.h"
#include "services/EditorSettings.h"
#include "services/SettingsScript.h"

namespace orvane {

struct CsGameCfg {
  int timelimit = 0;
  int roundtime = 5;
  int maxrounds = 0;
  int freezetime = 1;
  int hostagepenalty = 0;
  int c4timer = 35;
  int limitteams = 2;
  bool friendlyfire = false;
  bool grenade = false;
  bool footsteps = true;
  bool flashlight = true;
  bool balance = true;
};

std::vector<std::string> CsGameCfgLines(const CsGameCfg& cfg);
// A number that is not one is a FileError naming the file and line; cfg is
// then unchanged.
void ParseCsGameCfg(const std::vector<std::string>& lines, std::string_view path, CsGameCfg& cfg);
std::vector<ScrBlock> CsScrBlocks(const CsGameCfg& cfg);

// CS_Bots.ini's [Default] and [PlBot] values.
struct CsBotOptions {
  int default_skill = 1;  // "skill" + the bot's top skill
  int minskill = 1;
  bool extraskill = false;
  bool forceskill = false;
  bool botchat = true;
  bool knifeonly = false;
  bool pistolonly = false;
  bool subonly = false;
  bool usesmoke = true;
  bool detailnames = false;
  bool inhumanturns = false;
  std::string botmenu;  // a key's display name
  bool cs71 = false;    // beta 7.1 rather than 1.x ("version" holds 1 for 1.x)
  int control_bot = 3;
  bool navigation = true;
  int join_team = 0;  // "jointeam": 0 any, 1 Terrorists, 2 Counter-Terrorists
  // [PlBot]
  int waydist = 300;
  int bheight = 150;
  int pway = 20;
  int proad = 5;
  int pgoal = 4;
  int pchange = 5;
  int plong = 3;
  int bsenss = 50;
  int bsensf = 75;
  int bsensc = 100;
};

// Reads CS_Bots.ini's text for a bot whose top skill is max_skill. Keys
// absent from an existing file read as the profile functions give them (a
// check box "0"). A roster entry's Model, Skill or team that is not a whole
// number is a message naming the file and key, and that field keeps its
// default; a skill above the top is the top.
struct CsBotsIni {
  CsBotOptions options;
  std::vector<BotEntry> roster;  // Param1 the team, Model the model's position
};
CsBotsIni ReadCsBotsIni(std::string_view text, std::string_view path, int max_skill,
                        Messages& messages);
// The keys written over the file's text (keys of other bots stay): the
// waypoint folder under its add-on's own key, and the team the bots join,
// only for the add-ons that have them.
struct CsBotsIniWrite {
  std::string max_skill;
  std::string folder_key;  // "nwpdir" (NN Bot), "wptfolder" (P.O.D.Bot)...; "" for none
  std::string folder;
  bool write_join_team = false;
};
void PutCsBotsIni(FileBatch& batch, const std::string& path, const CsBotOptions& options,
                  const std::vector<BotEntry>& roster, const CsBotsIniWrite& how);

// P.O.D.Bot's skill table: eight parameters for each of six skill bands.
inline constexpr size_t kPodBands = 6;
inline constexpr size_t kPodParams = 8;
using PodSkills = std::array<std::array<std::string, kPodParams>, kPodBands>;
const std::array<const char*, kPodParams>& PodParamWords();
std::vector<std::string> PodSkillLines(const PodSkills& skills);
// Each line holding a parameter word gives that parameter of the current
// band its text after the word; eight found move on to the next band.
PodSkills ParsePodSkills(const std::vector<std::string>& lines);

}  // namespace orvane
