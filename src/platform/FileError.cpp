#include "platform/FileError.h"

#include <utility>

#include "platform/HostPath.h"

namespace orvane {
namespace {

std::string Describe(const std::string& host_file, int line, const std::string& problem) {
  std::string text = host_file;
  if (line > 0) text += ", line " + std::to_string(line);
  return text + ": " + problem;
}

}  // namespace

FileError::FileError(std::string file, int line, std::string problem)
    : std::runtime_error(Describe(ShownPath(file), line, problem)),
      file_(std::move(file)),
      line_(line),
      problem_(std::move(problem)),
      host_file_(ShownPath(file_)) {}

std::string FileError::detail() const {
  if (line_ <= 0) return problem_;
  return "Line " + std::to_string(line_) + ": " + problem_;
}

}  // namespace orvane
