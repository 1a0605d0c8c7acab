// Any bytes as a profile file: lookups and a write never crash, and a
// written value always reads back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const char* section : {"KRV", "Default", " a "}) {
    for (const char* key : {"Command", "dispo", "k"}) {
      if (auto v = orvane::FindProfileValue(text, section, key)) {
        orvane::ParseProfileInt(orvane::StripProfileQuotes(*v), 0);
      }
    }
  }
  const std::string written = orvane::SetProfileValue(text, "KRV", "Command", "+map x");
  auto back = orvane::FindProfileValue(written, "KRV", "Command");
  if (!back || *back != "+map x") std::abort();
  return 0;
}
