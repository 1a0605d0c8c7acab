#include "services/Picture.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

#include "platform/FileError.h"
#include "platform/TextFile.h"

namespace orvane {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// it jumps back to the decoder with the message kept here.
struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool truncated;
};

void OnJpegError(j_common_ptr info) {
  auto* err = reinterpret_cast<JpegError*>(info->err);
  (*info->err->format_message)(info, err->message);
  std::longjmp(err->jump, 1);
}

void OnJpegMessage(j_common_ptr info, int level) {
  auto* err = reinterpret_cast<JpegError*>(info->err);
  // A warning about missing data means the picture is incomplete.
  if (level < 0 && (err->mgr.msg_code == JWRN_JPEG_EOF || err->mgr.msg_code == JWRN_HIT_MARKER)) {
    err->truncated = true;
  }
}

// Only plain data lives in this frame, so the jump back skips no destructor;
// the pixels go into a vector owned by the caller.
bool DecodeJpegInto(const unsigned char* data, unsigned long size, std::vector<uint8_t>* pixels,
                    int* width, int* height, JpegError* err) {
  jpeg_decompress_struct info;
  info.err = jpeg_std_error(&err->mgr);
  err->mgr.error_exit = OnJpegError;
  err->mgr.emit_message = OnJpegMessage;
  err->truncated = false;
  err->message[0] = '\0';
  if (setjmp(err->jump) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  if (info.image_width == 0 || info.image_height == 0 || info.image_width > kMaxPictureSide ||
      info.image_height > kMaxPictureSide) {
    std::snprintf(err->message, sizeof err->message, "the picture is %ux%u pixels, larger than %d",
                  info.image_width, info.image_height, kMaxPictureSide);
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_start_decompress(&info);
  *width = static_cast<int>(info.output_width);
  *height = static_cast<int>(info.output_height);
  const size_t stride = static_cast<size_t>(info.output_width) * 3;
  pixels->resize(stride * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = pixels->data() + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
    if (err->truncated) break;
  }
  if (!err->truncated) jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  if (err->truncated) {
    std::snprintf(err->message, sizeof err->message, "the picture data ends too early");
    return false;
  }
  return true;
}

uint32_t Le32(std::string_view b, size_t at) {
  return static_cast<uint32_t>(static_cast<uint8_t>(b[at])) |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}

uint16_t Le16(std::string_view b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}

// The value of one colour channel from a masked pixel, scaled to 0..255.
uint8_t Channel(uint32_t pixel, uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  const uint32_t max = mask >> shift;
  return static_cast<uint8_t>(uint64_t{(pixel & mask) >> shift} * 255u / max);
}

}  // namespace

RgbImage DecodeJpeg(std::string_view bytes, const std::string& name) {
  RgbImage image;
  JpegError err{};
  if (!DecodeJpegInto(reinterpret_cast<const unsigned char*>(bytes.data()),
                      static_cast<unsigned long>(bytes.size()), &image.rgb, &image.width,
                      &image.height, &err)) {
    throw FileError(name, 0, std::string("is not a readable JPEG picture: ") + err.message);
  }
  return image;
}

RgbImage DecodeBmp(std::string_view b, const std::string& name) {
  auto fail = [&](const std::string& why) {
    return FileError(name, 0, "is not a readable bitmap: " + why);
  };
  if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') throw fail("no bitmap header");
  const uint32_t pixel_offset = Le32(b, 10);
  const uint32_t header_size = Le32(b, 14);
  int64_t width, height;
  uint16_t bits;
  uint32_t compression = 0, colours = 0;
  size_t palette_at = 14 + header_size, palette_entry = 4;
  if (header_size == 12) {  // OS/2 core header
    width = Le16(b, 18);
    height = static_cast<int16_t>(Le16(b, 20));
    bits = Le16(b, 24);
    palette_entry = 3;
  } else if (header_size >= 40 && b.size() >= 14 + 40) {
    width = static_cast<int32_t>(Le32(b, 18));
    height = static_cast<int32_t>(Le32(b, 22));
    bits = Le16(b, 28);
    compression = Le32(b, 30);
    colours = Le32(b, 46);
  } else {
    throw fail("unknown header size " + std::to_string(header_size));
  }
  const bool top_down = height < 0;
  if (top_down) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) {
    throw fail("a size of " + std::to_string(width) + "x" + std::to_string(height) + " pixels");
  }
  uint32_t masks[3] = {0, 0, 0};
  if (compression == 3 && (bits == 16 || bits == 32)) {  // BI_BITFIELDS
    // Right after a 40-byte header, or inside a larger one: at the same place.
    const size_t at = 14 + 40;
    if (b.size() < at + 12) throw fail("missing colour masks");
    for (int i = 0; i < 3; ++i) masks[i] = Le32(b, at + 4 * static_cast<size_t>(i));
  } else if (compression != 0) {
    throw fail("compression " + std::to_string(compression) + " is not supported");
  } else if (bits == 16) {
    masks[0] = 0x7C00;
    masks[1] = 0x03E0;
    masks[2] = 0x001F;
  } else if (bits == 32) {
    masks[0] = 0xFF0000;
    masks[1] = 0x00FF00;
    masks[2] = 0x0000FF;
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    throw fail(std::to_string(bits) + " bits per pixel");
  }
  std::vector<uint8_t> palette;  // RGB triples
  if (bits <= 8) {
    const uint32_t count = colours == 0 || colours > (1u << bits) ? (1u << bits) : colours;
    if (palette_at + count * palette_entry > b.size()) throw fail("the palette is cut short");
    for (uint32_t i = 0; i < count; ++i) {
      const size_t at = palette_at + i * palette_entry;
      palette.push_back(static_cast<uint8_t>(b[at + 2]));
      palette.push_back(static_cast<uint8_t>(b[at + 1]));
      palette.push_back(static_cast<uint8_t>(b[at]));
    }
  }
  const size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
  if (pixel_offset > b.size() || stride * static_cast<size_t>(height) > b.size() - pixel_offset) {
    throw fail("the pixel data is cut short");
  }
  RgbImage image;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.rgb.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  for (int64_t y = 0; y < height; ++y) {
    const size_t row = pixel_offset + stride * static_cast<size_t>(top_down ? y : height - 1 - y);
    uint8_t* out = image.rgb.data() + static_cast<size_t>(y) * static_cast<size_t>(width) * 3;
    for (int64_t x = 0; x < width; ++x, out += 3) {
      const size_t px = static_cast<size_t>(x);
      if (bits <= 8) {
        const size_t bit = px * bits;
        const uint8_t byte = static_cast<uint8_t>(b[row + bit / 8]);
        const unsigned index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        if (index * 3 + 2 >= palette.size()) throw fail("a colour index outside the palette");
        std::memcpy(out, palette.data() + index * 3, 3);
      } else if (bits == 24) {
        out[0] = static_cast<uint8_t>(b[row + px * 3 + 2]);
        out[1] = static_cast<uint8_t>(b[row + px * 3 + 1]);
        out[2] = static_cast<uint8_t>(b[row + px * 3]);
      } else {
        const uint32_t pixel = bits == 16 ? Le16(b, row + px * 2) : Le32(b, row + px * 4);
        for (int c = 0; c < 3; ++c) out[c] = Channel(pixel, masks[c]);
      }
    }
  }
  return image;
}

RgbImage DecodePicture(std::string_view bytes, const std::string& name) {
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return DecodeBmp(bytes, name);
  return DecodeJpeg(bytes, name);
}

RgbImage LoadPicture(std::string_view path) {
  return DecodePicture(ReadFileBytes(path), std::string(path));
}

}  // namespace orvane
