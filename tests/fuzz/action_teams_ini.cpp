// Any bytes as Action's teams.ini: what is read is written and read back
// the same (a team text without its brackets' line break, a sub-team line
// that is no comment, blank or main team).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/ActionFiles.h"
#include "platform/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const orvane::ActionTeams teams = orvane::ParseTeamsIni(
      orvane::SplitLines(std::string(reinterpret_cast<const char*>(data), size)));
  if (orvane::ParseTeamsIni(orvane::TeamsIniLines(teams)) != teams) std::abort();
  return 0;
}
