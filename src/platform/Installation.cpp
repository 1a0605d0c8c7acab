#include "platform/Installation.h"

#include <system_error>

#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"

namespace orvane {
namespace fs = std::filesystem;

namespace {

// A shipped profile file lists under [Default] "replaces" the digests of
// the editions it succeeds; an installed file holding one of them, as an
// older launcher left it, gives way. One the player changed never matches.
bool ReplacesInstalled(const fs::path& shipped, const fs::path& installed) {
  std::error_code ec;
  if (shipped.extension() != ".ini" || fs::file_size(installed, ec) > kMaxFileBytes || ec) {
    return false;
  }
  const std::string text = ReadFileBytes(shipped.string());
  const auto replaces = FindProfileValue(text, "Default", "replaces");
  if (!replaces) return false;
  try {
    const std::string digest = DigestHex(ReadFileBytes(installed.string()));
    return Contains(*replaces, digest);
  } catch (const FileError&) {
    return false;  // an unreadable file of the player's is left as it is
  }
}

}  // namespace

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
    // The iterator's paths begin with source: no need to resolve links
    // (fs::relative stats every component of both, at every start).
    const fs::path relative = it->path().lexically_relative(source);
    const fs::path destination = target / relative;
    if (it->is_directory()) {
      fs::create_directories(destination, ec);
    } else if (it->is_regular_file() && !fs::exists(destination)) {
      if (CopyFileNoOverwrite(it->path().string(), destination.string())) ++copied;
    } else if (it->is_regular_file() && ReplacesInstalled(it->path(), destination)) {
      // A newer launcher's data file (a bot catalogue that knows more
      // add-ons) takes the place of the one an older launcher left, which
      // is kept beside it.
      const std::string old = destination.string() + ".old";
      std::error_code copy_ec;
      fs::copy_file(destination, old, fs::copy_options::overwrite_existing, copy_ec);
      if (!copy_ec) {
        WriteFileBytes(destination.string(), ReadFileBytes(it->path().string()));
        ++copied;
      }
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
