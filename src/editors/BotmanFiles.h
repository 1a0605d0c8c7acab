// Botman's own file, bot.cfg: the starting map, the bots' default skill, the
// spawn delay and one addbot line per bot. Its game.cfg is the standard set
// and its map cycle is mapcycle.txt with the starting map kept here.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "services/BotEntry.h"

namespace orvane {

inline constexpr std::string_view kBotmanBotFile = "bot.cfg";
// The characters an addbot line cannot carry in a bot's name.
inline constexpr std::string_view kBotmanNameDrops = " \"<>";
inline constexpr std::string_view kRandomModel = "<Random Model>";

struct BotmanBotCfg {
  std::vector<std::string> start_maps;  // each usable "map" line, in file order
  int default_skill = 1;
  int spawn_delay = 4;
  std::vector<BotEntry> roster;
};

// Applies the file's lines to cfg; false (cfg unchanged) when it is missing.
// Keywords match at the start of a line without regard to case. A "pause",
// "botskill" or addbot skill that is not a whole number, or an over-long
// line, is a FileError naming the file and line, and cfg stays unchanged.
bool ReadBotmanBotCfg(std::string_view path,
                      const std::function<bool(std::string_view)>& usable_map, BotmanBotCfg& cfg);

// The same over lines already read; path only names the file in errors.
void ParseBotmanBotCfg(const std::vector<std::string>& lines, std::string_view path,
                       const std::function<bool(std::string_view)>& usable_map, BotmanBotCfg& cfg);

// One roster entry as the bot add-on reads it ("addbot gina Bob 3").
std::string AddbotLine(const BotEntry& entry);
// The whole file; the starting map is the first entry of the play list.
std::vector<std::string> BotmanBotCfgLines(std::string_view start_map, int default_skill,
                                           int spawn_delay, const std::vector<BotEntry>& roster);

}  // namespace orvane
