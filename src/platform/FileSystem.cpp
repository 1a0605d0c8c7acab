#include "platform/FileSystem.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/HostPath.h"
#include "platform/StringUtil.h"

namespace orvane {
namespace fs = std::filesystem;

bool FileExists(std::string_view path) {
  std::error_code ec;
  return fs::is_regular_file(HostPath(path), ec);
}

bool DirectoryExists(std::string_view path) {
  if (path.empty()) return false;
  std::error_code ec;
  return fs::is_directory(HostPath(path), ec);
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

std::vector<DirEntry> ListDirectory(std::string_view dir, std::string_view pattern) {
  std::vector<DirEntry> entries;
  std::error_code ec;
  fs::directory_iterator it(HostPath(dir), ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (!MatchesWildcard(name, pattern)) continue;
    DirEntry entry{std::move(name), 0};
    std::error_code type_ec;
    const fs::file_status status = it->status(type_ec);
    if (fs::is_directory(status)) {
      entry.attributes |= kAttrDirectory;
    } else if (fs::is_regular_file(status)) {
      entry.attributes |= kAttrArchive;
    } else {
      continue;  // sockets, broken links: not files the game can use
    }
    if (entry.name.front() == '.') entry.attributes |= kAttrHidden;
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) {
      entry.attributes |= kAttrReadOnly;
    }
    entries.push_back(std::move(entry));
  }
  std::sort(entries.begin(), entries.end(),
            [](const DirEntry& a, const DirEntry& b) { return LessNoCase(a.name, b.name); });
  return entries;
}

std::vector<std::string> ListFiles(std::string_view dir, std::string_view pattern) {
  std::vector<std::string> names;
  for (DirEntry& e : ListDirectory(dir, pattern)) {
    if ((e.attributes & kAttrDirectory) == 0) names.push_back(std::move(e.name));
  }
  return names;
}

std::vector<std::string> ListSubdirectories(std::string_view dir) {
  std::vector<std::string> names;
  for (DirEntry& e : ListDirectory(dir, "*")) {
    if ((e.attributes & kAttrDirectory) != 0) names.push_back(std::move(e.name));
  }
  return names;
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
