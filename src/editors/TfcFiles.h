// TFC's own files: game.cfg (with Abot's lines when Abot is the bot) and the
// team-damage code that the four damage choices make of mp_teamplay.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "editors/BotsIni.h"

namespace orvane {

// Everything the TFC window edits: game.cfg's values, Abot's, the damage
// choices (kept in KRV.ini) and TF_Bots.ini's options.
struct TfcConfig : TeamBotOptions {
  int timelimit = 0;
  int fraglimit = 0;
  int respawndelay = 0;
  bool footsteps = true;
  bool balance = true;
  bool birthday = false;
  // Abot
  int gameplay = 0;  // 0 Normal, 1 Last Team Standing
  bool bottarget = false;
  bool team_even = true;
  // Damage from a teammate, each 0 Full, 1 Half, 2 None: on body by a direct
  // shot, on body by a deflagration, on armour by each.
  int damage_2 = 0;
  int damage_8 = 0;
  int damage_128 = 0;
  int damage_512 = 0;
};

// The KRV.ini keys of the four damage choices, in the order above.
inline constexpr std::array<const char*, 4> kTeamDamageKeys = {"Teamplay_2", "Teamplay_8",
                                                               "Teamplay_128", "Teamplay_512"};

// 1 + 2 x body direct + 8 x body deflagration + 128 x armour direct + 512 x
// armour deflagration (the positions): all Full 1, all None 1301.
int TeamDamageCode(const TfcConfig& cfg);

std::vector<std::string> TfcGameCfgLines(const TfcConfig& cfg, bool abot);
// Reads game.cfg's values (mp_teamplay is not read back: the damage choices
// live in KRV.ini). A number that is not one is a FileError naming the file
// and line, and cfg is then unchanged.
void ParseTfcGameCfg(const std::vector<std::string>& lines, std::string_view path, TfcConfig& cfg);

}  // namespace orvane
