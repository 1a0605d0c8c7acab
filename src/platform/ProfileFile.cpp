#include "platform/ProfileFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
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

// The bytes a section name, a key name or a value cannot hold, as a table:
// every write checks its texts.
using ByteSet = std::array<bool, 256>;
constexpr ByteSet BytesOf(std::string_view bytes) {
  ByteSet set{};
  for (const char c : bytes) set[static_cast<unsigned char>(c)] = true;
  return set;
}
constexpr ByteSet kSectionForbidden = BytesOf("\r\n[]");
constexpr ByteSet kKeyForbidden = BytesOf("\r\n=");
constexpr ByteSet kValueForbidden = BytesOf("\r\n");

void CheckWritable(std::string_view what, std::string_view text, const ByteSet& forbidden) {
  for (const char c : text) {
    if (forbidden[static_cast<unsigned char>(c)]) {
      throw std::invalid_argument(std::string(what) + " \"" + std::string(text) +
                                  "\" cannot be stored in a profile file");
    }
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
  CheckWritable("The section name", section, kSectionForbidden);
  CheckWritable("The key name", key, kKeyForbidden);
  CheckWritable("The value", value, kValueForbidden);
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

namespace {

// One section of a text being written: its lines (each with its line break,
// as in the text) and its keys. A write sets the value of the key's first
// line, or adds "key=value" after the section's last non-blank line, as
// SetProfileValue does, without copying the section for each write.
struct SectionLines {
  std::string_view name;  // trimmed, as its header gives it
  std::vector<std::string_view> lines;
  size_t last_filled = 0;  // the header, or the last non-blank line after it
  // Every key line in order, trimmed name and line: the first of a name answers.
  std::vector<std::pair<std::string_view, size_t>> keys;
};

}  // namespace

std::string SetProfileValues(std::string_view text, const std::vector<ProfileWrite>& writes) {
  // What precedes the first section, then one SectionLines per header.
  std::vector<SectionLines> sections(1);
  sections.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '[')) + 1);
  std::unordered_map<std::string, size_t> first;  // lower-cased section name -> its first
  ForEachLine(text, [&](std::string_view line, size_t start, size_t next) {
    const std::string_view whole = text.substr(start, next - start);
    const ProfileLine parsed = ClassifyLine(line);
    if (parsed.kind == LineKind::kSection) {
      SectionLines& added = sections.emplace_back();
      added.name = parsed.name;
      // Room for a usual section (a roster's bot has four keys): one
      // allocation each instead of one per doubling.
      added.lines.reserve(8);
      added.keys.reserve(6);
      first.try_emplace(ToLowerAscii(parsed.name), sections.size() - 1);
    }
    SectionLines& section = sections.back();
    section.lines.push_back(whole);
    if (sections.size() == 1 || parsed.kind == LineKind::kSection) return true;
    if (parsed.kind == LineKind::kKey)
      section.keys.emplace_back(parsed.name, section.lines.size() - 1);
    if (!ProfileTrim(line).empty()) section.last_filled = section.lines.size() - 1;
    return true;
  });
  std::deque<std::string> made;  // the lines the writes make; the views point here
  const auto make = [&made](std::string line) -> std::string_view {
    return made.emplace_back(std::move(line));
  };
  size_t current = 0;  // the section of the previous write: writes come grouped
  for (const ProfileWrite& w : writes) {
    CheckWritable("The section name", w.section, kSectionForbidden);
    CheckWritable("The key name", w.key, kKeyForbidden);
    CheckWritable("The value", w.value, kValueForbidden);
    const std::string_view name = ProfileTrim(w.section);
    const std::string_view key = ProfileTrim(w.key);
    if (current == 0 || !EqualsNoCase(sections[current].name, name)) {
      const auto found = first.find(ToLowerAscii(name));
      if (found != first.end()) {
        current = found->second;
      } else {
        // A new section at the end, after an empty line, as SetProfileValue
        // adds it. The line break a last line lacks belongs to that line.
        const auto last = std::find_if(sections.rbegin(), sections.rend(),
                                       [](const SectionLines& p) { return !p.lines.empty(); });
        SectionLines added;
        added.name = name;
        if (last != sections.rend()) {
          std::string_view& end = last->lines.back();
          if (end.back() != '\n') end = make(std::string(end) + "\r\n");
          added.lines.push_back("\r\n");
        }
        added.lines.push_back(make("[" + std::string(name) + "]\r\n"));
        added.last_filled = added.lines.size() - 1;
        sections.push_back(std::move(added));
        current = sections.size() - 1;
        first.emplace(ToLowerAscii(name), current);
      }
    }
    SectionLines& section = sections[current];
    const auto known = std::find_if(section.keys.begin(), section.keys.end(),
                                    [key](const auto& k) { return EqualsNoCase(k.first, key); });
    if (known != section.keys.end()) {
      // The old value runs from its first non-blank to the end of the line's
      // content; a CR ending the line is not content.
      std::string_view& line = section.lines[known->second];
      size_t content_end = line.size();
      if (content_end > 0 && line[content_end - 1] == '\n') --content_end;
      const size_t value_offset = ClassifyLine(line.substr(0, content_end)).value_offset;
      if (content_end > 0 && line[content_end - 1] == '\r') --content_end;
      const size_t value_start = std::min(value_offset, content_end);
      if (line.substr(value_start, content_end - value_start) == w.value) continue;  // as it is
      std::string updated;
      updated.reserve(line.size() + w.value.size());
      updated.append(line.substr(0, value_start)).append(w.value).append(line.substr(content_end));
      line = make(std::move(updated));
      continue;
    }
    std::string_view& filled = section.lines[section.last_filled];
    if (filled.back() != '\n') filled = make(std::string(filled) + "\r\n");
    std::string added;
    added.reserve(key.size() + w.value.size() + 3);
    added.append(key).append("=").append(w.value).append("\r\n");
    const size_t at = section.last_filled + 1;
    section.lines.insert(section.lines.begin() + static_cast<std::ptrdiff_t>(at),
                         make(std::move(added)));
    section.last_filled = at;
    section.keys.emplace_back(key, at);
  }
  size_t size = 0;
  for (const SectionLines& section : sections)
    for (const std::string_view line : section.lines) size += line.size();
  std::string out;
  out.reserve(size);
  for (const SectionLines& section : sections)
    for (const std::string_view line : section.lines) out.append(line);
  return out;
}

namespace {

// FNV-1a: short keys, hashed once each way.
uint64_t HashKey(std::string_view key) {
  uint64_t hash = 14695981039346656037ull;
  for (const char c : key) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

void AppendLower(std::string& to, std::string_view name) {
  const size_t at = to.size();
  to.resize(at + name.size());
  std::transform(name.begin(), name.end(), to.begin() + static_cast<std::ptrdiff_t>(at),
                 [](char c) { return ToLowerAscii(c); });
}

}  // namespace

ProfileIndex::ProfileIndex(std::string_view text) {
  // The first section of a name, and in it the first key of a name, answer.
  // No more entries than lines: the table is sized once.
  const size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  size_t slots = 16;
  while (slots < lines * 2) slots *= 2;
  slots_.assign(slots, 0);
  starts_.push_back(0);
  keys_.reserve(text.size());
  std::string prefix;   // the current section's "name\n", lower-cased
  bool counts = false;  // false in a later section of a name already seen
  std::string key;
  ForEachLine(text, [&](std::string_view line, size_t, size_t) {
    const ProfileLine parsed = ClassifyLine(line);
    if (parsed.kind == LineKind::kSection) {
      prefix.clear();
      AppendLower(prefix, parsed.name);
      counts = Insert(prefix, {});
      prefix.push_back('\n');
    } else if (parsed.kind == LineKind::kKey && counts) {
      key.assign(prefix);
      AppendLower(key, parsed.name);
      Insert(key, parsed.value);
    }
    return true;
  });
}

size_t ProfileIndex::SlotOf(std::string_view lower_key) const {
  const size_t mask = slots_.size() - 1;
  size_t slot = HashKey(lower_key) & mask;
  for (; slots_[slot] != 0; slot = (slot + 1) & mask) {
    const size_t entry = slots_[slot] - 1;
    if (std::string_view(keys_).substr(starts_[entry], starts_[entry + 1] - starts_[entry]) ==
        lower_key) {
      break;
    }
  }
  return slot;
}

std::optional<size_t> ProfileIndex::Lookup(std::string_view lower_key) const {
  const uint32_t entry = slots_[SlotOf(lower_key)];
  if (entry == 0) return std::nullopt;
  return entry - 1;
}

bool ProfileIndex::Insert(std::string_view lower_key, std::string_view value) {
  const size_t slot = SlotOf(lower_key);
  if (slots_[slot] != 0) return false;
  slots_[slot] = static_cast<uint32_t>(values_.size() + 1);
  values_.push_back(value);
  keys_.append(lower_key);
  starts_.push_back(static_cast<uint32_t>(keys_.size()));
  return true;
}

std::optional<std::string_view> ProfileIndex::Find(std::string_view section,
                                                   std::string_view key) const {
  std::string wanted;
  wanted.reserve(section.size() + key.size() + 1);
  AppendLower(wanted, ProfileTrim(section));
  wanted.push_back('\n');
  AppendLower(wanted, ProfileTrim(key));
  const std::optional<size_t> entry = Lookup(wanted);
  if (!entry) return std::nullopt;
  return values_[*entry];
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

namespace {

// A settings file merged into: written when the merge changed it, else only
// noted, since its owner still depends on what it holds.
void PutIfChanged(FileBatch& batch, std::string_view file, std::string_view text,
                  std::string updated) {
  if (updated != text) {
    batch.Put(std::string(file), std::move(updated));
  } else {
    batch.Consulted(std::string(file));
  }
}

}  // namespace

void WriteProfileStrings(FileBatch& batch, std::string_view file,
                         const std::vector<ProfileWrite>& writes) {
  if (batch.paths_only()) return batch.Consulted(std::string(file));
  const std::string text = batch.Holds(file) ? batch.Bytes(file) : ReadIfPresent(file);
  std::string updated;
  try {
    updated = SetProfileValues(text, writes);
  } catch (const std::invalid_argument& e) {
    throw FileError(std::string(file), 0, e.what());
  }
  PutIfChanged(batch, file, text, std::move(updated));
}

void WriteProfileString(FileBatch& batch, std::string_view file, std::string_view section,
                        std::string_view key, std::string_view value) {
  if (batch.paths_only()) return batch.Consulted(std::string(file));
  const std::string text = batch.Holds(file) ? batch.Bytes(file) : ReadIfPresent(file);
  PutIfChanged(batch, file, text, ProfileTextWith(file, text, section, key, value));
}

}  // namespace orvane
