// Any bytes as YaPB's yapb.cfg or POD-Bot MM's podbot.cfg: the launch's
// merge keeps every line it does not own, and merging again changes nothing.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/PodbotMmConfig.h"
#include "editors/YapbConfig.h"
#include "platform/LineText.h"

namespace {

constexpr const char* kIni =
    "[Default]\r\nnumbot=2\r\nskill4=2\r\nskill100=80\r\nknifeonly=1\r\njointeam=1\r\n"
    "[Bot 1]\r\nnom=Vole\r\nteam=2\r\nmodele=1\r\nskill4=3\r\nskill100=90\r\n"
    "[Bot 2]\r\nnom=Old Tom\r\nteam=0\r\nmodele=0\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const orvane::ProfileIndex ini(kIni);
  const std::function<bool(std::string_view)> dirs = [](std::string_view) { return true; };
  orvane::BotProfile profile;
  profile.max_skill = size % 2 == 0 ? "4" : "100";
  profile.add_bot_template = "add <skill> <team> <model> <name>";
  const orvane::CsLaunchInput in{profile, ini, dirs};
  for (const auto merge : {orvane::MergeYapbConfig, orvane::MergePodbotMmConfig}) {
    const std::string once = merge(text, in);
    if (merge(once, in) != once) std::abort();
    // Without a block of ours in it, the input's lines all stay, in order,
    // each as it was or with a new value: none is dropped.
    if (text.find("Orvane:") == std::string::npos &&
        orvane::LineText(once).lines().size() < orvane::LineText(text).lines().size()) {
      std::abort();
    }
  }
  return 0;
}
