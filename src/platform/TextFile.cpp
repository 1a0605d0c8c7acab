#include "platform/TextFile.h"

#include "platform/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <system_error>
#include <unordered_map>

#include "platform/FileError.h"
#include "platform/HostPath.h"
#include "platform/StringUtil.h"

namespace orvane {
namespace fs = std::filesystem;
namespace {

std::string ErrnoText(int err) { return std::strerror(err); }

std::function<void(const std::string&)>& DirectorySyncObserver() {
  static std::function<void(const std::string&)> observer;
  return observer;
}

std::string MiBText(uintmax_t bytes) { return std::to_string(bytes / (1024 * 1024)) + " MiB"; }

}  // namespace

void ObserveDirectorySyncs(std::function<void(const std::string& dir)> observer) {
  DirectorySyncObserver() = std::move(observer);
}

namespace {

// The file opened as spelled ("\\" read as "/"): most paths exist so, and
// one open answers with no stat of the path. Else found without regard to
// case, as the game's file system finds it.
int OpenAsSpelled(std::string_view path) {
  std::string spelled(path.empty() ? std::string_view(".") : path);
  std::replace(spelled.begin(), spelled.end(), '\\', '/');
  return ::open(spelled.c_str(), O_RDONLY | O_CLOEXEC);
}

bool HasDriveLetter(std::string_view path) { return path.size() >= 2 && path[1] == ':'; }

int OpenForReading(std::string_view path) {
  if (!HasDriveLetter(path)) {
    const int fd = OpenAsSpelled(path);
    if (fd >= 0 || errno != ENOENT) return fd;
  }
  return ::open(HostPath(path).c_str(), O_RDONLY | O_CLOEXEC);
}

// Closes the descriptor however the read ends.
struct Descriptor {
  int fd;
  ~Descriptor() { ::close(fd); }
};

void ThrowOpenError(std::string_view path, int err) {
  throw FileError(std::string(path), 0,
                  err == ENOENT ? "does not exist" : "cannot be read (" + ErrnoText(err) + ")");
}

// The whole of an open file, closed afterwards.
std::string ReadOpened(int fd, std::string_view path) {
  const Descriptor closer{fd};
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    throw FileError(std::string(path), 0, "cannot be read (" + ErrnoText(errno) + ")");
  }
  if (S_ISDIR(st.st_mode)) throw FileError(std::string(path), 0, "is a directory, not a file");
  // Refused before it is read: a game file never comes near.
  if (static_cast<uintmax_t>(st.st_size) > kMaxFileBytes) {
    throw FileError(std::string(path), 0,
                    "is " + MiBText(static_cast<uintmax_t>(st.st_size)) +
                        " large; no game file comes near " + MiBText(kMaxFileBytes) +
                        ", so it is not read");
  }
  // The size known, one read usually does; a file that tells no size (a
  // pipe, /proc) is read until its end, in pieces.
  const size_t expected = static_cast<size_t>(st.st_size);
  std::string bytes(expected > 0 ? expected : 4096, '\0');
  size_t done = 0;
  while (true) {
    if (done == bytes.size()) {
      if (expected > 0) break;
      if (bytes.size() >= kMaxFileBytes) break;
      bytes.resize(bytes.size() * 2);
    }
    const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw FileError(std::string(path), 0, "could not be read to the end");
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace

std::string ReadFileBytes(std::string_view path) {
  const int fd = OpenForReading(path);
  if (fd < 0) ThrowOpenError(path, errno);
  return ReadOpened(fd, path);
}

std::optional<std::string> ReadFileIfSpelled(std::string_view path) {
  if (HasDriveLetter(path)) return ReadFileIfExists(path);
  const int fd = OpenAsSpelled(path);
  if (fd < 0 && errno == ENOENT) return std::nullopt;
  if (fd < 0) ThrowOpenError(path, errno);
  return ReadOpened(fd, path);
}

std::optional<std::string> ReadFileIfExists(std::string_view path) {
  if (!FileExists(path)) return std::nullopt;
  return ReadFileBytes(path);
}

std::vector<std::string> ReadLines(std::string_view path) {
  return SplitLines(ReadFileBytes(path));
}

std::string JoinCrLf(std::span<const std::string> lines) {
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

// Host paths of a batch's targets with one listing per directory: a launch
// may create thousands of files in a directory of thousands of maps, and a
// new name is otherwise looked for case-blind in a listing of its own.
class TargetPaths {
 public:
  fs::path operator()(std::string_view path) {
    const size_t cut = path.find_last_of("\\/");
    if (cut == std::string_view::npos || cut + 1 == path.size()) return HostPath(path);
    const std::string parent(path.substr(0, cut));
    const std::string name(path.substr(cut + 1));
    auto dir = dirs_.find(parent);
    if (dir == dirs_.end()) dir = dirs_.emplace(parent, Listing{HostPath(parent), {}, false}).first;
    Listing& listing = dir->second;
    fs::path exact = listing.dir / name;
    std::error_code ec;
    if (name == "." || name == ".." ||
        fs::symlink_status(exact, ec).type() != fs::file_type::not_found) {
      return exact;
    }
    if (!listing.listed) {
      listing.listed = true;
      for (fs::directory_iterator it(listing.dir, ec); !ec && it != fs::directory_iterator();
           it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        listing.lower.emplace(ToLowerAscii(candidate), candidate);
      }
    }
    const auto found = listing.lower.find(ToLowerAscii(name));
    return found != listing.lower.end() ? listing.dir / found->second : exact;
  }

 private:
  struct Listing {
    fs::path dir;
    std::unordered_map<std::string, std::string> lower;  // lower-case name: the name
    bool listed;
  };
  std::unordered_map<std::string, Listing> dirs_;
};

// A link is written through: the file it points to takes the new bytes and
// the link stays. A file nobody may write is the player's protection, and is
// left alone (decided by its mode, so that it holds for root as well).
void ResolveTarget(Staged& staged) {
  std::error_code ec;
  if (fs::is_symlink(staged.target, ec)) {
    const fs::path resolved = fs::canonical(staged.target, ec);
    if (ec) {
      const fs::path points_to = fs::read_symlink(staged.target, ec);
      throw FileError(
          staged.name, 0,
          "is a link to " + points_to.string() + ", which does not exist; nothing was written");
    }
    staged.target = resolved;
  }
  struct stat old_stat {};
  if (::stat(staged.target.c_str(), &old_stat) == 0 && S_ISREG(old_stat.st_mode) &&
      (old_stat.st_mode & 0222) == 0) {
    throw FileError(staged.name, 0,
                    "is read-only, so Orvane leaves it as it is and wrote nothing; make it "
                    "writable (chmod u+w) to apply");
  }
}

Staged Stage(std::string_view path, std::string_view bytes, TargetPaths& targets) {
  Staged staged{std::string(path), targets(path), {}};
  std::error_code ec;
  if (fs::is_directory(staged.target, ec))
    throw FileError(staged.name, 0, "is a directory, not a file");
  ResolveTarget(staged);
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

// The directories' own entries on disk, so a power cut after the renames
// leaves the new names (or the old ones), never neither.
void SyncDirectories(const std::vector<Staged>& staged) {
  std::vector<fs::path> dirs;
  for (const Staged& s : staged) {
    fs::path dir = s.target.parent_path();
    if (dir.empty()) dir = ".";
    if (std::find(dirs.begin(), dirs.end(), dir) == dirs.end()) dirs.push_back(dir);
  }
  for (const fs::path& dir : dirs) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) continue;  // the renames stand; only their durability is not forced
    ::fsync(fd);
    ::close(fd);
    if (DirectorySyncObserver()) DirectorySyncObserver()(dir.string());
  }
}

}  // namespace

void WriteFileBytes(std::string_view path, std::string_view bytes) {
  TargetPaths targets;
  std::vector<Staged> staged = {Stage(path, bytes, targets)};
  PutInPlace(staged.front());
  SyncDirectories(staged);
}

FileBatch FileBatch::PathsOnly() {
  FileBatch batch;
  batch.paths_only_ = true;
  return batch;
}

void FileBatch::Put(std::string path, std::string bytes) {
  if (paths_only_) bytes.clear();
  const auto [at, added] = index_.emplace(path, files_.size());
  if (!added) {
    files_[at->second].second = std::move(bytes);
    return;
  }
  files_.emplace_back(std::move(path), std::move(bytes));
}

void FileBatch::PutLines(std::string path, std::span<const std::string> lines) {
  Put(std::move(path), paths_only_ ? std::string() : JoinCrLf(lines));
}

void FileBatch::PutLines(std::string path, const std::function<std::vector<std::string>()>& make) {
  Put(std::move(path), paths_only_ ? std::string() : JoinCrLf(make()));
}

void FileBatch::Consulted(std::string path) {
  if (std::find(consulted_.begin(), consulted_.end(), path) == consulted_.end())
    consulted_.push_back(std::move(path));
}

bool FileBatch::Holds(std::string_view path) const {
  return index_.find(std::string(path)) != index_.end();
}

std::string FileBatch::Bytes(std::string_view path) const {
  if (const auto at = index_.find(std::string(path)); at != index_.end())
    return files_[at->second].second;
  std::error_code ec;
  return fs::is_regular_file(HostPath(path), ec) ? ReadFileBytes(path) : std::string();
}

void FileBatch::Commit() const {
  if (paths_only_) throw std::logic_error("a batch of paths only was committed");
  std::vector<Staged> staged;
  staged.reserve(files_.size());
  TargetPaths targets;
  try {
    for (const auto& [path, bytes] : files_) staged.push_back(Stage(path, bytes, targets));
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
  SyncDirectories(staged);
}

}  // namespace orvane
