// Firebot's files: the Firearms game.cfg (seventeen lines), the bot file
// default.cfg (the add-bot lines and the bot options), the skill table
// botskill.cfg and the seven blocks of settings.scr.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "services/BotEntry.h"
#include "services/EditorSettings.h"
#include "services/SettingsScript.h"

namespace orvane {

struct FirebotCfg {
  int timelimit = 0;
  int fraglimit = 0;
  bool fall_realistic = false;
  bool friendlyfire = false;
  bool weaponstay = false;
  bool forcerespawn = false;
  bool footsteps = true;
  bool flashlight = true;
  bool autocrosshair = true;
  bool blood = true;
  bool shells = true;
  bool bulletholes = true;
  int useskills = 1;
  bool autoexeccfg = false;
  // default.cfg's options
  int default_skill = 1;
  bool botdontshoot = false;
  bool observer = false;
  bool botstamina = false;
};

// The weapons of the weapon drop-down; a bot keeps the index.
const std::vector<std::string>& FbWeaponList();

std::vector<std::string> FirebotGameCfgLines(const FirebotCfg& cfg);
// Applies game.cfg's or default.cfg's option lines (the keys are the same).
// A number that is not one is a FileError naming the file and line; cfg is
// then unchanged.
void ParseFirebotOptions(const std::vector<std::string>& lines, std::string_view path,
                         FirebotCfg& cfg);

// default.cfg: Model the team code, Param1 the weapon's index.
std::vector<std::string> FirebotBotLines(const FirebotCfg& cfg,
                                         const std::vector<BotEntry>& roster);
// Its add-bot lines; a team, weapon or skill that is not a number is a
// message naming the file and line, and that bot is left out.
std::vector<BotEntry> ParseFirebotBots(const std::vector<std::string>& lines, std::string_view path,
                                       Messages& messages);

// botskill.cfg: a value per skill level 1..5 (columns) and key (rows:
// REACT_MIN, REACT_MAX, AIM_X, AIM_Y, AIM_Z, AIM_HEAD).
inline constexpr size_t kFbSkillRows = 6;
using FbSkills = std::array<std::array<std::string, 5>, kFbSkillRows>;
std::vector<std::string> FbSkillLines(const FbSkills& skills);
// A line too short for its value is skipped rather than misread.
FbSkills ParseFbSkills(const std::vector<std::string>& lines);

std::vector<ScrBlock> FirebotScrBlocks(const FirebotCfg& cfg);

}  // namespace orvane
