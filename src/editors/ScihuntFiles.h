// Sci-hunt's own files: its sixteen-line game.cfg (game mode and arsenal
// included), Shconfig.cfg (the scientists' options) and the bots' chat file
// in botfiles. Its bots' jumbot.cfg, roster and key bindings are Jumbot's
// formats (JumbotFiles, Sci-hunt flavour).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "services/SettingsScript.h"

namespace orvane {

inline constexpr int kScihuntModes = 5;  // "Standard Hunting" .. "Madness"

struct ScihuntGameCfg {
  int realistic = 0;                         // the game mode's index, -1 for none
  std::string weapfileloc = "starteqp.txt";  // the arsenal file in arsenals
  bool wallclimb = false;
  bool allmonsfly = true;
  int gibcount = 20;
  int insanity = 5;
  int fraglimit = 0;
  int timelimit = 0;
  bool fall_realistic = false;
  bool friendlyfire = false;
  bool weaponstay = false;
  bool forcerespawn = false;
  bool footsteps = true;
  bool flashlight = true;
  bool autocrosshair = true;
};

std::vector<std::string> ScihuntGameCfgLines(const ScihuntGameCfg& cfg);
// A number that is not one (a game mode outside -1..4 included) is a
// FileError naming the file and line; cfg is then unchanged.
void ParseScihuntGameCfg(const std::vector<std::string>& lines, std::string_view path,
                         ScihuntGameCfg& cfg);

struct ShConfig {
  int mondmg9mm_sci = 3;
  bool crowbar = false;
  int scispeed = 40;
  bool forcemodel = false;
  bool allowteamchange = false;
  bool restorehealth = false;
  bool resarsenal = false;
  bool scifly = true;
  bool deadsciphys = true;
  bool announcescideath = false;
  bool announcescinum = true;
  bool respbreak = true;
  bool bot_evil = false;
  bool glassbreak = true;
  bool bloodstream = false;
  bool bot_order = true;
  bool scirand = true;
  int scimax = 5;
  int goremultiply = 0;
  bool levelexec = false;
};

std::vector<std::string> ShConfigLines(const ShConfig& cfg);
void ParseShConfig(const std::vector<std::string>& lines, std::string_view path, ShConfig& cfg);

// The blocks of Sci-hunt's settings.scr, in order (the game's own server
// screen then shows what the window chose).
std::vector<ScrBlock> ScihuntScrBlocks(const ScihuntGameCfg& game, const ShConfig& sh);

// The chat file holds exactly this many lines in each of its two sections.
inline constexpr size_t kChatLines = 31;
struct ScihuntChat {
  std::vector<std::string> after_killing;
  std::vector<std::string> after_dying;
};
std::vector<std::string> ScihuntChatLines(const ScihuntChat& chat);
// Lines after the first "*" line are said after killing, after the second
// after dying; "#" lines, blank-led lines and further sections are skipped.
ScihuntChat ParseScihuntChat(const std::vector<std::string>& lines);

}  // namespace orvane
