// Any bytes as Action's user.scr: the gore level read is a single digit,
// and the file rewritten with a level reads back that level.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/ActionFiles.h"
#include "platform/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> lines =
      orvane::SplitLines(std::string(reinterpret_cast<const char*>(data), size));
  const std::optional<int> level = orvane::ReadGoreLevel(lines);
  if (level && (*level < 0 || *level > 9)) std::abort();
  const int written = static_cast<int>(size % 7);
  // The kept head may hold a gore block of its own; the one written comes last.
  if (orvane::ReadGoreLevel(orvane::UserScrLines(lines, written)) != written) std::abort();
  return 0;
}
