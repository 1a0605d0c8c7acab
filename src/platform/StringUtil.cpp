#include "platform/StringUtil.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>

namespace orvane {

std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string TrimCopy(std::string_view text) { return std::string(Trim(text)); }

std::string ToLowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ToLowerAscii(c);
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return ToLowerAscii(x) == ToLowerAscii(y);
         });
}

bool LessNoCase(std::string_view a, std::string_view b) {
  const bool less = std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [](char x, char y) { return ToLowerAscii(x) < ToLowerAscii(y); });
  if (less || !EqualsNoCase(a, b)) return less;
  return a < b;
}

void SortNoCase(std::vector<std::string>& names) {
  const size_t n = names.size();
  if (n < 2) return;
  // LessNoCase compares lowered chars as (signed) char; flipping the top bit
  // gives the same order to a bytewise comparison. The keys lie in one
  // buffer, and each carries its first eight bytes as a number, so most
  // comparisons are one integer compare.
  size_t total = 0;
  for (const std::string& name : names) total += name.size();
  std::string keys(total, '\0');
  struct Keyed {
    uint64_t head;  // the key's first eight bytes, big-endian, zero-padded
    uint32_t start;
    uint32_t index;
  };
  std::vector<Keyed> keyed(n);
  std::vector<uint32_t> ends(n);
  size_t at = 0;
  for (size_t i = 0; i < n; ++i) {
    uint64_t head = 0;
    const std::string& name = names[i];
    for (size_t k = 0; k < name.size(); ++k) {
      const auto c =
          static_cast<unsigned char>(static_cast<unsigned char>(ToLowerAscii(name[k])) ^ 0x80u);
      keys[at + k] = static_cast<char>(c);
      if (k < 8) head |= uint64_t{c} << (56 - 8 * k);
    }
    keyed[i] = {head, static_cast<uint32_t>(at), static_cast<uint32_t>(i)};
    at += name.size();
    ends[i] = static_cast<uint32_t>(at);
  }
  const auto key_of = [&](const Keyed& k) {
    return std::string_view(keys).substr(k.start, ends[k.index] - k.start);
  };
  // The heads first, by a radix sort (stable, a byte a pass, skipping the
  // bytes every key shares, such as a common "map_").
  std::vector<Keyed> spare(n);
  for (int shift = 0; shift < 64; shift += 8) {
    std::array<uint32_t, 257> at_byte{};
    for (const Keyed& k : keyed) ++at_byte[((k.head >> shift) & 0xFF) + 1];
    if (std::find(at_byte.begin(), at_byte.end(), n) != at_byte.end()) continue;
    for (size_t b = 1; b < at_byte.size(); ++b) at_byte[b] += at_byte[b - 1];
    for (const Keyed& k : keyed) spare[at_byte[(k.head >> shift) & 0xFF]++] = k;
    keyed.swap(spare);
  }
  // Then each run of equal heads by the rest of the keys, then the names
  // themselves, as LessNoCase does, then the original position: the order
  // of a stable sort.
  const auto less = [&](const Keyed& l, const Keyed& r) {
    if (const int c = key_of(l).compare(key_of(r)); c != 0) return c < 0;
    if (const int c = names[l.index].compare(names[r.index]); c != 0) return c < 0;
    return l.index < r.index;
  };
  for (size_t first = 0; first < n;) {
    size_t last = first + 1;
    while (last < n && keyed[last].head == keyed[first].head) ++last;
    if (last - first > 1) std::sort(keyed.begin() + first, keyed.begin() + last, less);
    first = last;
  }
  std::vector<std::string> sorted;
  sorted.reserve(n);
  for (const Keyed& k : keyed) sorted.push_back(std::move(names[k.index]));
  names = std::move(sorted);
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::string DigestHex(std::string_view bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  static const char kHex[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, hash >>= 4) text[static_cast<size_t>(i)] = kHex[hash & 0xF];
  return text;
}

std::optional<int> ParseDecimalInt(std::string_view text) {
  size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  if (i == text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (text[0] == '-') value = -value;
  if (value > 2147483647LL) return std::nullopt;
  return static_cast<int>(value);
}

void ForEachLine(std::string_view bytes, const std::function<void(std::string_view)>& visit) {
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\n' && bytes[i] != '\r') continue;
    visit(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) visit(bytes.substr(start));
}

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  ForEachLine(bytes, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

namespace {

size_t EditDistanceNoCase(std::string_view a, std::string_view b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      const bool same = ToLowerAscii(a[i - 1]) == ToLowerAscii(b[j - 1]);
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::vector<std::string> NearestNames(std::string_view name,
                                      const std::vector<std::string>& candidates, size_t most) {
  // Punctuation aside too: "PODBot" is "P.O.D.Bot".
  auto fold = [](std::string_view text) {
    std::string folded;
    for (char c : text) {
      if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
        folded += c;
      }
    }
    return folded;
  };
  std::vector<std::pair<size_t, const std::string*>> near;
  const size_t allowed = std::max<size_t>(1, name.size() / 3);
  const std::string folded_name = fold(name);
  for (const std::string& candidate : candidates) {
    const size_t distance = std::min(EditDistanceNoCase(name, candidate),
                                     EditDistanceNoCase(folded_name, fold(candidate)));
    const bool prefix = name.size() >= 2 && candidate.size() > name.size() &&
                        EqualsNoCase(std::string_view(candidate).substr(0, name.size()), name);
    if (distance <= allowed || prefix) near.emplace_back(prefix ? 0 : distance, &candidate);
  }
  std::stable_sort(near.begin(), near.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  // Only the nearest: a name one edit away hides those two away.
  std::vector<std::string> names;
  for (size_t i = 0; i < near.size() && i < most && near[i].first == near[0].first; ++i) {
    names.push_back(*near[i].second);
  }
  return names;
}

std::string DidYouMean(std::string_view name, const std::vector<std::string>& candidates) {
  const std::vector<std::string> near = NearestNames(name, candidates);
  std::string text;
  for (size_t i = 0; i < near.size(); ++i) {
    text += (i == 0 ? "; did you mean " : i + 1 == near.size() ? " or " : ", ") + near[i];
  }
  return near.empty() ? text : text + "?";
}

}  // namespace orvane
