// The game's text is Windows-1252; a terminal's is the locale's character
// set (UTF-8 on Debian). One table converts between them, for orvanectl and
// (through UTF-8) for the windows. A character Windows-1252 lacks is refused,
// never turned into "?".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The Windows-1252 byte of a character; nullopt when the code page lacks it.
std::optional<char> CharToWindows1252(char32_t c);

// UTF-8 of the Windows-1252 bytes; the five bytes the code page leaves
// undefined stand for the control characters of the same number.
std::string Windows1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of UTF-8 text, or the first character that
// cannot be converted: a character outside the code page (`what` names it,
// "U+0416 Ж") or bytes that are not UTF-8 (`what` shows them, "byte 0xC3").
struct GameTextResult {
  std::optional<std::string> bytes;
  std::string what;  // when bytes is empty
};
GameTextResult Utf8ToWindows1252(std::string_view utf8);

// The terminal's and the host's side (a program's arguments), by the
// locale's character set (LC_ALL, LC_CTYPE, LANG): UTF-8 as above, ASCII
// ("C") passing only bytes below 0x80, any other through iconv. Shown in a
// character set that lacks a character, it is "?" there (only the display
// loses it).
GameTextResult LocaleToGame(std::string_view text);
std::string GameToLocale(std::string_view bytes);

}  // namespace orvane
