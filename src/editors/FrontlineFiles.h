// Front Line Force's own files: its nine-line game.cfg and the eleven blocks
// of settings.scr.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editors/BotsIni.h"
#include "services/SettingsScript.h"

namespace orvane {

// Everything the Front Line Force window edits: game.cfg's values and
// FL_Bots.ini's options. The defaults are the reset's: friendly fire on, the
// flashlight off.
struct FrontlineConfig : TeamBotOptions {
  int timelimit = 0;
  int roundlimit = 0;
  bool friendlyfire = true;
  bool footsteps = true;
  bool flashlight = false;
  bool autoteambalance = true;
  bool forcebalance = true;
};

std::vector<std::string> FrontlineGameCfgLines(const FrontlineConfig& cfg);
// A number that is not one is a FileError naming the file and line; cfg is
// then unchanged. mp_teamchange and unknown names are ignored.
void ParseFrontlineGameCfg(const std::vector<std::string>& lines, std::string_view path,
                           FrontlineConfig& cfg);
std::vector<ScrBlock> FrontlineScrBlocks(const FrontlineConfig& cfg);

}  // namespace orvane
