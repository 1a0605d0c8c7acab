// Any bytes as a Steam file (libraryfolders.vdf, a manifest, config.vdf):
// the reader returns a tree and, for a malformed text, a line within the text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/KeyValues.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const orvane::KeyValues kv = orvane::ParseKeyValues(text);
  int lines = 1;
  for (char c : text) lines += c == '\n';
  if (kv.error.empty() != (kv.error_line == 0)) std::abort();
  if (kv.error_line < 0 || kv.error_line > lines) std::abort();
  kv.root.Path({"libraryfolders", "0", "path"});
  kv.root.ValueOf("AppState");
  return 0;
}
