// Whole-file reads and writes of game text. Bytes in, bytes out: a byte read
// and written back unchanged stays the same byte. Every write goes to a
// temporary file beside the target and is renamed over it, so a failed or
// interrupted write leaves the old file whole.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Throws FileError when the file is missing or unreadable.
std::string ReadFileBytes(std::string_view path);
std::vector<std::string> ReadLines(std::string_view path);

// Throws FileError when the file cannot be written; the target is then as before.
void WriteFileBytes(std::string_view path, std::string_view bytes);
// Each line ends with CR LF.
void WriteLines(std::string_view path, const std::vector<std::string>& lines);
std::string JoinCrLf(const std::vector<std::string>& lines);

}  // namespace orvane
