#include "core/BotNames.h"

#include "platform/StringUtil.h"

namespace orvane {

bool IsBotNameLine(std::string_view line) {
  if (line.find_first_of(" \t") != std::string_view::npos) return false;
  if (!line.empty() && (line.front() == '/' || line.front() == '#')) return false;
  return !Trim(line).empty();
}

std::vector<std::string> BotNamesFromLines(const std::vector<std::string>& lines) {
  std::vector<std::string> names;
  for (const std::string& line : lines) {
    if (IsBotNameLine(line)) names.push_back(line);
  }
  return names;
}

}  // namespace orvane
