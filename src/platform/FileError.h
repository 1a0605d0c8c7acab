// The one error raised for a file that cannot be read or written, or whose
// contents are malformed: it names the file, the line (0 = the whole file)
// and what was expected, so an error box can tell the player what to mend.
#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

class FileError : public std::runtime_error {
 public:
  FileError(std::string file, int line, std::string problem);

  const std::string& file() const { return file_; }
  int line() const { return line_; }
  const std::string& problem() const { return problem_; }

 private:
  std::string file_;
  int line_;
  std::string problem_;
};

}  // namespace orvane
