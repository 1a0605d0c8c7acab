// Any bytes as Rocket Crowbar's botdata.txt: every bot read has each number
// in its field's range and a weapon of the list, and what is written from
// them reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/RocketFiles.h"
#include "platform/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> lines =
      orvane::SplitLines(std::string(reinterpret_cast<const char*>(data), size));
  orvane::Messages messages;
  std::vector<orvane::BotEntry> bots = orvane::ParseRocketBots(lines, "botdata.txt", messages);
  for (orvane::BotEntry& e : bots) {
    const auto reaction = orvane::ParseDecimalInt(e.reaction);
    if (!reaction || *reaction < 1 || *reaction > 500) std::abort();
    const auto& weapons = orvane::RocketWeapons();
    if (std::find(weapons.begin(), weapons.end(), e.weapon) == weapons.end()) std::abort();
    // A name or model that a line cannot hold as it is written is no round trip.
    for (std::string* text : {&e.name, &e.model}) {
      if (text->find_first_of("\r\n") != std::string::npos || orvane::TrimCopy(*text) != *text)
        text->clear();
    }
  }
  orvane::Messages again;
  if (orvane::ParseRocketBots(orvane::RocketBotLines(bots), "botdata.txt", again) != bots)
    std::abort();
  return 0;
}
