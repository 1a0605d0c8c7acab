#include "platform/LineText.h"

namespace orvane {

LineText::LineText(std::string_view bytes) {
  std::string first_end;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines_.push_back({std::string(bytes.substr(start)), ""});
      break;
    }
    // CR CR LF, as some editors leave it, is one line end, not an empty line.
    size_t next = end;
    while (next < bytes.size() && bytes[next] == '\r') ++next;
    if (next < bytes.size() && bytes[next] == '\n') ++next;
    lines_.push_back({std::string(bytes.substr(start, end - start)),
                      std::string(bytes.substr(end, next - end))});
    // New lines end as the file's first line that ends with LF: a lone CR
    // before an empty LF line would read back as one line end with it.
    if (line_end_.empty() && lines_.back().end.back() == '\n') line_end_ = lines_.back().end;
    if (first_end.empty()) first_end = lines_.back().end;
    start = next;
  }
  if (line_end_.empty()) line_end_ = first_end.empty() ? "\r\n" : first_end;
}

void LineText::Insert(size_t at, std::string text) {
  if (at > lines_.size()) at = lines_.size();
  TextLine line{std::move(text), line_end_};
  if (at == lines_.size() && !lines_.empty() && lines_.back().end.empty()) {
    lines_.back().end = line_end_;
    line.end.clear();
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

std::string LineText::Bytes() const {
  std::string bytes;
  for (const TextLine& line : lines_) {
    bytes += line.text;
    bytes += line.end;
  }
  return bytes;
}

std::string_view SkipBlanks(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  return text.substr(i);
}

}  // namespace orvane
