// Any bytes as Sci-hunt's Shconfig.cfg and game.cfg: read, written, read
// again to the same lines.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/ScihuntFiles.h"
#include "platform/FileError.h"
#include "platform/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> lines =
      orvane::SplitLines(std::string(reinterpret_cast<const char*>(data), size));
  try {
    orvane::ShConfig cfg;
    orvane::ParseShConfig(lines, "Shconfig.cfg", cfg);
    const std::vector<std::string> written = orvane::ShConfigLines(cfg);
    orvane::ShConfig again;
    orvane::ParseShConfig(written, "Shconfig.cfg", again);
    if (orvane::ShConfigLines(again) != written) std::abort();
  } catch (const orvane::FileError&) {
  }
  orvane::ScihuntGameCfg game;
  try {
    orvane::ParseScihuntGameCfg(lines, "game.cfg", game);
  } catch (const orvane::FileError&) {
    return 0;
  }
  // An arsenal name with a quote or blanks at its ends cannot come back.
  if (game.weapfileloc.find('"') != std::string::npos ||
      orvane::Trim(game.weapfileloc) != game.weapfileloc)
    return 0;
  const std::vector<std::string> written = orvane::ScihuntGameCfgLines(game);
  orvane::ScihuntGameCfg again;
  try {
    orvane::ParseScihuntGameCfg(written, "game.cfg", again);
  } catch (const orvane::FileError&) {
    std::abort();
  }
  if (orvane::ScihuntGameCfgLines(again) != written) std::abort();
  return 0;
}
