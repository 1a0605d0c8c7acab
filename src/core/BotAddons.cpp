#include "core/BotAddons.h"

#include <algorithm>
#include <stdexcept>

#include "core/GameDirectory.h"
#include "core/LauncherSettings.h"
#include "core/Liblist.h"
#include "core/MetamodPlugins.h"
#include "core/ModTable.h"
#include "platform/DedicatedServer.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/ProfileFile.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"

namespace orvane {
namespace {

// KRV.ini's record of the game files a launch made where there were none:
// each path, below HLPath, with a digest of the bytes last written there.
// A file still holding those bytes is ours, and a change of it keeps no copy.
constexpr std::string_view kMadeFilesSection = "Made by Orvane";

std::string MadeFileKey(const LauncherState& state, const std::string& path) {
  const std::string prefix = state.hl_path + "\\";
  return path.rfind(prefix, 0) == 0 ? path.substr(prefix.size()) : path;
}

std::string WithSeparators(std::string_view path, char separator) {
  std::string out(path);
  for (char& c : out) {
    if (c == '\\' || c == '/') c = separator;
  }
  return out;
}

std::string LibraryFor(const BotLibraries& libraries, GameBuild build) {
  return build == GameBuild::kWindows ? WithSeparators(libraries.dll, '\\')
                                      : WithSeparators(libraries.dll_linux, '/');
}

bool IsMetamodLibrary(std::string_view library) {
  return ToLowerAscii(WithSeparators(library, '/')).rfind("addons/metamod/", 0) == 0;
}

bool NamesCatalogueBot(const BotCatalogue& catalogue, std::string_view library) {
  return std::any_of(catalogue.bots.begin(), catalogue.bots.end(), [&](const CatalogueBot& bot) {
    return (!bot.libraries.dll.empty() && SamePluginPath(bot.libraries.dll, library)) ||
           (!bot.libraries.dll_linux.empty() && SamePluginPath(bot.libraries.dll_linux, library));
  });
}

}  // namespace

BotLibraries ReadBotLibraries(const ProfileIndex& catalogue, std::string_view bot) {
  BotLibraries libraries;
  libraries.dll = catalogue.Text(bot, "dll", "");
  libraries.dll_linux = catalogue.Text(bot, "dll_linux", "");
  const std::string metamod = ToLowerAscii(Trim(catalogue.Text(bot, "metamod", "no")));
  if (metamod == "yes") {
    libraries.metamod = MetamodUse::kYes;
  } else if (metamod == "both") {
    libraries.metamod = MetamodUse::kBoth;
  }
  return libraries;
}

BotCatalogue ReadBotCatalogue(const LauncherState& state, std::string_view mod_key) {
  BotCatalogue catalogue;
  const ModInfo* mod = FindMod(mod_key);
  if (mod == nullptr || mod->catalogue.empty()) return catalogue;
  const std::string path = state.app_path + "\\" + std::string(mod->catalogue);
  std::string text;
  if (FileExists(path) || DirectoryExists(path)) text = ReadFileBytes(path);
  const ProfileIndex index(text);
  const std::string dispo = index.Text("Default", "dispo", "");
  int count = ParseProfileInt(dispo, 0);
  // A count past the bound, or so large that it wrapped, as written in the file.
  if (count > kMaxCatalogueBots || TrimCopy(dispo).size() > 9) {
    catalogue.problem =
        FileError(HostPath(path).string(), 0,
                  "[Default] dispo=" + TrimCopy(dispo) + " lists more bot add-ons than the " +
                      std::to_string(kMaxCatalogueBots) + " a catalogue may hold")
            .what();
    count = std::min(count, kMaxCatalogueBots);
  }
  for (int i = 1; i <= count; ++i) {
    std::string name = index.Text("Default", "Bot" + std::to_string(i), "");
    if (name.empty()) continue;  // a gap in the list names no add-on
    BotLibraries libraries = ReadBotLibraries(index, name);
    std::string bot_file = WithSeparators(index.Text(name, "botfile", "bot.cfg"), '\\');
    catalogue.bots.push_back({std::move(name), std::move(libraries), std::move(bot_file)});
  }
  return catalogue;
}

CatalogueBot BotCatalogue::Named(const std::string& name) const {
  for (const CatalogueBot& bot : bots) {
    if (bot.name == name) return bot;
  }
  return {name, {}, {}};
}

GameBuild RunningBuild(const LauncherState& state) {
  if (state.hl_path.empty()) return GameBuild::kWindows;
  if (const std::string server = ServerProgramOf(state.hl_path, state.hl_exe); !server.empty()) {
    return IsWindowsServerProgram(server) ? GameBuild::kWindows : GameBuild::kLinux;
  }
  const std::optional<SteamGame> game = SteamGameAt(HostPath(state.hl_path), state.steam_env);
  if (!game) return GameBuild::kWindows;
  if (!game->root.empty() && !SteamCompatTool(game->root, kHalfLifeAppId, nullptr).empty()) {
    return GameBuild::kWindows;  // Proton runs the Windows build
  }
  return GameBuild::kLinux;
}

ModLoader ReadModLoader(const LauncherState& state, std::string_view mod_key,
                        const BotCatalogue& catalogue, GameBuild build) {
  ModLoader loader;
  loader.build = build;
  loader.dedicated_server = !ServerProgramOf(state.hl_path, state.hl_exe).empty();
  loader.mod_dir = DirsOf(state, mod_key).dir;
  loader.liblist_path = loader.mod_dir + "\\liblist.gam";
  loader.key = build == GameBuild::kWindows ? "gamedll" : "gamedll_linux";
  loader.other_key = build == GameBuild::kWindows ? "gamedll_linux" : "gamedll";
  if (loader.mod_dir.empty()) return loader;
  loader.liblist = ReadFileIfExists(loader.liblist_path);
  if (!loader.liblist) return loader;
  loader.library = LiblistValue(*loader.liblist, loader.key);
  const auto installed = [&](const std::string& library) {
    return IsMetamodLibrary(library) && FileExists(loader.mod_dir + "\\" + library);
  };
  if (installed(loader.library)) {
    loader.metamod = loader.library;
  } else if (NamesCatalogueBot(catalogue, loader.library)) {
    // A bot took Metamod's place at an earlier launch: the mod's own copy says what it was.
    if (const auto copy = ReadFileIfExists(BackupPathOf(loader.liblist_path))) {
      const std::string original = LiblistValue(*copy, loader.key);
      if (installed(original)) loader.metamod = original;
    }
  }
  return loader;
}

BotLoad PlanBotLoad(const ModLoader& loader, const CatalogueBot& bot) {
  BotLoad load;
  load.library = LibraryFor(bot.libraries, loader.build);
  const bool linux_build = loader.build == GameBuild::kLinux;
  if (load.library.empty()) {
    if (!linux_build) {
      load.problem = "its catalogue entry names no library (dll)";
    } else if (bot.libraries.dll.empty()) {
      load.problem = "it has no Linux library (its catalogue entry names no dll_linux)";
    } else {
      load.problem =
          std::string("it has no Linux library (its catalogue entry names no dll_linux); ") +
          (loader.dedicated_server
               ? "the Windows dedicated server (hlds.exe, through Wine) would run its Windows "
                 "library"
               : "with Proton turned on for Half-Life in Steam, its Windows library would run");
    }
  } else if (!FileExists(loader.mod_dir + "\\" + load.library)) {
    load.problem = "its library " + ShownPath(loader.mod_dir + "\\" + load.library) + " is missing";
  } else if (bot.libraries.metamod == MetamodUse::kYes && loader.metamod.empty()) {
    load.problem = "it runs only as a Metamod plugin, and " + ShownPath(loader.liblist_path) +
                   " does not load Metamod for " + (linux_build ? "Linux" : "Windows") + " (" +
                   loader.key + ")";
  }
  if (bot.libraries.metamod != MetamodUse::kNo && !loader.metamod.empty()) {
    load.method = BotLoad::Method::kMetamodPlugin;
  } else if (!loader.metamod.empty()) {
    load.warning = bot.name + " cannot run as a Metamod plugin, so it takes Metamod's place in " +
                   ShownPath(loader.liblist_path) +
                   ": Metamod and its plugins (AMX Mod X and others) will not load for this game.";
  }
  return load;
}

BotLoad PutBotLoader(const LauncherState& state, std::string_view mod_key, const std::string& bot,
                     const std::vector<std::string>& liblist_template, FileBatch& batch) {
  const BotCatalogue catalogue = ReadBotCatalogue(state, mod_key);
  const GameBuild build = RunningBuild(state);
  const ModLoader loader = ReadModLoader(state, mod_key, catalogue, build);
  const CatalogueBot chosen = catalogue.Named(bot);
  const BotLoad load = PlanBotLoad(loader, chosen);
  if (!loader.liblist) {
    // A mod without liblist.gam gets the whole file of its release.
    std::string text = JoinCrLf(liblist_template);
    if (build == GameBuild::kLinux && !load.library.empty()) {
      text = SetLiblistValue(text, loader.key, load.library, loader.other_key);
    }
    PutEditedGameFile(state, batch, loader.liblist_path, std::nullopt, std::move(text));
    return load;
  }
  if (load.library.empty()) return load;  // nothing to load: the file stays as it is
  if (load.method == BotLoad::Method::kGameLibrary) {
    PutEditedGameFile(state, batch, loader.liblist_path, loader.liblist,
                      SetLiblistValue(*loader.liblist, loader.key, load.library, loader.other_key));
    return load;
  }
  if (loader.library != loader.metamod) {  // Metamod back where a bot had taken its place
    PutEditedGameFile(
        state, batch, loader.liblist_path, loader.liblist,
        SetLiblistValue(*loader.liblist, loader.key, loader.metamod, loader.other_key));
  }
  std::vector<std::string> others;
  for (const CatalogueBot& listed : catalogue.bots) {
    if (listed.name == bot) continue;
    for (const std::string* library : {&listed.libraries.dll, &listed.libraries.dll_linux}) {
      const bool mine = SamePluginPath(*library, chosen.libraries.dll) ||
                        SamePluginPath(*library, chosen.libraries.dll_linux);
      if (!library->empty() && !mine) others.push_back(WithSeparators(*library, '/'));
    }
  }
  const std::string plugins = loader.mod_dir + "\\addons\\metamod\\plugins.ini";
  const std::optional<std::string> before = ReadFileIfExists(plugins);
  PutEditedGameFile(
      state, batch, plugins, before,
      SetMetamodPlugin(before.value_or(""), build, WithSeparators(load.library, '/'), others));
  return load;
}

void PutEditedGameFile(const LauncherState& state, FileBatch& batch, const std::string& path,
                       const std::optional<std::string>& before, std::string after) {
  if (before && *before == after) return;
  const std::string key = MadeFileKey(state, path);
  const std::string made = GetProfileString(KrvIniPath(state), kMadeFilesSection, key, "");
  const bool ours = !before || (!made.empty() && made == DigestHex(*before));
  if (!ours) {
    const std::string copy = BackupPathOf(path);
    if (!FileExists(copy)) batch.Put(copy, *before);
  } else {
    try {
      WriteProfileString(batch, KrvIniPath(state), kMadeFilesSection, key, DigestHex(after));
    } catch (const std::invalid_argument&) {
      // A path the profile format cannot hold as a key ("=" in it) goes
      // unnoted: a later change then keeps a copy of our own file, which loses nothing.
    }
  }
  batch.Put(path, std::move(after));
}

std::string BackupPathOf(std::string_view path) {
  const size_t name_at = path.find_last_of("\\/");
  const size_t dot = path.rfind('.');
  const bool has_extension =
      dot != std::string_view::npos && (name_at == std::string_view::npos || dot > name_at);
  return std::string(has_extension ? path.substr(0, dot) : path) + ".bak";
}

std::vector<std::pair<std::string, std::string>> LaunchEditedFiles(const LauncherState& state,
                                                                   std::string_view mod_key) {
  std::vector<std::pair<std::string, std::string>> files;
  const ModInfo* mod = FindMod(mod_key);
  if (mod == nullptr || mod->catalogue.empty()) return files;
  const auto add = [&files](std::string file) {
    for (const auto& [known, copy] : files) {
      if (EqualsNoCase(known, file)) return;
    }
    std::string copy = BackupPathOf(file);
    files.emplace_back(std::move(file), std::move(copy));
  };
  add("liblist.gam");
  add("addons\\metamod\\plugins.ini");
  try {
    for (const CatalogueBot& bot : ReadBotCatalogue(state, mod_key).bots) add(bot.bot_file);
  } catch (const FileError&) {
    // An unreadable catalogue names no command file; the others are still restored.
  }
  return files;
}

}  // namespace orvane
