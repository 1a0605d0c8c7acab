#include "platform/HostPath.h"

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
fs::path Child(const fs::path& dir, std::string_view name) {
  fs::path exact = dir / std::string(name);
  std::error_code ec;
  if (name == "." || name == ".." ||
      fs::symlink_status(exact, ec).type() != fs::file_type::not_found) {
    return exact;
  }
  fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string candidate = it->path().filename().string();
    if (EqualsNoCase(candidate, name)) return dir / candidate;
  }
  return exact;
}

}  // namespace

namespace {

fs::path Resolve(std::string_view path, const fs::path& wine_prefix, fs::file_status* status) {
  fs::path result;
  std::string_view rest = path;
  const bool has_drive = path.size() >= 2 && path[1] == ':' &&
                         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  if (has_drive) {
    const std::string device = std::string(1, ToLowerAscii(path[0])) + ":";
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

}  // namespace

fs::path HostPath(std::string_view path) { return Resolve(path, WinePrefixFromProcess(), nullptr); }

fs::path HostPath(std::string_view path, fs::file_status* status) {
  return Resolve(path, WinePrefixFromProcess(), status);
}

fs::path HostPath(std::string_view path, const fs::path& wine_prefix) {
  return Resolve(path, wine_prefix, nullptr);
}

}  // namespace orvane
