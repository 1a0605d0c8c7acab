// Any bytes as Firebot's botskill.cfg: the grid read never fails, and a grid
// of values a line can hold (no control character, no key word, no blanks
// around) is written and read back the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/FirebotFiles.h"
#include "platform/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orvane::FbSkills grid = orvane::ParseFbSkills(
      orvane::SplitLines(std::string(reinterpret_cast<const char*>(data), size)));
  for (auto& row : grid) {
    for (std::string& value : row) {
      bool holdable = orvane::TrimCopy(value) == value;
      for (const char c : value) holdable = holdable && static_cast<unsigned char>(c) >= 0x20;
      for (const char* key : {"REACT_MIN", "REACT_MAX", "AIM_X", "AIM_Y", "AIM_Z", "AIM_HEAD"})
        holdable = holdable && value.find(key) == std::string::npos;
      if (!holdable) value.clear();
    }
  }
  if (orvane::ParseFbSkills(orvane::FbSkillLines(grid)) != grid) std::abort();
  return 0;
}
