// Any bytes as Action's bots.ini: every bot's skill is a whole number from
// 1 to 5, and bots whose fields a line can hold are written and read back
// the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/ActionFiles.h"
#include "platform/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orvane::Messages messages;
  std::vector<orvane::BotEntry> bots = orvane::ParseActionBots(
      orvane::SplitLines(std::string(reinterpret_cast<const char*>(data), size)), "bots.ini",
      messages);
  std::vector<orvane::BotEntry> holdable;
  for (const orvane::BotEntry& e : bots) {
    const auto skill = orvane::ParseDecimalInt(e.skill);
    if (!skill || *skill < 1 || *skill > 5) std::abort();
    const bool one_word = !e.name.empty() && e.name.find(' ') == std::string::npos &&
                          !e.model.empty() && e.model.find(' ') == std::string::npos &&
                          e.name.rfind("//", 0) != 0;
    if (one_word) holdable.push_back(e);
  }
  orvane::Messages again;
  if (orvane::ParseActionBots(orvane::ActionBotsLines(holdable), "bots.ini", again) != holdable)
    std::abort();
  return 0;
}
