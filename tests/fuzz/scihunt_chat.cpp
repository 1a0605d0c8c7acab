// Any bytes as Sci-hunt's chat file: read, written back, read again to the
// same lines (each section cut at 31).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/ScihuntFiles.h"
#include "platform/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orvane::ScihuntChat chat = orvane::ParseScihuntChat(
      orvane::SplitLines(std::string(reinterpret_cast<const char*>(data), size)));
  const orvane::ScihuntChat again = orvane::ParseScihuntChat(orvane::ScihuntChatLines(chat));
  for (auto* said : {&chat.after_killing, &chat.after_dying}) {
    if (said->size() > orvane::kChatLines) said->resize(orvane::kChatLines);
  }
  if (again.after_killing != chat.after_killing || again.after_dying != chat.after_dying)
    std::abort();
  return 0;
}
