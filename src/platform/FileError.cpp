#include "platform/FileError.h"

#include <utility>

namespace orvane {
namespace {

std::string Describe(const std::string& file, int line, const std::string& problem) {
  std::string text = file;
  if (line > 0) text += ", line " + std::to_string(line);
  return text + ": " + problem;
}

}  // namespace

FileError::FileError(std::string file, int line, std::string problem)
    : std::runtime_error(Describe(file, line, problem)),
      file_(std::move(file)),
      line_(line),
      problem_(std::move(problem)) {}

}  // namespace orvane
