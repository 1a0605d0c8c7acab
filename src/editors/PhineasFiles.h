// Phineas's own file, bots.ini: the number of bots, their spawn timing and
// order, and one [Bot] section per bot with its name, model and colours.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "services/BotEntry.h"

namespace orvane {

inline constexpr std::string_view kPhineasBotFile = "bots.ini";
// The characters a bots.ini line cannot carry in a bot's name.
inline constexpr std::string_view kPhineasNameDrops = " \"";

struct PhineasBotsIni {
  int quantity = 4;
  int spawn_delay = 4;
  int initial_delay = 4;
  bool random = false;
  // Name, Model, Param1 (BottomColor, pants) and Param2 (TopColor, shirt).
  std::vector<BotEntry> roster;
};

// Applies the lines to ini (its bot options keep their values where the file
// has no line; the roster is the file's). A "Quantity", "InitialDelay" or
// "SpawnDelay" that is not a whole number, or an over-long line, is a
// FileError naming the file and line, and ini stays unchanged. A [Bot]
// section without a Name line still gives an entry (with an empty name), so
// the roster and its list stay aligned.
void ParsePhineasBotsIni(const std::vector<std::string>& lines, std::string_view path,
                         PhineasBotsIni& ini);
// False (ini unchanged) when the file is missing.
bool ReadPhineasBotsIni(std::string_view path, PhineasBotsIni& ini);

std::vector<std::string> PhineasBotsIniLines(const PhineasBotsIni& ini);

}  // namespace orvane
