#include "core/Liblist.h"

#include <optional>

#include "platform/LineText.h"
#include "platform/StringUtil.h"

namespace orvane {
namespace {

// Where a line's key and value stand.
struct LiblistEntry {
  std::string_view key;
  size_t value_at = 0;   // offset of the value's bytes within the line
  size_t value_end = 0;  // just past them
  bool quoted = false;   // the value stands between quotes
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// nullopt for a comment or a line without a key.
std::optional<LiblistEntry> ParseLine(std::string_view line) {
  const std::string_view rest = SkipBlanks(line);
  if (rest.empty() || rest.substr(0, 2) == "//") return std::nullopt;
  LiblistEntry entry;
  size_t i = line.size() - rest.size();
  if (line[i] == '"') {  // a quoted key, as the engine's tokenizer allows
    const size_t close = line.find('"', i + 1);
    if (close == std::string_view::npos) return std::nullopt;
    entry.key = line.substr(i + 1, close - i - 1);
    i = close + 1;
  } else {
    const size_t start = i;
    while (i < line.size() && !IsBlank(line[i]) && line[i] != '"') ++i;
    entry.key = line.substr(start, i - start);
  }
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i < line.size() && line[i] == '"') {
    const size_t close = line.find('"', i + 1);
    if (close != std::string_view::npos) {
      entry.quoted = true;
      entry.value_at = i + 1;
      entry.value_end = close;
      return entry;
    }
  }
  entry.value_at = i;
  entry.value_end = i;
  if (line.substr(i, 2) != "//") {
    while (entry.value_end < line.size() && !IsBlank(line[entry.value_end])) ++entry.value_end;
  }
  return entry;
}

std::optional<size_t> FindLine(const LineText& text, std::string_view key) {
  for (size_t i = 0; i < text.lines().size(); ++i) {
    const auto entry = ParseLine(text.lines()[i].text);
    if (entry && EqualsNoCase(entry->key, key)) return i;
  }
  return std::nullopt;
}

std::string Quoted(std::string_view value) { return "\"" + std::string(value) + "\""; }

}  // namespace

std::string LiblistValue(std::string_view liblist, std::string_view key) {
  const LineText text(liblist);
  const std::optional<size_t> at = FindLine(text, key);
  if (!at) return "";
  const std::string& line = text.lines()[*at].text;
  const LiblistEntry entry = *ParseLine(line);
  return line.substr(entry.value_at, entry.value_end - entry.value_at);
}

std::string SetLiblistValue(std::string_view liblist, std::string_view key, std::string_view value,
                            std::string_view after_key) {
  LineText text(liblist);
  if (const std::optional<size_t> at = FindLine(text, key)) {
    std::string& line = text.lines()[*at].text;
    const LiblistEntry entry = *ParseLine(line);
    if (entry.quoted) {
      line.replace(entry.value_at, entry.value_end - entry.value_at, value);
    } else {
      std::string replacement = Quoted(value);
      // A key with no value before a comment keeps a blank before it.
      if (entry.value_at == entry.value_end && entry.value_at < line.size()) replacement += " ";
      if (entry.value_at == line.size() && !line.empty() && !IsBlank(line.back())) {
        replacement.insert(0, " ");
      }
      line.replace(entry.value_at, entry.value_end - entry.value_at, replacement);
    }
    return text.Bytes();
  }
  const std::string new_line = std::string(key) + " " + Quoted(value);
  const std::optional<size_t> after = FindLine(text, after_key);
  text.Insert(after ? *after + 1 : text.lines().size(), new_line);
  return text.Bytes();
}

}  // namespace orvane
