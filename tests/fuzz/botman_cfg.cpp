// Any bytes as Botman's bot.cfg: read, written back, read again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/BotmanFiles.h"
#include "platform/FileError.h"
#include "platform/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  auto usable = [](std::string_view name) { return !name.empty() && name.size() < 20; };
  orvane::BotmanBotCfg cfg;
  try {
    orvane::ParseBotmanBotCfg(orvane::SplitLines(text), "bot.cfg", usable, cfg);
  } catch (const orvane::FileError&) {
    return 0;  // a malformed number, reported with its line
  }
  const std::string start = cfg.start_maps.empty() ? "boot_camp" : cfg.start_maps.front();
  orvane::BotmanBotCfg again;
  try {
    orvane::ParseBotmanBotCfg(
        orvane::BotmanBotCfgLines(start, cfg.default_skill, cfg.spawn_delay, cfg.roster), "bot.cfg",
        usable, again);
  } catch (const orvane::FileError&) {
    // What we write must read back; a name holding a blank (never typed, only
    // hand-written) may push its skill text where a number is expected.
    for (const orvane::BotEntry& e : cfg.roster) {
      if (e.name.find_first_of(" \t") != std::string::npos ||
          e.model.find(' ') != std::string::npos)
        return 0;
    }
    std::abort();
  }
  if (again.roster.size() != cfg.roster.size()) std::abort();
  if (again.default_skill != cfg.default_skill) std::abort();
  return 0;
}
