#include "platform/Installation.h"

#include <system_error>

#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/StringUtil.h"

namespace orvane {
namespace fs = std::filesystem;

int SeedDataDirectory(const fs::path& source, const fs::path& target) {
  std::error_code ec;
  if (!fs::is_directory(source, ec)) {
    throw FileError(source.string(), 0,
                    "the launcher's shipped data files are missing; reinstall Orvane");
  }
  fs::create_directories(target, ec);
  if (ec || !fs::is_directory(target)) {
    throw FileError(target.string(), 0, "cannot be created as the launcher's data directory");
  }
  int copied = 0;
  fs::recursive_directory_iterator it(source, ec);
  for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    const fs::path relative = fs::relative(it->path(), source, ec);
    const fs::path destination = target / relative;
    if (it->is_directory()) {
      fs::create_directories(destination, ec);
    } else if (it->is_regular_file() && !fs::exists(destination)) {
      if (CopyFileNoOverwrite(it->path().string(), destination.string())) ++copied;
    }
  }
  return copied;
}

void EnsureInstalled(RegistryStore& registry, const fs::path& shipped_data,
                     const fs::path& data_dir) {
  if (!registry.Open()) return;
  const auto app_path = registry.Read("Software\\Tarrow Inc.\\KRV", "AppPath");
  if (app_path && !Trim(app_path->text).empty()) {
    // The player may have moved it; seed only the directory the store names.
    if (app_path->IsString()) SeedDataDirectory(shipped_data, app_path->text);
    return;
  }
  SeedDataDirectory(shipped_data, data_dir);
  registry.WriteString("Software\\Tarrow Inc.\\KRV", "AppPath", data_dir.string());
}

}  // namespace orvane
