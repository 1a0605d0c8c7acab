#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/FileError.h"
#include "platform/HostPath.h"
#include "platform/StringUtil.h"

namespace orvane {
namespace fs = std::filesystem;
namespace {

std::string ErrnoText(int err) { return std::strerror(err); }

}  // namespace

std::string ReadFileBytes(std::string_view path) {
  const fs::path host = HostPath(path);
  std::error_code ec;
  if (fs::is_directory(host, ec))
    throw FileError(std::string(path), 0, "is a directory, not a file");
  std::ifstream in(host, std::ios::binary);
  if (!in) {
    throw FileError(
        std::string(path), 0,
        fs::exists(host, ec) ? "cannot be read (" + ErrnoText(errno) + ")" : "does not exist");
  }
  std::string bytes;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size > 0) {
    bytes.resize(static_cast<size_t>(size));
    in.seekg(0, std::ios::beg);
    in.read(bytes.data(), size);
  }
  if (in.bad()) throw FileError(std::string(path), 0, "could not be read to the end");
  bytes.resize(static_cast<size_t>(in.gcount() > 0 ? in.gcount() : 0));
  return bytes;
}

std::vector<std::string> ReadLines(std::string_view path) {
  return SplitLines(ReadFileBytes(path));
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string bytes;
  size_t total = 0;
  for (const std::string& line : lines) total += line.size() + 2;
  bytes.reserve(total);
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

void WriteLines(std::string_view path, const std::vector<std::string>& lines) {
  WriteFileBytes(path, JoinCrLf(lines));
}

void WriteFileBytes(std::string_view path, std::string_view bytes) {
  const fs::path target = HostPath(path);
  const std::string name = std::string(path);
  std::error_code ec;
  if (fs::is_directory(target, ec)) throw FileError(name, 0, "is a directory, not a file");
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  std::string pattern = (dir / ("." + target.filename().string() + ".orvane-XXXXXX")).string();
  const int fd = mkstemp(pattern.data());
  if (fd < 0) throw FileError(name, 0, "cannot be written (" + ErrnoText(errno) + ")");
  bool ok = true;
  int err = 0;
  for (size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
      err = errno;
    } else {
      done += static_cast<size_t>(n);
    }
  }
  // Keep the permissions of the file being replaced; a new file gets the usual ones.
  struct stat old_stat {};
  const mode_t mode =
      ::stat(target.c_str(), &old_stat) == 0 ? (old_stat.st_mode & 07777) : mode_t{0644};
  if (ok && ::fchmod(fd, mode) != 0) {
    ok = false;
    err = errno;
  }
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    err = errno;
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (ok && ::rename(pattern.c_str(), target.c_str()) != 0) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    ::unlink(pattern.c_str());
    throw FileError(name, 0, "cannot be written (" + ErrnoText(err) + ")");
  }
}

}  // namespace orvane
