#include "services/CvarFile.h"

#include <optional>

#include "platform/StringUtil.h"

namespace orvane {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsComment(std::string_view line, const CvarFileStyle& style) {
  const std::string_view rest = SkipBlanks(line);
  return rest.empty() || style.comment_starts.find(rest[0]) != std::string_view::npos;
}

// Where a variable's value stands in its line.
struct ValueSpan {
  size_t at = 0;
  size_t end = 0;
  bool quoted = false;
};

std::optional<ValueSpan> FindValue(std::string_view line, const CvarFileStyle& style,
                                   std::string_view name) {
  if (IsComment(line, style)) return std::nullopt;
  size_t i = line.size() - SkipBlanks(line).size();
  const size_t key_at = i;
  while (i < line.size() && !IsBlank(line[i])) ++i;
  if (!EqualsNoCase(line.substr(key_at, i - key_at), name)) return std::nullopt;
  while (i < line.size() && IsBlank(line[i])) ++i;
  ValueSpan span{i, i, false};
  if (i < line.size() && line[i] == '"') {
    const size_t close = line.find('"', i + 1);
    if (close != std::string_view::npos) return ValueSpan{i + 1, close, true};
  }
  while (span.end < line.size() && !IsBlank(line[span.end])) ++span.end;
  return span;
}

std::optional<size_t> BlockStart(const LineText& text, const CvarFileStyle& style) {
  for (size_t i = 0; i < text.lines().size(); ++i) {
    if (Trim(text.lines()[i].text) == style.begin_marker) return i;
  }
  return std::nullopt;
}

}  // namespace

void SetCvar(LineText& text, const CvarFileStyle& style, std::string_view name,
             std::string_view value) {
  for (TextLine& line : text.lines()) {
    const auto span = FindValue(line.text, style, name);
    if (!span) continue;
    if (span->at == line.text.size() && !line.text.empty() && !IsBlank(line.text.back())) {
      line.text += " ";
      line.text += value;
    } else {
      line.text.replace(span->at, span->end - span->at, value);
    }
    return;
  }
  const std::optional<size_t> block = BlockStart(text, style);
  text.Insert(block ? *block : text.lines().size(), std::string(name) + " " + std::string(value));
}

std::string CvarValue(const LineText& text, const CvarFileStyle& style, std::string_view name) {
  for (const TextLine& line : text.lines()) {
    if (const auto span = FindValue(line.text, style, name)) {
      return line.text.substr(span->at, span->end - span->at);
    }
  }
  return "";
}

void SetMarkedBlock(LineText& text, const CvarFileStyle& style,
                    const std::vector<std::string>& lines) {
  std::vector<std::string> block = {style.begin_marker};
  block.insert(block.end(), lines.begin(), lines.end());
  block.push_back(style.end_marker);
  size_t at = text.lines().size();
  if (const std::optional<size_t> start = BlockStart(text, style)) {
    at = *start;
    size_t end = at;
    while (end < text.lines().size() && Trim(text.lines()[end].text) != style.end_marker) ++end;
    // Without its end marker the block runs to the end of the file.
    if (end < text.lines().size()) ++end;
    const bool had_final_end = !text.lines().back().end.empty();
    text.lines().erase(text.lines().begin() + static_cast<std::ptrdiff_t>(at),
                       text.lines().begin() + static_cast<std::ptrdiff_t>(end));
    if (at == text.lines().size() && !text.lines().empty() && !had_final_end) {
      text.lines().back().end.clear();
    }
  }
  for (std::string& line : block) text.Insert(at++, std::move(line));
}

}  // namespace orvane
