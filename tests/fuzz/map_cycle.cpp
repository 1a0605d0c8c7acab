// Any bytes as a mapcycle.txt or a stored map comment.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "services/MapLists.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto maps = orvane::MapCycleEntries(text, [](std::string_view name) {
    return orvane::IsStandardMap(name) || name.size() % 3 == 0;
  });
  for (const std::string& map : maps) {
    if (map.find_first_of("\r\n") != std::string::npos) std::abort();
  }
  const std::string decoded = orvane::DecodeMapComment(text);
  // A comment made of plain text and CR LF line breaks survives the round trip.
  std::string plain;
  for (char c : text) {
    if (c == '\n')
      plain += "\r\n";
    else if (c != '\r' && c != '#')
      plain.push_back(c);
  }
  if (orvane::DecodeMapComment(orvane::EncodeMapComment(plain)) != plain) std::abort();
  return decoded.size() <= text.size() ? 0 : (std::abort(), 0);
}
