// Any bytes as TF_Bots.ini or FL_Bots.ini: every entry's team, class and
// skill come out as whole numbers within their ranges, whatever was stored.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/BotsIni.h"
#include "platform/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const orvane::RosterKeys keys :
       {orvane::RosterKeys{5, 1, 10, 1}, orvane::RosterKeys{10, 1, 3, 1}}) {
    orvane::Messages messages;
    const orvane::TeamBotsIni ini =
        orvane::ReadTeamBotsIni(text, "TF_Bots.ini", keys, {}, messages);
    for (const orvane::BotEntry& e : ini.roster) {
      const auto team = orvane::ParseDecimalInt(e.param1);
      const auto model = orvane::ParseDecimalInt(e.model);
      const auto skill = orvane::ParseDecimalInt(e.skill);
      if (!team || *team < 0 || *team > 2 || !model || *model < keys.model_lo ||
          *model > keys.model_hi || !skill || *skill < 0 || *skill > keys.max_skill)
        std::abort();
    }
  }
  return 0;
}
