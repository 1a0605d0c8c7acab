// Half-Life owned through Steam: Steam's roots in the player's home, the
// libraries each root lists in libraryfolders.vdf, app 70's manifest, and
// the compatibility tool (Proton) the player chose for it in config.vdf.
// Nothing here writes; Steam owns these files and moves games at will.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileError.h"

namespace orvane {

inline constexpr std::string_view kHalfLifeAppId = "70";
inline constexpr std::string_view kFlatpakSteamId = "com.valvesoftware.Steam";

// Where Steam may live; read from the process environment once, made by tests.
// An empty home means no Steam is looked for.
struct SteamEnvironment {
  std::filesystem::path home;           // $HOME
  std::filesystem::path xdg_data_home;  // $XDG_DATA_HOME; empty: home/.local/share
  std::filesystem::path steam_dir;      // $STEAM_DIR, tried first when set
};

SteamEnvironment SteamEnvironmentFromProcess();

struct SteamRoot {
  std::filesystem::path path;
  bool flatpak = false;  // Flatpak's Steam, started through flatpak run
};

// The roots that hold a steamapps directory (any letter case), in the order
// they are tried, each real directory once (~/.steam/steam is usually a link).
std::vector<SteamRoot> FindSteamRoots(const SteamEnvironment& env);

// The root itself, then every library its libraryfolders.vdf lists (both the
// current format and the one before mid-2021), each once. A file that cannot
// be read or understood adds a problem; what it held before that still counts.
std::vector<std::filesystem::path> SteamLibraries(const std::filesystem::path& root,
                                                  std::vector<FileError>* problems);

struct SteamGame {
  std::filesystem::path game_dir;  // <library>/steamapps/common/<installdir>
  std::filesystem::path library;
  std::filesystem::path root;  // empty when no Steam root lists the library
  bool flatpak = false;
};

struct SteamSearch {
  std::optional<SteamGame> game;
  std::vector<FileError> problems;
};

// The first library, in root and library order, whose manifest of app_id says
// the app is fully installed and whose install directory exists.
SteamSearch FindSteamApp(const SteamEnvironment& env, std::string_view app_id);

// The install directory's name ("Half-Life") that the manifest of app_id in
// library/steamapps gives when it says the app is fully installed; "" when
// there is no such manifest or it names a path rather than a directory.
std::string InstalledAppDirName(const std::filesystem::path& library, std::string_view app_id,
                                std::vector<FileError>* problems);

// The real directory a path leads to, for telling two spellings of one apart.
std::filesystem::path RealDirectory(const std::filesystem::path& path);

// A directory of a Steam library's games: <library>/steamapps/common/<name>.
bool IsSteamGameDirectory(const std::filesystem::path& dir);

// The Steam install holding dir, with the root that lists its library when
// one does; nullopt when dir is no Steam game directory.
std::optional<SteamGame> SteamGameAt(const std::filesystem::path& dir, const SteamEnvironment& env);

// The compatibility tool the player chose for app_id in root's config.vdf
// ("proton_9"), "" when none: the game then runs natively.
std::string SteamCompatTool(const std::filesystem::path& root, std::string_view app_id,
                            std::vector<FileError>* problems);

}  // namespace orvane
