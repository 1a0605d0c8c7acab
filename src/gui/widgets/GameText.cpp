#include "gui/widgets/GameText.h"

#include <array>

namespace orvane {
namespace {

// 0x80..0x9F of Windows-1252; 0 where the code page has no character (the
// byte then stands for the control character of the same number).
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QString FromGame(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    const char16_t high = byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : 0;
    text.append(QChar(high != 0 ? high : static_cast<char16_t>(byte)));
  }
  return text;
}

std::string ToGame(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    char byte = '?';
    if (u < 0x80 || (u >= 0xA0 && u < 0x100)) {
      byte = static_cast<char>(u);
    } else {
      for (size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == u || (kHigh[i] == 0 && u == 0x80 + i)) byte = static_cast<char>(0x80 + i);
      }
    }
    bytes.push_back(byte);
  }
  return bytes;
}

}  // namespace orvane
