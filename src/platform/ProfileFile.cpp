#include "platform/ProfileFile.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <unordered_map>

#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"

namespace orvane {
namespace {

// The blanks of the profile functions: white space and the DOS end-of-file mark.
bool IsProfileSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view ProfileTrim(std::string_view s) {
  while (!s.empty() && IsProfileSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsProfileSpace(s.back())) s.remove_suffix(1);
  return s;
}

enum class LineKind { kOther, kSection, kKey };

struct ProfileLine {
  LineKind kind = LineKind::kOther;
  std::string_view name;    // section or key name, trimmed
  std::string_view value;   // key value, trimmed
  size_t value_offset = 0;  // where the value starts within the line
};

ProfileLine ClassifyLine(std::string_view line) {
  ProfileLine out;
  const std::string_view body = ProfileTrim(line);
  if (body.empty() || body.front() == ';') return out;
  if (body.front() == '[') {
    const size_t close = body.rfind(']');
    if (close != std::string_view::npos && close > 0) {
      out.kind = LineKind::kSection;
      out.name = ProfileTrim(body.substr(1, close - 1));
      return out;
    }
  }
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos) return out;
  out.kind = LineKind::kKey;
  out.name = ProfileTrim(line.substr(0, eq));
  size_t start = eq + 1;
  while (start < line.size() && IsProfileSpace(line[start])) ++start;
  out.value_offset = start;
  out.value = ProfileTrim(line.substr(start));
  return out;
}

// Calls visit(line, start, end_of_content, end_with_terminator) for each line
// split at LF; stops when visit returns false.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    const size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    if (!visit(text.substr(start, end - start), start, next)) return;
    start = next;
  }
}

struct Location {
  bool section_found = false;
  size_t insert_at = 0;  // after the last non-blank line of the section
  bool insert_needs_break = false;
  bool key_found = false;
  size_t key_line_start = 0;
  size_t key_line_end = 0;  // end of content, before LF (the CR stays with the content)
  ProfileLine key;
};

Location Locate(std::string_view text, std::string_view section, std::string_view key) {
  Location loc;
  const std::string_view want_section = ProfileTrim(section);
  const std::string_view want_key = ProfileTrim(key);
  enum { kBefore, kInside, kAfter } state = kBefore;
  ForEachLine(text, [&](std::string_view line, size_t start, size_t next) {
    const ProfileLine parsed = ClassifyLine(line);
    if (parsed.kind == LineKind::kSection) {
      if (state == kInside) {
        state = kAfter;
        return false;
      }
      if (state == kBefore && EqualsNoCase(parsed.name, want_section)) {
        state = kInside;
        loc.section_found = true;
        loc.insert_at = next;
        loc.insert_needs_break = next == start + line.size();
      }
      return true;
    }
    if (state != kInside) return true;
    if (parsed.kind == LineKind::kKey && EqualsNoCase(parsed.name, want_key)) {
      loc.key_found = true;
      loc.key_line_start = start;
      loc.key_line_end = start + line.size();
      loc.key = parsed;
      return false;
    }
    if (!ProfileTrim(line).empty()) {
      loc.insert_at = next;
      loc.insert_needs_break = next == start + line.size();
    }
    return true;
  });
  return loc;
}

void CheckWritable(std::string_view what, std::string_view text, std::string_view forbidden) {
  if (text.find_first_of(forbidden) != std::string_view::npos) {
    throw std::invalid_argument(std::string(what) + " \"" + std::string(text) +
                                "\" cannot be stored in a profile file");
  }
}

std::string ReadIfPresent(std::string_view file) {
  if (!FileExists(file) && !DirectoryExists(file)) return {};
  return ReadFileBytes(file);
}

}  // namespace

std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key) {
  const Location loc = Locate(text, section, key);
  if (!loc.key_found) return std::nullopt;
  return loc.key.value;
}

std::string_view StripProfileQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

int ParseProfileInt(std::string_view text, int def) {
  text = ProfileTrim(text);
  if (text.empty()) return def;
  size_t i = 0;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  unsigned base = 10;
  if (i + 1 < text.size() && text[i] == '0' && text[i + 1] == 'x') {
    base = 16;
    i += 2;
  }
  // Only a lower-case "0x" starts hex digits, as in Windows' conversion.
  uint32_t value = 0;  // wraps on overflow, as the Windows conversion does
  for (; i < text.size(); ++i) {
    const char c = ToLowerAscii(text[i]);
    unsigned digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else {
      break;
    }
    value = value * base + digit;
  }
  if (negative) value = 0u - value;
  return static_cast<int>(value);
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
  CheckWritable("The section name", section, "\r\n[]");
  CheckWritable("The key name", key, "\r\n=");
  CheckWritable("The value", value, "\r\n");
  const std::string_view clean_section = ProfileTrim(section);
  const std::string_view clean_key = ProfileTrim(key);
  const Location loc = Locate(text, clean_section, clean_key);
  std::string out;
  out.reserve(text.size() + clean_key.size() + value.size() + clean_section.size() + 8);
  if (loc.key_found) {
    // The old value runs from its first non-blank to the end of the line's
    // content; a CR ending the line is not content, even after an empty or
    // blank value (where skipping blanks would otherwise pass over it).
    size_t content_end = loc.key_line_end;
    if (content_end > loc.key_line_start && text[content_end - 1] == '\r') --content_end;
    const size_t value_start = std::min(loc.key_line_start + loc.key.value_offset, content_end);
    out.append(text.substr(0, value_start));
    out.append(value);
    out.append(text.substr(content_end));
    return out;
  }
  const std::string key_line = std::string(clean_key) + "=" + std::string(value) + "\r\n";
  if (loc.section_found) {
    out.append(text.substr(0, loc.insert_at));
    if (loc.insert_needs_break) out.append("\r\n");
    out.append(key_line);
    out.append(text.substr(loc.insert_at));
    return out;
  }
  out.append(text);
  if (!text.empty()) {
    if (text.back() != '\n') out.append("\r\n");
    out.append("\r\n");
  }
  out.append("[").append(clean_section).append("]\r\n").append(key_line);
  return out;
}

std::string SetProfileValues(std::string_view text, const std::vector<ProfileWrite>& writes) {
  // The text in pieces: what precedes the first section, then one piece per
  // section header. A write touches only its section's first piece, so each
  // is SetProfileValue on that piece.
  std::vector<std::string> pieces(1);
  std::unordered_map<std::string, size_t> first;  // lower-cased section name -> piece
  ForEachLine(text, [&](std::string_view line, size_t start, size_t next) {
    const ProfileLine parsed = ClassifyLine(line);
    if (parsed.kind == LineKind::kSection) {
      pieces.emplace_back();
      first.try_emplace(ToLowerAscii(parsed.name), pieces.size() - 1);
    }
    pieces.back().append(text.substr(start, next - start));
    return true;
  });
  for (const ProfileWrite& w : writes) {
    CheckWritable("The section name", w.section, "\r\n[]");
    CheckWritable("The key name", w.key, "\r\n=");
    CheckWritable("The value", w.value, "\r\n");
    const std::string_view section = ProfileTrim(w.section);
    const auto found = first.find(ToLowerAscii(section));
    if (found != first.end()) {
      pieces[found->second] = SetProfileValue(pieces[found->second], section, w.key, w.value);
      continue;
    }
    // A new section at the end, after an empty line, as SetProfileValue adds it.
    // The line break a last line lacks belongs to that line's piece.
    const auto last = std::find_if(pieces.rbegin(), pieces.rend(),
                                   [](const std::string& p) { return !p.empty(); });
    std::string piece;
    if (last != pieces.rend()) {
      if (last->back() != '\n') last->append("\r\n");
      piece = "\r\n";
    }
    piece.append("[").append(section).append("]\r\n");
    piece.append(ProfileTrim(w.key)).append("=").append(w.value).append("\r\n");
    pieces.push_back(std::move(piece));
    first.emplace(ToLowerAscii(section), pieces.size() - 1);
  }
  std::string out;
  out.reserve(text.size() + 64 * writes.size());
  for (const std::string& piece : pieces) out.append(piece);
  return out;
}

ProfileIndex::ProfileIndex(std::string_view text) {
  // The first section of a name, and in it the first key of a name, answer.
  std::unordered_map<std::string, std::string_view>* current = nullptr;
  ForEachLine(text, [&](std::string_view line, size_t, size_t) {
    const ProfileLine parsed = ClassifyLine(line);
    if (parsed.kind == LineKind::kSection) {
      const auto [it, added] = sections_.try_emplace(ToLowerAscii(parsed.name));
      current = added ? &it->second : nullptr;
    } else if (parsed.kind == LineKind::kKey && current != nullptr) {
      current->try_emplace(ToLowerAscii(parsed.name), parsed.value);
    }
    return true;
  });
}

std::optional<std::string_view> ProfileIndex::Find(std::string_view section,
                                                   std::string_view key) const {
  const auto s = sections_.find(ToLowerAscii(ProfileTrim(section)));
  if (s == sections_.end()) return std::nullopt;
  const auto k = s->second.find(ToLowerAscii(ProfileTrim(key)));
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

std::string ProfileIndex::Text(std::string_view section, std::string_view key,
                               std::string_view def) const {
  const std::optional<std::string_view> value = Find(section, key);
  return std::string(value ? StripProfileQuotes(*value) : def);
}

std::string GetProfileString(std::string_view file, std::string_view section, std::string_view key,
                             std::string_view def) {
  const std::string text = ReadIfPresent(file);
  const std::optional<std::string_view> raw = FindProfileValue(text, section, key);
  if (!raw) return std::string(def);
  return std::string(StripProfileQuotes(*raw));
}

int GetProfileInt(std::string_view file, std::string_view section, std::string_view key, int def) {
  const std::string text = ReadIfPresent(file);
  const std::optional<std::string_view> raw = FindProfileValue(text, section, key);
  if (!raw) return def;
  return ParseProfileInt(StripProfileQuotes(*raw), def);
}

namespace {

std::string ProfileTextWith(std::string_view file, std::string_view text, std::string_view section,
                            std::string_view key, std::string_view value) {
  try {
    return SetProfileValue(text, section, key, value);
  } catch (const std::invalid_argument& e) {
    throw FileError(std::string(file), 0, e.what());
  }
}

}  // namespace

void WriteProfileString(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view value) {
  const std::string text = ReadIfPresent(file);
  const std::string updated = ProfileTextWith(file, text, section, key, value);
  if (updated != text) WriteFileBytes(file, updated);
}

void WriteProfileStrings(FileBatch& batch, std::string_view file,
                         const std::vector<ProfileWrite>& writes) {
  const std::string text = batch.Holds(file) ? batch.Bytes(file) : ReadIfPresent(file);
  std::string updated;
  try {
    updated = SetProfileValues(text, writes);
  } catch (const std::invalid_argument& e) {
    throw FileError(std::string(file), 0, e.what());
  }
  if (updated != text) batch.Put(std::string(file), std::move(updated));
}

void WriteProfileString(FileBatch& batch, std::string_view file, std::string_view section,
                        std::string_view key, std::string_view value) {
  const std::string text = batch.Holds(file) ? batch.Bytes(file) : ReadIfPresent(file);
  std::string updated = ProfileTextWith(file, text, section, key, value);
  if (updated != text) batch.Put(std::string(file), std::move(updated));
}

}  // namespace orvane
