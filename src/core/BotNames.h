// bot_names.txt: the names offered for new bots, one per line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// No blank anywhere, not starting with "/" or "#", not empty after trimming.
bool IsBotNameLine(std::string_view line);
std::vector<std::string> BotNamesFromLines(const std::vector<std::string>& lines);

}  // namespace orvane
