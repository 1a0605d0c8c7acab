// Any bytes as a liblist.gam or Metamod's plugins.ini: setting the bot's
// line reads back as set, setting it again changes nothing, and every byte
// before the line that changed stays.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/Liblist.h"
#include "core/MetamodPlugins.h"
#include "platform/LineText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const char* key = size % 2 == 0 ? "gamedll" : "gamedll_linux";
  const char* other = size % 2 == 0 ? "gamedll_linux" : "gamedll";
  const std::string once = orvane::SetLiblistValue(text, key, "addons/x/bin/x.so", other);
  if (orvane::LiblistValue(once, key) != "addons/x/bin/x.so") std::abort();
  if (orvane::SetLiblistValue(once, key, "addons/x/bin/x.so", other) != once) std::abort();
  // One line changes in place, or one is added: every other line stays.
  const orvane::LineText before(text);
  const orvane::LineText after(once);
  const size_t n = before.lines().size();
  if (after.lines().size() != n && after.lines().size() != n + 1) std::abort();
  if (after.lines().size() == n) {
    size_t changed = 0;
    for (size_t i = 0; i < n; ++i) {
      const orvane::TextLine& a = before.lines()[i];
      const orvane::TextLine& b = after.lines()[i];
      if (a.text != b.text) ++changed;
      if (a.end != b.end) std::abort();
    }
    if (changed > 1) std::abort();
  }

  const orvane::GameBuild build =
      size % 3 == 0 ? orvane::GameBuild::kWindows : orvane::GameBuild::kLinux;
  const std::vector<std::string> others = {"addons/y/y.so", "addons/y/y.dll"};
  const std::string plugged = orvane::SetMetamodPlugin(text, build, "addons/x/x.so", others);
  if (orvane::SetMetamodPlugin(plugged, build, "addons/x/x.so", others) != plugged) std::abort();
  // Lines are only commented out, added, or one comment mark of a line
  // taken back: nothing else is lost.
  if (plugged.size() + 1 < text.size()) std::abort();
  return 0;
}
