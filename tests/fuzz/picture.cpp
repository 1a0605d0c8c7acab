// Any bytes as a model picture: decoded, or refused with the file error.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/FileError.h"
#include "services/Picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (int kind = 0; kind < 2; ++kind) {
    try {
      const orvane::RgbImage image =
          kind == 0 ? orvane::DecodeJpeg(bytes, "x.jpg") : orvane::DecodeBmp(bytes, "x.bmp");
      if (image.rgb.size() != static_cast<size_t>(image.width) * image.height * 3) std::abort();
    } catch (const orvane::FileError&) {
    }
  }
  return 0;
}
