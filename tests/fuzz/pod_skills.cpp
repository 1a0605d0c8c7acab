// Any bytes as P.O.D.Bot's botskill.cfg: the grid read never fails, and a
// grid of values that a line can hold (no line break or control character,
// no parameter word, no blanks around) is written and read back the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/CstrikeFiles.h"
#include "platform/StringUtil.h"

namespace {

bool Holdable(const std::string& value) {
  for (const char c : value) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
  }
  for (const char* word : orvane::PodParamWords()) {
    if (value.find(word) != std::string::npos) return false;
  }
  return orvane::TrimCopy(value) == value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orvane::PodSkills grid = orvane::ParsePodSkills(
      orvane::SplitLines(std::string(reinterpret_cast<const char*>(data), size)));
  for (auto& band : grid) {
    for (std::string& value : band) {
      if (!Holdable(value)) value.clear();
    }
  }
  if (orvane::ParsePodSkills(orvane::PodSkillLines(grid)) != grid) std::abort();
  return 0;
}
