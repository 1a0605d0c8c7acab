// Any bytes as every mod's game.cfg (and Sci-hunt's Shconfig.cfg): a read
// either takes the file or names it and leaves the record as it was, and what
// was taken writes back to lines that read back to the same lines.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "editors/ActionFiles.h"
#include "editors/CstrikeFiles.h"
#include "editors/FirebotFiles.h"
#include "editors/FrontlineFiles.h"
#include "editors/RocketFiles.h"
#include "editors/ScihuntFiles.h"
#include "editors/TfcFiles.h"
#include "platform/FileError.h"
#include "platform/StringUtil.h"
#include "services/ServerFiles.h"

namespace {

template <typename Cfg, typename Parse, typename Write>
void RoundTrip(const std::vector<std::string>& lines, Parse parse, Write write) {
  Cfg cfg;
  const std::vector<std::string> untouched = write(cfg);
  try {
    parse(lines, "game.cfg", cfg);
  } catch (const orvane::FileError& e) {
    if (e.file() != "game.cfg" || write(cfg) != untouched) std::abort();  // half read
    return;
  }
  const std::vector<std::string> written = write(cfg);
  Cfg again;
  parse(written, "game.cfg", again);  // what we write we read without complaint
  if (write(again) != written) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orvane;
  const std::vector<std::string> lines =
      SplitLines(std::string(reinterpret_cast<const char*>(data), size));
  RoundTrip<StandardGameCfg>(lines, ParseStandardGameCfg, StandardGameCfgLines);
  RoundTrip<ActionGameCfg>(lines, ParseActionGameCfg, ActionGameCfgLines);
  RoundTrip<CsGameCfg>(lines, ParseCsGameCfg, CsGameCfgLines);
  RoundTrip<FrontlineConfig>(lines, ParseFrontlineGameCfg, FrontlineGameCfgLines);
  RoundTrip<RocketGameCfg>(lines, ParseRocketGameCfg, RocketGameCfgLines);
  RoundTrip<ScihuntGameCfg>(lines, ParseScihuntGameCfg, ScihuntGameCfgLines);
  RoundTrip<ShConfig>(lines, ParseShConfig, ShConfigLines);
  RoundTrip<TfcConfig>(lines, ParseTfcGameCfg,
                       [](const TfcConfig& cfg) { return TfcGameCfgLines(cfg, false); });
  return 0;
}
