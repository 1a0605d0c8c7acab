// Any bytes as a game.cfg or listenserver.cfg: every line splits, and
// neutralising is idempotent and only ever adds "//".
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/StringUtil.h"
#include "services/ServerFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const std::string& line : orvane::SplitLines(text)) {
    const orvane::CfgPair pair = orvane::SplitCfgLine(line, size % 2 == 0);
    if (pair.key.size() > line.size() || pair.value.size() > line.size()) std::abort();
  }
  const auto& names = orvane::ListenServerNames("Botman");
  const std::string once = orvane::NeutraliseListenServerText(text, names);
  if (orvane::NeutraliseListenServerText(once, names) != once) std::abort();
  // Removing every added "//" gives the original back.
  if (once.size() < text.size() || (once.size() - text.size()) % 2 != 0) std::abort();
  return 0;
}
