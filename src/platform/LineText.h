// A text file held as lines that keep their own line ends, for files that
// belong to the game, an add-on or a server (liblist.gam, plugins.ini, an
// add-on's settings file): an edit changes only the lines it must, and
// every other byte, line ends and a missing final one included, stays.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct TextLine {
  std::string text;  // without its end
  std::string end;   // "\r\n", "\n", "\r\r\n", a lone "\r"; "" for a last line without one
};

class LineText {
 public:
  explicit LineText(std::string_view bytes);

  std::vector<TextLine>& lines() { return lines_; }
  const std::vector<TextLine>& lines() const { return lines_; }
  // The file's own line end (its first one ending in LF, else its first),
  // CR LF for a file without any.
  const std::string& line_end() const { return line_end_; }

  // A new line before lines()[at] (at == size: after the last), ended as the
  // file ends its lines. Added after a last line without an end, that line
  // gets one and the new line goes without, so the file still ends as it did.
  void Insert(size_t at, std::string text);
  std::string Bytes() const;

 private:
  std::vector<TextLine> lines_;
  std::string line_end_;
};

// The text after leading blanks and tabs.
std::string_view SkipBlanks(std::string_view text);

}  // namespace orvane
