// Small text helpers with the game's rules: bytes are Windows-1252, names
// compare without regard to ASCII case, and "trim" drops control characters
// and blanks at both ends, as the original tools did.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Drops every byte <= ' ' at both ends.
std::string_view Trim(std::string_view text);
std::string TrimCopy(std::string_view text);

inline char ToLowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string ToLowerAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Strict weak order without regard to ASCII case; ties broken by the bytes.
bool LessNoCase(std::string_view a, std::string_view b);

bool Contains(std::string_view text, std::string_view part);

// Sorts as a stable sort with LessNoCase does, comparing each name's
// lower-cased key once made rather than lowering at every comparison
// (the map lists hold 20,000 names).
void SortNoCase(std::vector<std::string>& names);

// The candidates nearest to a mistyped name, the nearest ones, at most `most`:
// within a third of its length in single-letter edits (letter case and
// punctuation aside), or beginning with it. Empty when none is near, for "did you mean ...?".
std::vector<std::string> NearestNames(std::string_view name,
                                      const std::vector<std::string>& candidates, size_t most = 3);
// "; did you mean A, B or C?" for the nearest names, "" when none is near.
std::string DidYouMean(std::string_view name, const std::vector<std::string>& candidates);

// A stable digest of bytes (FNV-1a, 64 bits) as 16 hex digits, for files
// whose contents are remembered between runs.
std::string DigestHex(std::string_view bytes);

// A whole decimal integer: an optional sign, then digits only, within int's
// range; nullopt for anything else (an empty text included).
std::optional<int> ParseDecimalInt(std::string_view text);

// Splits bytes into lines at LF, CR LF or a lone CR; a final line ending
// does not make an empty last line.
std::vector<std::string> SplitLines(std::string_view bytes);
// The same lines handed one by one to visit, for callers that keep few of them.
void ForEachLine(std::string_view bytes, const std::function<void(std::string_view)>& visit);

}  // namespace orvane
