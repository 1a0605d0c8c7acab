#include "platform/GameText.h"

#include <iconv.h>
#include <langinfo.h>

#include <array>
#include <cerrno>
#include <clocale>
#include <cstdio>

#include "platform/StringUtil.h"

namespace orvane {
namespace {

// 0x80..0x9F of Windows-1252; 0 where the code page has no character.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string ByteText(unsigned char byte) {
  char text[16];
  std::snprintf(text, sizeof text, "byte 0x%02X", byte);
  return text;
}

// The next character of UTF-8 at i, advancing i; nullopt for bytes that
// are not UTF-8 (i then at the bad byte).
std::optional<char32_t> NextChar(std::string_view s, size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  size_t n = 0;
  char32_t c = 0;
  if ((b0 & 0xE0) == 0xC0) {
    n = 1;
    c = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    n = 2;
    c = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    n = 3;
    c = b0 & 0x07;
  } else {
    return std::nullopt;
  }
  for (size_t k = 1; k <= n; ++k) {
    if (i + k >= s.size()) return std::nullopt;
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (b & 0x3F);
  }
  // Overlong forms, surrogates and values past Unicode are not UTF-8.
  static const char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
  if (c < kLeast[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  i += n + 1;
  return c;
}

}  // namespace

std::optional<char> CharToWindows1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c < 0x100)) return static_cast<char>(c);
  for (size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] == c || (kHigh[i] == 0 && c == 0x80 + i)) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

namespace {

std::string CharText(char32_t c, std::string_view utf8) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X ", static_cast<unsigned>(c));
  return text + std::string(utf8);
}

// The locale's character set as the environment names it, whatever the
// program set; read once, since the environment does not change.
const std::string& TerminalCodeset() {
  static const std::string kCodeset = [] {
    const char* old = std::setlocale(LC_CTYPE, nullptr);
    const std::string saved = old != nullptr ? old : "C";
    std::setlocale(LC_CTYPE, "");
    std::string codeset = nl_langinfo(CODESET);
    std::setlocale(LC_CTYPE, saved.c_str());
    return codeset;
  }();
  return kCodeset;
}

bool IsUtf8(const std::string& codeset) {
  return EqualsNoCase(codeset, "UTF-8") || EqualsNoCase(codeset, "utf8");
}

// Through iconv, from one character set to another; nullopt where a byte
// does not convert, with its place in `at`.
std::optional<std::string> Iconv(std::string_view text, const char* to, const char* from,
                                 size_t& at) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    at = 0;
    return std::nullopt;
  }
  std::string in(text);
  std::string out(text.size() * 4 + 4, '\0');
  char* in_ptr = in.data();
  size_t in_left = in.size();
  char* out_ptr = out.data();
  size_t out_left = out.size();
  const size_t done = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1)) {
    at = in.size() - in_left;
    return std::nullopt;
  }
  out.resize(out.size() - out_left);
  return out;
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    const char32_t high = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : 0;
    AppendUtf8(out, high != 0 ? high : b);
  }
  return out;
}

GameTextResult Utf8ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const size_t start = i;
    const std::optional<char32_t> c = NextChar(utf8, i);
    if (!c) return {std::nullopt, ByteText(static_cast<unsigned char>(utf8[start]))};
    const std::optional<char> byte = CharToWindows1252(*c);
    if (!byte) return {std::nullopt, CharText(*c, utf8.substr(start, i - start))};
    out.push_back(*byte);
  }
  return {std::move(out), ""};
}

GameTextResult LocaleToGame(std::string_view text) {
  const std::string& codeset = TerminalCodeset();
  if (IsUtf8(codeset)) return Utf8ToWindows1252(text);
  size_t at = 0;
  const std::optional<std::string> utf8 = Iconv(text, "UTF-8", codeset.c_str(), at);
  if (!utf8) {
    return {std::nullopt, ByteText(at < text.size() ? static_cast<unsigned char>(text[at]) : 0) +
                              " (" + codeset + ")"};
  }
  return Utf8ToWindows1252(*utf8);
}

std::string GameToLocale(std::string_view bytes) {
  const std::string utf8 = Windows1252ToUtf8(bytes);
  const std::string& codeset = TerminalCodeset();
  if (IsUtf8(codeset)) return utf8;
  size_t at = 0;
  // A character the terminal cannot show is shown as "?" there: only the
  // display loses it, never a file.
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const size_t start = i;
    if (!NextChar(utf8, i)) i = start + 1;
    const std::string_view one = std::string_view(utf8).substr(start, i - start);
    const std::optional<std::string> shown = Iconv(one, codeset.c_str(), "UTF-8", at);
    out += shown ? *shown : std::string("?");
  }
  return out;
}

}  // namespace orvane
