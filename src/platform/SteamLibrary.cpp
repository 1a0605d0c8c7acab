#include "platform/SteamLibrary.h"

#include <cstdlib>
#include <system_error>

#include "platform/HostPath.h"
#include "platform/KeyValues.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"

namespace orvane {
namespace fs = std::filesystem;
namespace {

fs::path EnvPath(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? fs::path(value) : fs::path();
}

// The path with each component found without regard to letter case.
fs::path Found(const fs::path& path) { return HostPath(path.string()); }

bool IsDirectory(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

fs::path RealPath(const fs::path& path) {
  std::error_code ec;
  fs::path real = fs::canonical(path, ec);
  return ec ? path.lexically_normal() : real;
}

bool IsUnder(const fs::path& path, const fs::path& base) {
  const std::string p = path.string();
  const std::string b = base.string();
  return !b.empty() && p.compare(0, b.size(), b) == 0 &&
         (p.size() == b.size() || p[b.size()] == '/');
}

fs::path FlatpakHome(const SteamEnvironment& env) {
  return env.home / ".var" / "app" / std::string(kFlatpakSteamId);
}

// A Steam file's tree; nullopt when the file is missing (no problem) or
// cannot be read. A syntax error adds a problem and keeps what came before.
std::optional<KvNode> ReadSteamFile(const fs::path& path, std::vector<FileError>* problems) {
  auto note = [&](int line, std::string problem) {
    if (problems != nullptr) problems->emplace_back(path.string(), line, std::move(problem));
  };
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) return std::nullopt;
  if (fs::is_directory(status)) {
    note(0, "is a directory, not a file");
    return std::nullopt;
  }
  std::string bytes;
  try {
    bytes = ReadFileBytes(path.string());
  } catch (const FileError& e) {
    note(0, e.problem());
    return std::nullopt;
  }
  KeyValues kv = ParseKeyValues(bytes);
  if (!kv.error.empty()) note(kv.error_line, kv.error);
  return std::move(kv.root);
}

bool IsNumber(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

unsigned long long ParseFlags(std::string_view text) {
  unsigned long long value = 0;
  for (char c : Trim(text)) {
    if (c < '0' || c > '9') break;
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > (1ull << 40)) break;  // no more flags than that; stop before it wraps
  }
  return value;
}

// A single directory name: a manifest naming a path elsewhere is not followed.
bool IsPlainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\") == std::string_view::npos;
}

bool SameDirectory(const fs::path& a, const fs::path& b) { return RealPath(a) == RealPath(b); }

}  // namespace

SteamEnvironment SteamEnvironmentFromProcess() {
  SteamEnvironment env;
  env.home = EnvPath("HOME");
  env.xdg_data_home = EnvPath("XDG_DATA_HOME");
  env.steam_dir = EnvPath("STEAM_DIR");
  return env;
}

std::vector<SteamRoot> FindSteamRoots(const SteamEnvironment& env) {
  std::vector<SteamRoot> roots;
  if (env.home.empty()) return roots;
  const fs::path& home = env.home;
  const fs::path data_home =
      env.xdg_data_home.empty() ? home / ".local" / "share" : env.xdg_data_home;
  const fs::path flatpak = FlatpakHome(env);
  std::vector<fs::path> candidates;
  if (!env.steam_dir.empty()) candidates.push_back(env.steam_dir);
  candidates.insert(candidates.end(),
                    {home / ".steam" / "root", home / ".steam" / "steam", data_home / "Steam",
                     home / ".local" / "share" / "Steam", home / ".steam" / "debian-installation",
                     flatpak / ".local" / "share" / "Steam", flatpak / "data" / "Steam",
                     home / "snap" / "steam" / "common" / ".local" / "share" / "Steam"});
  const fs::path real_flatpak = RealPath(flatpak);
  std::vector<fs::path> seen;
  for (const fs::path& candidate : candidates) {
    if (!IsDirectory(Found(candidate / "steamapps"))) continue;
    const fs::path real = RealPath(candidate);
    bool known = false;
    for (const fs::path& s : seen) known = known || s == real;
    if (known) continue;
    seen.push_back(real);
    roots.push_back({candidate, IsUnder(real, real_flatpak)});
  }
  return roots;
}

std::vector<fs::path> SteamLibraries(const fs::path& root, std::vector<FileError>* problems) {
  std::vector<fs::path> libraries = {root};
  std::vector<fs::path> seen = {RealPath(root)};
  auto add = [&](std::string_view path) {
    if (Trim(path).empty()) return;
    const fs::path library = fs::path(std::string(path));
    const fs::path real = RealPath(library);
    for (const fs::path& s : seen) {
      if (s == real) return;
    }
    seen.push_back(real);
    libraries.push_back(library);
  };
  const std::optional<KvNode> file =
      ReadSteamFile(Found(root / "steamapps" / "libraryfolders.vdf"), problems);
  const KvNode* folders = file ? file->Find("libraryfolders") : nullptr;
  if (folders == nullptr) return libraries;
  for (const KvNode& entry : folders->children) {
    if (entry.block) {
      add(entry.ValueOf("path"));  // "0" { "path" "..." "apps" {...} }
    } else if (IsNumber(entry.key)) {
      add(entry.value);  // before mid-2021: "1" "/path"
    }
  }
  return libraries;
}

std::string InstalledAppDirName(const fs::path& library, std::string_view app_id,
                                std::vector<FileError>* problems) {
  const fs::path manifest_path =
      Found(library / "steamapps" / ("appmanifest_" + std::string(app_id) + ".acf"));
  const std::optional<KvNode> manifest = ReadSteamFile(manifest_path, problems);
  const KvNode* app = manifest ? manifest->Find("AppState") : nullptr;
  if (app == nullptr || (ParseFlags(app->ValueOf("StateFlags")) & 4u) == 0) return "";
  std::string installdir = app->ValueOf("installdir");
  return IsPlainName(installdir) ? installdir : std::string();
}

fs::path RealDirectory(const fs::path& path) { return RealPath(path); }

SteamSearch FindSteamApp(const SteamEnvironment& env, std::string_view app_id) {
  SteamSearch search;
  for (const SteamRoot& root : FindSteamRoots(env)) {
    for (const fs::path& library : SteamLibraries(root.path, &search.problems)) {
      const std::string installdir = InstalledAppDirName(library, app_id, &search.problems);
      if (installdir.empty()) continue;
      const fs::path game_dir = Found(library / "steamapps" / "common" / installdir);
      if (!IsDirectory(game_dir)) continue;
      search.game = SteamGame{game_dir, library, root.path, root.flatpak};
      return search;
    }
  }
  return search;
}

bool IsSteamGameDirectory(const fs::path& dir) {
  const fs::path normal = dir.lexically_normal();
  fs::path path = normal.has_filename() ? normal : normal.parent_path();
  const fs::path common = path.parent_path();
  return path.has_filename() && EqualsNoCase(common.filename().string(), "common") &&
         EqualsNoCase(common.parent_path().filename().string(), "steamapps");
}

std::optional<SteamGame> SteamGameAt(const fs::path& dir, const SteamEnvironment& env) {
  if (!IsSteamGameDirectory(dir)) return std::nullopt;
  const fs::path normal = dir.lexically_normal();
  const fs::path game_dir = normal.has_filename() ? normal : normal.parent_path();
  SteamGame game{game_dir, game_dir.parent_path().parent_path().parent_path(), {}, false};
  for (const SteamRoot& root : FindSteamRoots(env)) {
    for (const fs::path& library : SteamLibraries(root.path, nullptr)) {
      if (SameDirectory(library, game.library)) {
        game.root = root.path;
        game.flatpak = root.flatpak;
        return game;
      }
    }
  }
  // A library no root lists (a copied or unmounted one): Flatpak's when it lies in Flatpak's home.
  game.flatpak = IsUnder(RealPath(game_dir), RealPath(FlatpakHome(env)));
  return game;
}

std::string SteamCompatTool(const fs::path& root, std::string_view app_id,
                            std::vector<FileError>* problems) {
  const std::optional<KvNode> config =
      ReadSteamFile(Found(root / "config" / "config.vdf"), problems);
  if (!config) return "";
  const KvNode* app = config->Path(
      {"InstallConfigStore", "Software", "Valve", "Steam", "CompatToolMapping", app_id});
  return app != nullptr ? TrimCopy(app->ValueOf("name")) : std::string();
}

}  // namespace orvane
