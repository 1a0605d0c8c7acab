// Builds throw-away game trees for tests: a Half-Life directory with any mods
// and files, the launcher's data directory (AppPath), its registry store and
// a Wine prefix, all below one temporary directory removed afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/LauncherState.h"
#include "platform/RegistryStore.h"

namespace orvane::test {

void WriteHostFile(const std::filesystem::path& path, std::string_view bytes);
// text with its one occurrence of `from` made `to` (std::logic_error, a
// test's failure, when it is not there exactly once): a file's expected
// bytes after an edit.
std::string Replaced(std::string text, const std::string& from, const std::string& to);
std::string ReadHostFile(const std::filesystem::path& path);
// The file's bytes, or "" when it is missing (for polling what a process writes).
std::string ReadHostFileOr(const std::filesystem::path& path);

class GameTree {
 public:
  GameTree();
  ~GameTree();
  GameTree(const GameTree&) = delete;
  GameTree& operator=(const GameTree&) = delete;

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path hl_dir() const { return hl_dir_; }
  std::filesystem::path app_dir() const { return root_ / "orvane-data"; }
  // Laid out as the launcher finds them with XDG_CONFIG_HOME=config_home().
  std::filesystem::path config_home() const { return root_ / "config"; }
  std::filesystem::path registry_file() const { return config_home() / "orvane" / "registry.reg"; }
  std::filesystem::path wine_prefix() const { return root_ / "wine"; }
  std::string HLPath() const { return hl_dir().string(); }
  // A path below Half-Life ("bot\\bot.cfg") as messages show it: the host path.
  std::string Shown(std::string relative) const {
    for (char& c : relative) {
      if (c == '\\') c = '/';
    }
    return relative.empty() ? HLPath() : (hl_dir() / relative).string();
  }
  std::string AppPath() const { return app_dir().string(); }

  // Paths below the Half-Life directory may use "\" as the game does.
  GameTree& Dir(std::string_view relative);
  GameTree& File(std::string_view relative, std::string_view bytes = "");
  GameTree& AppFile(std::string_view relative, std::string_view bytes);
  // Copies the launcher's shipped data files into AppPath.
  GameTree& ShippedData();

  // The store holds the launcher key with these values (strings unless the
  // value text already has a type prefix such as dword:).
  GameTree& Registry(const std::vector<std::pair<std::string, std::string>>& values);
  // The launcher key with AppPath and HLPath of this tree, plus more values.
  GameTree& StandardRegistry(const std::vector<std::pair<std::string, std::string>>& more = {});
  GameTree& RegistryText(std::string_view text);
  // The Wine prefix's system.reg holds the Valve key.
  GameTree& WineInstallPath(std::string_view key, std::string_view install_path);

  // Steam, laid out as its client lays it out: home() is the $HOME where
  // Steam's roots are looked for (State() and RunCtl look there).
  std::filesystem::path home() const { return root_ / "home"; }
  std::filesystem::path SteamRoot() const { return home() / ".local" / "share" / "Steam"; }
  // Half-Life's manifest (app 70) in library/steamapps.
  GameTree& SteamManifest(const std::filesystem::path& library, std::string_view installdir,
                          std::string_view state_flags = "4");
  // Moves the Half-Life directory into library (default SteamRoot()) as
  // Steam installs it: steamapps/common/Half-Life with hl_linux and no
  // hl.exe, and its manifest. hl_dir() and HLPath() follow it.
  GameTree& InSteamLibrary(std::filesystem::path library = {});
  // Metamod (metamod-p's layout) installed in a mod and loaded by its
  // liblist.gam for both builds, with an empty plugins.ini.
  GameTree& Metamod(std::string_view mod_dir);
  // Half-Life Dedicated Server's program in the Half-Life directory:
  // hlds_run or hlds_linux as a stand-in (ServerRecorder's script), hlds.exe
  // as a Windows file for a stand-in Wine. Exits with $ORVANE_TEST_SERVER_EXIT.
  GameTree& DedicatedServer(std::string_view program = "hlds_run");
  // A script recording its working directory and arguments, one a line, in ServerRecord().
  std::filesystem::path ServerRecorder();
  std::filesystem::path ServerRecord() const { return root_ / "server-started.txt"; }
  // Moves the Half-Life directory to dir (hl_dir() and HLPath() follow it).
  GameTree& MoveTo(const std::filesystem::path& dir);
  // The dedicated server's manifest (app 90) in library/steamapps.
  GameTree& ServerManifest(const std::filesystem::path& library);
  // Steam's config.vdf chooses Proton for Half-Life (it then runs the Windows build).
  GameTree& ProtonForHalfLife();

  std::string Read(std::string_view relative) const;  // a file below Half-Life
  bool Exists(std::string_view relative) const;

  LauncherState State() const;  // host_data_dir = AppPath
  RegistryStore Store() const;

 private:
  std::filesystem::path HlFile(std::string_view relative) const;
  std::filesystem::path root_;
  std::filesystem::path hl_dir_;
};

}  // namespace orvane::test
