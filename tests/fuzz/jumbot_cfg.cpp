// Any bytes as jumbot.cfg, in both flavours: read and written; what we
// write then reads back to the same lines.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/JumbotFiles.h"
#include "platform/FileError.h"
#include "platform/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  auto usable = [](std::string_view name) { return !name.empty() && name.size() < 20; };
  for (const orvane::JumbotFlavour flavour :
       {orvane::JumbotFlavour::kJumbot, orvane::JumbotFlavour::kScihunt}) {
    orvane::JumbotCfg cfg;
    try {
      orvane::ParseJumbotCfg(orvane::SplitLines(text), "jumbot.cfg", usable, flavour, cfg);
    } catch (const orvane::FileError&) {
      continue;  // a malformed number, reported with its line
    }
    // A file name with blanks at its ends or quotes in it survives only
    // inside quotes, which Jumbot's format does not write, and an empty one
    // reads back as the default (a "key" line alone has no key by the
    // cfg-line rule): hand-written oddities, left as read.
    const auto odd = [](const std::string& name) {
      return name.empty() || orvane::Trim(name) != name || name.find('"') != std::string::npos;
    };
    if (odd(cfg.botcfgfile) || odd(cfg.chatfile)) continue;
    const std::string start = cfg.start_maps.empty() ? "boot_camp" : cfg.start_maps.front();
    // Reading our own file once may normalise (edit mode read last zeroes the
    // bot count); from then on what is written reads back unchanged.
    std::vector<std::string> written = orvane::JumbotCfgLines(cfg, start, flavour);
    for (int pass = 0; pass < 2; ++pass) {
      orvane::JumbotCfg again;
      try {
        orvane::ParseJumbotCfg(written, "jumbot.cfg", usable, flavour, again);
      } catch (const orvane::FileError&) {
        std::abort();  // what we write must read back
      }
      std::vector<std::string> rewritten = orvane::JumbotCfgLines(again, start, flavour);
      if (pass == 1 && rewritten != written) std::abort();
      written = std::move(rewritten);
    }
  }
  return 0;
}
