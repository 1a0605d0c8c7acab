// Model pictures decoded to RGB: JPEG through libjpeg, and Windows bitmaps.
// A corrupt, truncated or oversized file raises FileError naming it; no
// input can crash the decoder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // width * height * 3 bytes, rows top to bottom
};

// Larger pictures are refused rather than allocated.
inline constexpr int kMaxPictureSide = 8192;

RgbImage DecodeJpeg(std::string_view bytes, const std::string& name);
RgbImage DecodeBmp(std::string_view bytes, const std::string& name);
// By the file's first bytes ("BM" is a bitmap, FF D8 a JPEG).
RgbImage DecodePicture(std::string_view bytes, const std::string& name);
RgbImage LoadPicture(std::string_view path);

}  // namespace orvane
