#include "platform/FileSystem.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/HostPath.h"
#include "platform/StringUtil.h"

namespace orvane {
namespace fs = std::filesystem;

bool FileExists(std::string_view path) { return fs::is_regular_file(HostStatus(path)); }

FileStamp StampOf(std::string_view path) {
  struct stat st {};
  if (::stat(HostPath(path).c_str(), &st) != 0) return {};
  return {true, static_cast<uintmax_t>(st.st_size),
          static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
          static_cast<uintmax_t>(st.st_ino)};
}

bool DirectoryExists(std::string_view path) {
  return !path.empty() && fs::is_directory(HostStatus(path));
}

bool MatchesWildcard(std::string_view name, std::string_view pattern) {
  if (pattern == "*.*" || pattern == "*") return true;
  // Iterative glob with one back-tracking point per "*".
  size_t n = 0, p = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() &&
        (pattern[p] == '?' || ToLowerAscii(pattern[p]) == ToLowerAscii(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

namespace {

std::function<void(const std::string&)>& DirectoryListingObserver() {
  static std::function<void(const std::string&)> observer;
  return observer;
}

}  // namespace

void ObserveDirectoryListings(std::function<void(const std::string& host_dir)> observer) {
  DirectoryListingObserver() = std::move(observer);
}

void ForEachDirectoryEntry(std::string_view dir, std::string_view pattern,
                           const std::function<void(std::string_view, unsigned)>& visit) {
  const fs::path host = HostPath(dir);
  if (DirectoryListingObserver()) DirectoryListingObserver()(host.string());
  DIR* handle = opendir(host.c_str());
  if (handle == nullptr) return;
  const bool all = pattern == "*" || pattern == "*.*";
  // The entry type comes with the listing; only links and unknown types need a stat.
  while (const dirent* e = readdir(handle)) {
    const std::string_view name = e->d_name;
    if (name == "." || name == ".." || (!all && !MatchesWildcard(name, pattern))) continue;
    unsigned char type = e->d_type;
    if (type == DT_UNKNOWN || type == DT_LNK) {
      struct stat st {};
      if (stat((host / e->d_name).c_str(), &st) != 0) continue;  // a broken link
      type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
    }
    if (type != DT_DIR && type != DT_REG) continue;  // sockets and devices are no game files
    unsigned attributes = type == DT_DIR ? unsigned{kAttrDirectory} : unsigned{kAttrArchive};
    if (name.front() == '.') attributes |= kAttrHidden;
    visit(name, attributes);
  }
  closedir(handle);
}

std::vector<DirEntry> ListDirectory(std::string_view dir, std::string_view pattern) {
  std::vector<DirEntry> entries;
  ForEachDirectoryEntry(dir, pattern, [&entries](std::string_view name, unsigned attributes) {
    entries.push_back(DirEntry{std::string(name), attributes});
  });
  return entries;
}

namespace {

std::vector<std::string> SortedNames(std::vector<DirEntry> entries, bool directories) {
  std::vector<std::string> names;
  for (DirEntry& e : entries) {
    if (((e.attributes & kAttrDirectory) != 0) == directories) names.push_back(std::move(e.name));
  }
  SortNoCase(names);
  return names;
}

}  // namespace

std::vector<std::string> ListFiles(std::string_view dir, std::string_view pattern) {
  return SortedNames(ListDirectory(dir, pattern), false);
}

std::vector<std::string> ListSubdirectories(std::string_view dir) {
  return SortedNames(ListDirectory(dir, "*"), true);
}

bool CopyFileNoOverwrite(std::string_view from, std::string_view to) {
  const fs::path source = HostPath(from);
  const fs::path target = HostPath(to);
  std::error_code ec;
  if (!fs::is_regular_file(source, ec) || fs::exists(fs::symlink_status(target, ec))) return false;
  if (fs::copy_file(source, target, fs::copy_options::none, ec)) return true;
  if (ec != std::errc::file_exists) fs::remove(target, ec);
  return false;
}

bool DeleteFileAt(std::string_view path) {
  const fs::path target = HostPath(path);
  std::error_code ec;
  if (fs::is_directory(fs::symlink_status(target, ec))) return false;
  return fs::remove(target, ec);
}

bool RemoveDirectoryAt(std::string_view path) {
  const fs::path target = HostPath(path);
  std::error_code ec;
  if (!fs::is_directory(fs::symlink_status(target, ec))) return false;
  return fs::remove(target, ec);  // fails on a non-empty directory, as RemoveDirectory does
}

std::string CurrentDirectory() {
  std::error_code ec;
  return fs::current_path(ec).string();
}

}  // namespace orvane
