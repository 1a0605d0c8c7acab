#include "core/Launch.h"

#include "core/CommandLine.h"

#include "core/GameDirectory.h"
#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "core/NativeRun.h"
#include "platform/DedicatedServer.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/ProfileFile.h"
#include "platform/SteamLibrary.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"

namespace orvane {
namespace {

constexpr std::string_view kProductName = "Orvane";

// A message of the day that we wrote ourselves goes; the mod's own stays.
void RemoveOurMotd(const std::string& dir) {
  const std::string motd = dir + "\\motd.txt";
  if (!FileExists(motd)) return;
  if (ReadFileBytes(motd).find(kProductName) != std::string::npos) DeleteFileAt(motd);
}

void RemoveModMaps(const std::string& dir) {
  const std::string maps = dir + "\\maps";
  if (!DirectoryExists(maps)) return;
  for (const DirEntry& entry : ListDirectory(maps, "*.*")) {
    if ((entry.attributes & kAttrDirectory) == 0) DeleteFileAt(maps + "\\" + entry.name);
  }
  RemoveDirectoryAt(maps);
}

}  // namespace

std::string GameDirName(std::string_view mod_key) {
  const ModInfo* mod = FindMod(mod_key);
  return mod != nullptr ? std::string(mod->game_dir_name) : std::string();
}

std::string LaunchProgram(const LauncherState& state) {
  const std::string server = ServerProgramOf(state.hl_path, state.hl_exe);
  return state.hl_path + "\\" + (server.empty() ? state.hl_exe : server);
}

std::string LaunchProgramName(const LauncherState& state) {
  const std::string server = ServerProgramOf(state.hl_path, state.hl_exe);
  if (!server.empty()) return server;
  return IsSteamGameDirectory(HostPath(state.hl_path)) ? std::string("Half-Life") : state.hl_exe;
}

std::string BuildCommandLine(const LauncherState& state) {
  const std::string game = GameDirName(state.selected_mod);
  std::string line;
  if (const std::string server = ServerProgramOf(state.hl_path, state.hl_exe); !server.empty()) {
    line = std::string(IsWindowsServerProgram(server) ? " -console" : "") + " -game " + game +
           " +sv_lan 1 +maxplayers 32 +map " + GetFirstMap(state, state.selected_mod);
  } else if (state.auto_start == "O") {
    const std::string first_map = GetFirstMap(state, state.selected_mod);
    line = " -console -game " + game + " +sv_lan 1 +maxplayers 32 +connect +map " + first_map;
  } else {
    line = " -nointro -console -game " + game + " +maxplayers 32";
  }
  const std::string command = StoredCommand(state);
  if (!Trim(command).empty()) line += " " + command;
  return line;
}

void PrepareLaunch(const LauncherState& state, const LaunchHooks& hooks) {
  const ModInfo* mod = FindMod(state.selected_mod);
  if (mod == nullptr) return;
  const std::string& dir = DirsOf(state, mod->key).dir;
  switch (mod->launch) {
    case LaunchWork::kNone:
      break;
    case LaunchWork::kRemoveMotdAndMaps:
      RemoveOurMotd(dir);
      RemoveModMaps(dir);
      break;
    case LaunchWork::kRemoveMotd:
      RemoveOurMotd(dir);
      break;
    case LaunchWork::kBotFiles:
      if (hooks.bot_files) hooks.bot_files(state, mod->key, state.bot_choice.text);
      break;
  }
}

void ClearWorkLists(LauncherState& /*state*/, const LaunchHooks& hooks) {
  if (hooks.drop_rosters) hooks.drop_rosters();
}

LaunchResult LaunchSelectedMod(LauncherState& state, const LaunchHooks& hooks,
                               const ProgramStarter& start, const LaunchConfirmation& confirm) {
  LaunchResult result;
  const ModInfo* mod = FindMod(state.selected_mod);
  if (mod == nullptr) throw std::logic_error("no mod is selected");
  if (!mod->bot_caption.empty() && state.bot_choice.selected < 0) {
    result.outcome = LaunchResult::kNoBot;
    return result;
  }
  if (start && confirm) {
    const std::string warning = LaunchWarning(state);
    if (!warning.empty() && !confirm(warning)) {
      result.outcome = LaunchResult::kCancelled;
      return result;
    }
  }
  PrepareLaunch(state, hooks);
  ClearWorkLists(state, hooks);
  result.command_line = BuildCommandLine(state);
  WriteFileBytes(state.app_path + "\\log.txt", result.command_line + "\r\n");
  if (!start) {
    result.outcome = LaunchResult::kWritten;
    return result;
  }
  const StartResult started = start(LaunchProgram(state), result.command_line, state.hl_path);
  result.outcome = started.started ? LaunchResult::kStarted : LaunchResult::kStartFailed;
  result.error = started.error;
  return result;
}

}  // namespace orvane
