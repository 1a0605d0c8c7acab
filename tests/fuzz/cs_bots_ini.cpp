// Any bytes as CS_Bots.ini: read for two skill scales; every entry's team,
// model and skill come out as whole numbers within their ranges.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/CstrikeFiles.h"
#include "platform/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const int top : {5, 100}) {
    orvane::Messages messages;
    const orvane::CsBotsIni ini = orvane::ReadCsBotsIni(text, "CS_Bots.ini", top, messages);
    for (const orvane::BotEntry& e : ini.roster) {
      const auto team = orvane::ParseDecimalInt(e.param1);
      const auto model = orvane::ParseDecimalInt(e.model);
      const auto skill = orvane::ParseDecimalInt(e.skill);
      if (!team || *team < 0 || *team > 2 || !model || *model < 0 || *model > 4 || !skill ||
          *skill < 0 || *skill > top)
        std::abort();
    }
  }
  return 0;
}
