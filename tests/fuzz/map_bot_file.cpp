// Any bytes as a TFC map's bot file: made to run Abot's configuration, the
// file keeps none of its bot lines, ends with "exec abot.cfg", and a second
// launch leaves it as it is.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/LaunchFiles.h"
#include "platform/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> lines =
      orvane::SplitLines(std::string(reinterpret_cast<const char*>(data), size));
  const auto written = orvane::MapBotFileLines(lines);
  bool had = false;
  for (const std::string& line : lines)
    had = had || line.find("exec abot.cfg") != std::string::npos;
  if (had != !written.has_value()) std::abort();
  if (!written) return 0;
  if (written->empty() || written->back() != "exec abot.cfg") std::abort();
  for (size_t i = 0; i + 1 < written->size(); ++i) {
    const std::string& line = (*written)[i];
    if (line.find("addbot") != std::string::npos || line.find("pause") != std::string::npos ||
        line.find("botskill") != std::string::npos)
      std::abort();
  }
  if (orvane::MapBotFileLines(*written).has_value()) std::abort();
  return 0;
}
