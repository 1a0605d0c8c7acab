// Any bytes as a Jumbot roster file: read, written back, read again to the
// same bots (names as the window lets a player type them).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/JumbotFiles.h"
#include "platform/FileError.h"
#include "platform/StringUtil.h"

namespace {

// Hand-written oddities the format cannot carry back: quotes, blanks in the
// model or colours, a blank at either end of a name, empty fields.
bool Typeable(const orvane::BotEntry& e) {
  for (const std::string* field : {&e.name, &e.model, &e.param1, &e.param2, &e.skill}) {
    if (field->empty() || field->find('"') != std::string::npos) return false;
  }
  for (const std::string* field : {&e.model, &e.param1, &e.param2, &e.skill}) {
    if (field->find_first_of(" \t\r") != std::string::npos) return false;
  }
  return orvane::Trim(e.name) == e.name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<orvane::BotEntry> roster;
  try {
    roster = orvane::ParseJumbotRoster(orvane::SplitLines(text), "bots.cfg");
  } catch (const orvane::FileError&) {
    return 0;  // a colour or skill that is no number, reported with its line
  }
  for (const orvane::BotEntry& e : roster) {
    if (!Typeable(e)) return 0;
  }
  std::vector<orvane::BotEntry> again;
  try {
    again = orvane::ParseJumbotRoster(orvane::JumbotRosterLines(roster), "bots.cfg");
  } catch (const orvane::FileError&) {
    std::abort();
  }
  if (again != roster) std::abort();
  return 0;
}
