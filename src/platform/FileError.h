// The one error raised for a file that cannot be read or written, or whose
// contents are malformed: it names the file, the line (0 = the whole file)
// and what was expected, so an error box can tell the player what to mend.
#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

class FileError : public std::runtime_error {
 public:
  // file: the path as the launcher builds it (game style or host); what()
  // reads "<host path>, line N: problem".
  FileError(std::string file, int line, std::string problem);

  const std::string& file() const { return file_; }
  int line() const { return line_; }
  const std::string& problem() const { return problem_; }
  // The file as the player's system names it, for messages.
  const std::string& host_file() const { return host_file_; }
  // What is wrong without the file: "Line 2: expected ..." or the problem
  // alone; the detail under a box that has named the file.
  std::string detail() const;

 private:
  std::string file_;
  int line_;
  std::string problem_;
  std::string host_file_;
};

}  // namespace orvane
