// The demo: a small Half-Life directory with all ten mods, a few maps and
// player models and the bot libraries the catalogues look for, whose game
// program is a stand-in that shows the command line it got. The README's run
// command uses it when no Half-Life is installed; tests use it too.
#pragma once

#include <filesystem>

namespace orvane {

inline constexpr const char* kDemoNotice =
    "This is the Orvane demo game tree, not a real Half-Life installation.\r\n"
    "Its game program hl.exe is a stand-in that shows the command line that\r\n"
    "the launcher started it with. Every file here was generated.\r\n";

// Creates (or completes) the tree in hl_dir; existing files are left as they
// are, so the player's edits survive a rebuild. game_program is copied as
// hl.exe when given.
void BuildDemoGameTree(const std::filesystem::path& hl_dir,
                       const std::filesystem::path& game_program);

// The demo laid out as Steam installs Half-Life: a Steam root in steam_root
// (steamapps/libraryfolders.vdf, Half-Life's manifest, steamapps/common/
// Half-Life with hl_linux and no hl.exe) and the stand-in Steam client copied
// to bin_dir/steam, to be put first on the PATH. Returns the game directory.
std::filesystem::path BuildDemoSteamLibrary(const std::filesystem::path& steam_root,
                                            const std::filesystem::path& bin_dir,
                                            const std::filesystem::path& steam_program);

// The demo laid out as steamcmd's +force_install_dir lays out Half-Life
// Dedicated Server: the game tree without hl.exe, steamapps/appmanifest_90.acf,
// a server.cfg for Counter-Strike, and a stand-in hlds_run that records
// where and with which arguments it was started (kDemoServerRecord) and stops.
inline constexpr const char* kDemoServerRecord = "orvane-demo-server.txt";
void BuildDemoServer(const std::filesystem::path& server_dir);

// The launcher's own files of the demo in its data directory (Counter-Strike's
// bot roster, CS_Bots.ini), when missing.
void BuildDemoAppFiles(const std::filesystem::path& data_dir);

}  // namespace orvane
