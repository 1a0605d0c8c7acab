#include "core/LauncherSettings.h"

#include <algorithm>

#include "core/BotAddons.h"
#include "core/GameDirectory.h"
#include "platform/DedicatedServer.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/ProfileFile.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"

namespace orvane {
namespace {

std::string TypeName(uint32_t type) {
  switch (type) {
    case kRegBinary:
      return "binary";
    case kRegDword:
      return "dword";
    case kRegMultiSz:
      return "multi-string";
    default:
      return "type " + std::to_string(type);
  }
}

// Reads a value as a string, as the Windows registry class does: missing is
// empty, another type is an error.
std::string ReadString(const RegistryStore& registry, const std::optional<RegValue>& value,
                       std::string_view name) {
  if (!value) return {};
  if (!value->IsString()) {
    throw FileError(registry.file().string(), 0,
                    "the value \"" + std::string(name) + "\" should be a string but is " +
                        TypeName(value->type));
  }
  return value->text;
}

void ApplyMenuChecks(LauncherState& state) {
  state.close_krv_checked = state.close_krv == "O";
  if (state.auto_start == "O" || state.auto_start.empty()) {
    state.auto_start = "O";
    state.auto_start_checked = true;
  } else {
    state.auto_start_checked = false;
  }
}

}  // namespace

void ReadLauncherSettings(LauncherState& state, RegistryStore& registry) {
  const bool opened = registry.Open();
  if (opened) {
    auto read = [&](std::string& target, std::string_view name) {
      target = ReadString(registry, registry.Read(kLauncherKey, name), name);
    };
    read(state.app_path, "AppPath");
    read(state.hl_path, "HLPath");
    read(state.hl_exe, "HLExe");
    const auto& mods = Mods();
    for (size_t i = 0; i < mods.size(); ++i) {
      read(state.first_markers[i], std::string(mods[i].prefix) + "_First");
    }
    read(state.close_krv, "CloseKRV");
    read(state.auto_start, "AutoStart");
    if (state.app_path.empty()) state.app_path = CurrentDirectory();
  } else {
    // Nothing can be read; the launcher still finds its own files and the game.
    state.app_path = state.host_data_dir;
  }
  state.game_source = state.hl_path.empty() ? GameSource::kNone : GameSource::kStored;
  if (state.hl_path.empty()) {
    state.hl_path =
        ReadString(registry, registry.ReadMachine(kValveKey, "InstallPath"), "InstallPath");
    if (!state.hl_path.empty()) state.game_source = GameSource::kWinePrefix;
  }
  // Neither names the game: Steam's. Nothing is stored, so the launcher
  // follows the game when Steam moves it.
  std::vector<FileError> steam_problems;
  if (state.hl_path.empty()) {
    SteamSearch steam = FindSteamApp(state.steam_env, kHalfLifeAppId);
    if (steam.game) {
      state.hl_path = steam.game->game_dir.string();
      state.game_source = GameSource::kSteam;
    }
    steam_problems = std::move(steam.problems);
  }
  // No game at all: a server machine, where steamcmd installed only the server.
  if (state.hl_path.empty()) {
    SteamSearch server = FindDedicatedServer(state.steam_env);
    if (server.game) {
      state.hl_path = server.game->game_dir.string();
      state.game_source = GameSource::kDedicatedServer;
    }
    steam_problems.insert(steam_problems.end(), server.problems.begin(), server.problems.end());
  }
  // Paths are built as HLPath + "\...", so a stored trailing separator would double.
  while (state.hl_path.size() > 1 &&
         (state.hl_path.back() == '\\' || state.hl_path.back() == '/')) {
    state.hl_path.pop_back();
  }
  if (state.hl_exe.empty()) state.hl_exe = "hl.exe";
  if (!state.hl_path.empty()) SetModDirectories(state);
  ApplyMenuChecks(state);
  if (!opened) {
    throw FileError(registry.file().string(), 0,
                    registry.error() + " (the registry store is left as it is)");
  }
  // Reported after everything else is set: discovery went on with what it could read.
  if (!steam_problems.empty()) throw steam_problems.front();
}

void SetModDirectories(LauncherState& state) {
  const auto& mods = Mods();
  for (size_t i = 0; i < mods.size(); ++i) {
    ModDirs& dirs = state.mod_dirs[i];
    dirs.dir = state.hl_path + "\\" + std::string(mods[i].dir);
    dirs.extra.clear();
    for (std::string_view extra : mods[i].extra_dirs) {
      dirs.extra.push_back(state.hl_path + "\\" + std::string(extra));
    }
  }
  state.valve_maps_dir = state.hl_path + "\\valve\\maps";
  state.valve_models_dir = state.hl_path + "\\valve\\models\\player";
}

const ModDirs& DirsOf(const LauncherState& state, std::string_view mod_key) {
  static const ModDirs kNone;
  const int i = ModIndex(mod_key);
  return i < 0 ? kNone : state.mod_dirs[static_cast<size_t>(i)];
}

std::string KrvIniPath(const LauncherState& state) { return state.app_path + "\\KRV.ini"; }

std::string ReadModSetting(const LauncherState& state, std::string_view mod_key,
                           std::string_view key) {
  return GetProfileString(KrvIniPath(state), mod_key, key, "");
}

void WriteModSetting(const LauncherState& state, std::string_view mod_key, std::string_view key,
                     std::string_view value) {
  // With no mod chosen there is no section to write to.
  if (!mod_key.empty()) WriteProfileString(KrvIniPath(state), mod_key, key, value);
}

std::string GetFirstMap(const LauncherState& state, std::string_view mod_key) {
  std::string map = ReadModSetting(state, mod_key, "First Map");
  if (!Trim(map).empty()) return map;
  const ModInfo* mod = FindMod(mod_key);
  return mod != nullptr ? std::string(mod->default_first_map) : std::string("boot_camp");
}

std::string BotCatalogueValue(const LauncherState& state, std::string_view mod_key,
                              std::string_view bot, std::string_view key) {
  const ModInfo* mod = FindMod(mod_key);
  if (mod == nullptr || mod->catalogue.empty()) return "";
  return GetProfileString(state.app_path + "\\" + std::string(mod->catalogue), bot, key, "");
}

bool LoadBotChoice(LauncherState& state, std::string_view mod_key) {
  BotChoice& choice = state.bot_choice;
  choice = BotChoice{};
  const std::string last = GetProfileString(KrvIniPath(state), mod_key, "Last Bot", "");
  const ModInfo* mod = FindMod(mod_key);
  if (mod == nullptr || mod->catalogue.empty()) return false;
  BotCatalogue catalogue;
  ModLoader loader;
  try {
    catalogue = ReadBotCatalogue(state, mod_key);
    loader = ReadModLoader(state, mod_key, catalogue, RunningBuild(state));
  } catch (const FileError& e) {
    choice.problem = e.what();
    return false;
  }
  choice.problem = catalogue.problem;
  if (loader.mod_dir.empty()) return false;
  for (const CatalogueBot& bot : catalogue.bots) {
    const BotLoad load = PlanBotLoad(loader, bot);
    if (load.problem.empty()) {
      choice.names.push_back(bot.name);
    } else {
      choice.unusable.emplace_back(bot.name, load.problem);
    }
  }
  std::stable_sort(choice.names.begin(), choice.names.end(),
                   [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
  const std::string_view wanted = Trim(last);
  for (size_t i = 0; i < choice.names.size(); ++i) {
    if (Trim(choice.names[i]) == wanted) {
      choice.selected = static_cast<int>(i);
      choice.text = choice.names[i];
      break;
    }
  }
  return !choice.names.empty();
}

bool ModButtonShown(LauncherState& state, const ModInfo& mod) {
  const std::string& dir = DirsOf(state, mod.key).dir;
  if (dir.empty() || !DirectoryExists(dir)) return false;
  switch (mod.rule) {
    case ButtonRule::kDirExists:
      return true;
    case ButtonRule::kDirAndFirebot:
      return DirectoryExists(state.hl_path + "\\firebot");
    case ButtonRule::kDirAndUsableBot:
      return LoadBotChoice(state, mod.key);
  }
  return false;
}

bool GameProgramFound(const LauncherState& state) {
  return GameProgramIn(state.hl_path, state.hl_exe);
}

void SelectMod(LauncherState& state, std::string_view mod_key) {
  state.selected_mod = std::string(mod_key);
  const ModInfo* mod = FindMod(mod_key);
  if (mod != nullptr && !mod->bot_caption.empty()) LoadBotChoice(state, mod_key);
}

bool ChooseBot(LauncherState& state, std::string_view name) {
  BotChoice& choice = state.bot_choice;
  int found = -1;
  for (size_t i = 0; i < choice.names.size() && found < 0; ++i) {
    if (choice.names[i] == name) found = static_cast<int>(i);
  }
  for (size_t i = 0; i < choice.names.size() && found < 0; ++i) {
    if (EqualsNoCase(choice.names[i], name)) found = static_cast<int>(i);
  }
  if (found < 0) return false;
  choice.selected = found;
  choice.text = choice.names[found];
  WriteModSetting(state, state.selected_mod, "Last Bot", choice.text);
  return true;
}

}  // namespace orvane
