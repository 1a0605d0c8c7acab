// Any bytes as Firebot's default.cfg: every bot read has a team of 0 to 2,
// a weapon of the list and a skill of 0 to 5, and the options read never
// throw anything but a FileError; bots written read back the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/FirebotFiles.h"
#include "platform/FileError.h"
#include "platform/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> lines =
      orvane::SplitLines(std::string(reinterpret_cast<const char*>(data), size));
  orvane::Messages messages;
  std::vector<orvane::BotEntry> bots = orvane::ParseFirebotBots(lines, "default.cfg", messages);
  std::vector<orvane::BotEntry> holdable;
  for (const orvane::BotEntry& e : bots) {
    const auto team = orvane::ParseDecimalInt(e.model);
    const auto weapon = orvane::ParseDecimalInt(e.param1);
    const auto skill = orvane::ParseDecimalInt(e.skill);
    if (!team || *team < 0 || *team > 2 || !weapon || *weapon < 0 ||
        *weapon >= static_cast<int>(orvane::FbWeaponList().size()) || !skill || *skill < 0 ||
        *skill > 5)
      std::abort();
    if (!e.name.empty() && e.name.find_first_of(" \t") == std::string::npos) holdable.push_back(e);
  }
  orvane::FirebotCfg cfg;
  try {
    orvane::ParseFirebotOptions(lines, "default.cfg", cfg);
  } catch (const orvane::FileError&) {
  }
  orvane::Messages again;
  if (orvane::ParseFirebotBots(orvane::FirebotBotLines(cfg, holdable), "default.cfg", again) !=
      holdable)
    std::abort();
  return 0;
}
