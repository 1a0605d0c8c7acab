// Any bytes as a bot catalogue: each bot's profile is read with a usable
// skill scale, whatever its maxskill holds.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/BotProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const char* bot : {"P.O.D.Bot", "RealBot", "Default"}) {
    orvane::Messages messages;
    const orvane::BotProfile profile = orvane::ParseBotProfile(text, "CStrike.ini", bot, messages);
    if (profile.MaxSkill() < 1 || std::to_string(profile.MaxSkill()) != profile.max_skill)
      std::abort();
  }
  return 0;
}
