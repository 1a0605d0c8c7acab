// Any bytes as Phineas's bots.ini: read, written back, read again to the
// same options and roster.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/PhineasFiles.h"
#include "platform/FileError.h"
#include "platform/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  orvane::PhineasBotsIni ini;
  try {
    orvane::ParsePhineasBotsIni(orvane::SplitLines(text), "bots.ini", ini);
  } catch (const orvane::FileError&) {
    return 0;  // a malformed number, reported with its line
  }
  orvane::PhineasBotsIni again;
  again.quantity = again.spawn_delay = again.initial_delay = -12345;
  // What we write must read back whole.
  orvane::ParsePhineasBotsIni(orvane::PhineasBotsIniLines(ini), "bots.ini", again);
  if (again.quantity != ini.quantity || again.spawn_delay != ini.spawn_delay ||
      again.initial_delay != ini.initial_delay || again.random != ini.random) {
    std::abort();
  }
  if (again.roster != ini.roster) std::abort();
  return 0;
}
