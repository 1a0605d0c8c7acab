// How the bot add-on chosen for Counter-Strike, TFC or Front Line Force is
// loaded by the build of Half-Life that will run: its catalogue entry's
// libraries ("dll", "dll_linux") and Metamod kind ("metamod"), whether the
// mod loads Metamod, and what the launch changes for it: the one line of
// liblist.gam that loads the game library, or the bot's line of Metamod's
// plugins.ini. The player's own lines stay, and a one-time ".bak" copy is
// kept before the first change of a file Orvane did not make.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/LauncherState.h"

namespace orvane {

class FileBatch;
class ProfileIndex;

// "metamod": no, loaded as the game library only (also when missing);
// yes, only as a Metamod plugin; both.
enum class MetamodUse { kNo, kYes, kBoth };

struct BotLibraries {
  std::string dll;        // the Windows library, relative to the mod directory
  std::string dll_linux;  // the Linux library; "" when the add-on has no Linux build
  MetamodUse metamod = MetamodUse::kNo;
};

struct CatalogueBot {
  std::string name;
  BotLibraries libraries;
  std::string bot_file;  // "botfile": its command file, relative to the mod directory
};

struct BotCatalogue {
  std::vector<CatalogueBot> bots;  // in catalogue order
  std::string problem;             // a broken count, said as a file error; "" when none
  // The bot of that name; one with no libraries when the catalogue lists none.
  CatalogueBot Named(const std::string& name) const;
};

// No catalogue lists more add-ons than this; a larger "dispo" is the file's
// problem, not a count to obey.
inline constexpr int kMaxCatalogueBots = 1000;

BotLibraries ReadBotLibraries(const ProfileIndex& catalogue, std::string_view bot);
// The mod's catalogue in AppPath (none for a mod without one). Throws
// FileError when it cannot be read.
BotCatalogue ReadBotCatalogue(const LauncherState& state, std::string_view mod_key);

// Steam's Half-Life without Proton runs its Linux build; anything else the
// Windows one.
GameBuild RunningBuild(const LauncherState& state);

// What the mod's liblist.gam loads for one build.
struct ModLoader {
  GameBuild build = GameBuild::kWindows;
  std::string mod_dir;
  std::string liblist_path;
  std::optional<std::string> liblist;  // its text; nullopt when there is none
  std::string key;                     // "gamedll" or "gamedll_linux"
  std::string other_key;
  std::string library;  // what that line loads now; "" when none
  // Metamod's library when the mod loads Metamod for this build: named by
  // the line, or by the mod's own copy (liblist.bak) when a bot took the
  // line's place since. "" when it does not.
  std::string metamod;
  bool dedicated_server = false;  // a dedicated server, not the game, loads it
};
// Throws FileError when liblist.gam or its copy cannot be read.
ModLoader ReadModLoader(const LauncherState& state, std::string_view mod_key,
                        const BotCatalogue& catalogue, GameBuild build);

struct BotLoad {
  enum class Method { kGameLibrary, kMetamodPlugin };
  Method method = Method::kGameLibrary;
  std::string library;  // the bot's library for the build ("\" for Windows, "/" for Linux)
  std::string problem;  // why the add-on cannot run here; "" when it can
  std::string warning;  // what the player is told before the start; "" for nothing
};
BotLoad PlanBotLoad(const ModLoader& loader, const CatalogueBot& bot);

// Into the batch, for the bot of the mod's catalogue: liblist.gam with the
// line that loads it (the whole template when the mod has no liblist.gam),
// or, as a Metamod plugin, its line in addons\metamod\plugins.ini. Returns
// the plan, whose warning the launch has already shown.
BotLoad PutBotLoader(const LauncherState& state, std::string_view mod_key, const std::string& bot,
                     const std::vector<std::string>& liblist_template, FileBatch& batch);

// A file of the game or an add-on, edited: nothing is put when after equals
// before; before its first change a file Orvane did not write keeps a copy
// under BackupPathOf (never overwritten). What a launch writes into a file
// it made is noted in KRV.ini, so a file still as Orvane left it keeps no
// copy. before is nullopt for a file that does not exist.
void PutEditedGameFile(const LauncherState& state, FileBatch& batch, const std::string& path,
                       const std::optional<std::string>& before, std::string after);
// "PODBot\podbot.cfg" -> "PODBot\podbot.bak"; a name without an extension gets ".bak".
std::string BackupPathOf(std::string_view path);

// The files a launch may edit, for Restore: liblist.gam, Metamod's
// plugins.ini and every catalogue bot's command file, relative to the mod
// directory, each with its copy.
std::vector<std::pair<std::string, std::string>> LaunchEditedFiles(const LauncherState& state,
                                                                   std::string_view mod_key);

}  // namespace orvane
