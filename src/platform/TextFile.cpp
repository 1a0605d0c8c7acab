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

namespace {

// A file written whole beside its target, not yet in place.
struct Staged {
  std::string name;  // the game-style path, for messages
  fs::path target;
  std::string temp;
};

Staged Stage(std::string_view path, std::string_view bytes) {
  Staged staged{std::string(path), HostPath(path), {}};
  std::error_code ec;
  if (fs::is_directory(staged.target, ec))
    throw FileError(staged.name, 0, "is a directory, not a file");
  fs::path dir = staged.target.parent_path();
  if (dir.empty()) dir = ".";
  std::string pattern =
      (dir / ("." + staged.target.filename().string() + ".orvane-XXXXXX")).string();
  const int fd = mkstemp(pattern.data());
  if (fd < 0) throw FileError(staged.name, 0, "cannot be written (" + ErrnoText(errno) + ")");
  bool ok = true;
  int err = 0;
  for (size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
      err = n < 0 ? errno : ENOSPC;
    } else {
      done += static_cast<size_t>(n);
    }
  }
  // Keep the permissions of the file being replaced; a new file gets the usual ones.
  struct stat old_stat {};
  const mode_t mode =
      ::stat(staged.target.c_str(), &old_stat) == 0 ? (old_stat.st_mode & 07777) : mode_t{0644};
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
  if (!ok) {
    ::unlink(pattern.c_str());
    throw FileError(staged.name, 0, "cannot be written (" + ErrnoText(err) + ")");
  }
  staged.temp = std::move(pattern);
  return staged;
}

void PutInPlace(const Staged& staged) {
  if (::rename(staged.temp.c_str(), staged.target.c_str()) != 0) {
    const int err = errno;
    ::unlink(staged.temp.c_str());
    throw FileError(staged.name, 0, "cannot be written (" + ErrnoText(err) + ")");
  }
}

}  // namespace

void WriteFileBytes(std::string_view path, std::string_view bytes) {
  PutInPlace(Stage(path, bytes));
}

void FileBatch::Put(std::string path, std::string bytes) {
  for (auto& [queued, queued_bytes] : files_) {
    if (queued == path) {
      queued_bytes = std::move(bytes);
      return;
    }
  }
  files_.emplace_back(std::move(path), std::move(bytes));
}

void FileBatch::PutLines(std::string path, const std::vector<std::string>& lines) {
  Put(std::move(path), JoinCrLf(lines));
}

bool FileBatch::Holds(std::string_view path) const {
  for (const auto& file : files_) {
    if (file.first == path) return true;
  }
  return false;
}

std::string FileBatch::Bytes(std::string_view path) const {
  for (const auto& [queued, bytes] : files_) {
    if (queued == path) return bytes;
  }
  std::error_code ec;
  return fs::is_regular_file(HostPath(path), ec) ? ReadFileBytes(path) : std::string();
}

void FileBatch::Commit() const {
  std::vector<Staged> staged;
  staged.reserve(files_.size());
  try {
    for (const auto& [path, bytes] : files_) staged.push_back(Stage(path, bytes));
  } catch (const FileError&) {
    for (const Staged& s : staged) ::unlink(s.temp.c_str());
    throw;
  }
  // Every file is written; renames within a directory do not run out of space.
  for (size_t i = 0; i < staged.size(); ++i) {
    try {
      PutInPlace(staged[i]);
    } catch (const FileError&) {
      for (size_t k = i + 1; k < staged.size(); ++k) ::unlink(staged[k].temp.c_str());
      throw;
    }
  }
}

}  // namespace orvane
