#include "services/Picture.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <jpeglib.h>

#include "platform/FileError.h"

namespace orvane::test {
namespace {

// A real JPEG of a colour gradient, made with libjpeg's encoder.
std::string MakeJpeg(int width, int height) {
  jpeg_compress_struct info;
  jpeg_error_mgr err;
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
  while (info.next_scanline < info.image_height) {
    for (int x = 0; x < width; ++x) {
      row[static_cast<size_t>(x) * 3] = static_cast<unsigned char>(x * 255 / width);
      row[static_cast<size_t>(x) * 3 + 1] =
          static_cast<unsigned char>(info.next_scanline * 255 / info.image_height);
      row[static_cast<size_t>(x) * 3 + 2] = 128;
    }
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&info, &p, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  free(buffer);
  return bytes;
}

void Put32(std::string& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>(v >> (8 * i)));
}
void Put16(std::string& b, uint16_t v) {
  b.push_back(static_cast<char>(v));
  b.push_back(static_cast<char>(v >> 8));
}

// A bitmap: file header, 40-byte info header, optional palette, pixel rows.
std::string MakeBmp(int width, int height, uint16_t bits, const std::string& palette,
                    const std::string& pixels) {
  std::string b = "BM";
  Put32(b, static_cast<uint32_t>(54 + palette.size() + pixels.size()));
  Put32(b, 0);
  Put32(b, static_cast<uint32_t>(54 + palette.size()));
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(width));
  Put32(b, static_cast<uint32_t>(height));
  Put16(b, 1);
  Put16(b, bits);
  for (int i = 0; i < 4; ++i) Put32(b, 0);
  Put32(b, static_cast<uint32_t>(palette.size() / 4));  // colours used
  Put32(b, 0);
  return b + palette + pixels;
}

TEST(Picture, DecodesJpeg) {
  const RgbImage image = DecodePicture(MakeJpeg(40, 30), "gina.jpg");
  EXPECT_EQ(image.width, 40);
  EXPECT_EQ(image.height, 30);
  ASSERT_EQ(image.rgb.size(), 40u * 30u * 3u);
  EXPECT_NEAR(image.rgb[(29 * 40 + 39) * 3], 249, 6);  // red grows to the right
  EXPECT_NEAR(image.rgb[(29 * 40 + 39) * 3 + 1], 246, 6);
  EXPECT_NEAR(image.rgb[2], 128, 6);
}

TEST(Picture, DecodesBitmaps) {
  // 2x2, 24 bits, bottom-up rows padded to 8 bytes: blue, green / red, white.
  const std::string rows = std::string("\xff\x00\x00\x00\xff\x00\x00\x00", 8) +
                           std::string("\x00\x00\xff\xff\xff\xff\x00\x00", 8);
  const RgbImage image = DecodePicture(MakeBmp(2, 2, 24, "", rows), "gordon.bmp");
  EXPECT_EQ(image.rgb, (std::vector<uint8_t>{255, 0, 0, 255, 255, 255, 0, 0, 255, 0, 255, 0}));
  // 3x1, 8 bits with a two-colour palette.
  const std::string palette = std::string("\x00\x00\x00\x00\x00\x80\xff\x00", 8);
  const RgbImage indexed =
      DecodeBmp(MakeBmp(3, 1, 8, palette, std::string("\x01\x00\x01\x00", 4)), "x.bmp");
  EXPECT_EQ(indexed.rgb, (std::vector<uint8_t>{255, 128, 0, 0, 0, 0, 255, 128, 0}));
}

TEST(Picture, BrokenFilesAreErrorsNamingTheFile) {
  const std::string jpeg = MakeJpeg(64, 64);
  const std::string bmp = MakeBmp(2, 2, 24, "", std::string(16, '\0'));
  // One palette colour, and a pixel of colour 5.
  const std::string bad_index =
      MakeBmp(1, 1, 8, std::string(4, '\0'), std::string("\x05\0\0\0", 4));
  for (const auto& [bytes, what] : std::vector<std::pair<std::string, const char*>>{
           {jpeg.substr(0, jpeg.size() / 2), "truncated JPEG"},
           {jpeg.substr(0, 20), "JPEG header only"},
           {"not a picture at all", "garbage"},
           {"", "empty"},
           {bmp.substr(0, bmp.size() - 3), "truncated bitmap"},
           {MakeBmp(100000, 1, 24, "", ""), "huge bitmap"},
           {MakeBmp(1, 1, 7, "", std::string(4, '\0')), "odd bit count"},
           {bad_index, "index outside the palette"}}) {
    try {
      DecodePicture(bytes, "models\\gina.jpg");
      ADD_FAILURE() << what;
    } catch (const FileError& e) {
      EXPECT_EQ(e.file(), "models\\gina.jpg") << what;
    }
  }
}

}  // namespace
}  // namespace orvane::test
