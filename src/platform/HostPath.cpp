#include "platform/HostPath.h"

#include <dirent.h>
#include <sys/stat.h>

#include <system_error>
#include <vector>

#include "platform/HostEnvironment.h"
#include "platform/StringUtil.h"

namespace orvane {
namespace fs = std::filesystem;
namespace {

std::vector<std::string_view> Components(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t i = 0; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '\\' || path[i] == '/') {
      if (i > start) parts.push_back(path.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

// The child of dir called name, or the first one that differs only in case.
// The listing is read with readdir: an absent file is looked for in every
// entry of its directory, and a path object per entry would cost more than
// the listing itself.
fs::path Child(const fs::path& dir, std::string_view name) {
  fs::path exact = dir / std::string(name);
  std::error_code ec;
  if (name == "." || name == ".." ||
      fs::symlink_status(exact, ec).type() != fs::file_type::not_found) {
    return exact;
  }
  DIR* handle = opendir(dir.empty() ? "." : dir.c_str());
  if (handle == nullptr) return exact;
  while (const dirent* entry = readdir(handle)) {
    if (EqualsNoCase(entry->d_name, name)) {
      exact = dir / entry->d_name;
      break;
    }
  }
  closedir(handle);
  return exact;
}

}  // namespace

namespace {

bool HasDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

fs::file_status StatusFromMode(mode_t mode) {
  if (S_ISREG(mode)) return fs::file_status(fs::file_type::regular);
  if (S_ISDIR(mode)) return fs::file_status(fs::file_type::directory);
  return fs::file_status(fs::file_type::unknown);
}

// The path as spelled, "\" turned into "/": one stat answers most lookups,
// with no component walk and no path object.
bool StatAsSpelled(std::string_view path, fs::file_status* status) {
  std::string spelled = path.empty() ? std::string(".") : std::string(path);
  for (char& c : spelled) {
    if (c == '\\') c = '/';
  }
  struct stat st {};
  if (::stat(spelled.c_str(), &st) != 0) return false;
  *status = StatusFromMode(st.st_mode);
  return true;
}

fs::path Resolve(std::string_view path, const fs::path& wine_prefix, fs::file_status* status) {
  fs::path result;
  std::string_view rest = path;
  if (HasDrive(path)) {
    std::string device = "c:";
    device[0] = ToLowerAscii(path[0]);
    result = wine_prefix / "dosdevices" / device;
    rest.remove_prefix(2);
  } else if (!path.empty() && (path[0] == '\\' || path[0] == '/')) {
    result = "/";
  }
  const std::vector<std::string_view> parts = Components(rest);
  // Most paths exist as spelled: one stat, and no walk.
  fs::path direct = result;
  for (std::string_view part : parts) direct /= std::string(part);
  std::error_code ec;
  if (direct.empty()) direct = ".";
  fs::file_status found = fs::status(direct, ec);
  if (found.type() != fs::file_type::not_found) {
    if (status != nullptr) *status = found;
    return direct;
  }
  for (std::string_view part : parts) result = Child(result, part);
  if (result.empty()) result = ".";
  if (status != nullptr) *status = fs::status(result, ec);
  return result;
}

// The Wine prefix is looked up only for a path with a drive letter.
fs::path PrefixFor(std::string_view path) {
  return HasDrive(path) ? WinePrefixFromProcess() : fs::path();
}

}  // namespace

fs::path HostPath(std::string_view path) { return Resolve(path, PrefixFor(path), nullptr); }

fs::file_status HostStatus(std::string_view path) {
  fs::file_status status;
  if (!HasDrive(path) && StatAsSpelled(path, &status)) return status;
  Resolve(path, PrefixFor(path), &status);
  return status;
}

fs::path HostPath(std::string_view path, const fs::path& wine_prefix) {
  return Resolve(path, wine_prefix, nullptr);
}

std::string ShownPath(std::string_view path) {
  return path.empty() ? std::string() : HostPath(path).string();
}

}  // namespace orvane
