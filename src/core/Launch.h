// The launch of the game for the selected mod: the launch-time files, the
// command line, log.txt and the start. Plain values in, an outcome out; the
// main window and orvanectl only show the outcome.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/LauncherState.h"
#include "platform/Process.h"

namespace orvane {

// What a launch asks of later units: the launch-time bot files of a mod whose
// bot is chosen in the main window (the mod's key and the chosen bot's name),
// and dropping the editors' in-memory rosters.
struct LaunchHooks {
  std::function<void(const LauncherState&, std::string_view mod_key, const std::string& bot)>
      bot_files;
  std::function<void()> drop_rosters;
};

inline constexpr const char* kMsgSelectBot = "You must select a bot first.";

// The word after -game for a mod ("bot" for Botman).
std::string GameDirName(std::string_view mod_key);

// The program a launch starts, built the game's way: HLPath\HLExe, or the
// dedicated server's program when HLPath holds a server and not the game.
std::string LaunchProgram(const LauncherState& state);
// The program's name as a message shows it: "Half-Life" for Steam's game.
std::string LaunchProgramName(const LauncherState& state);

// The parameters of the game program, with its leading blank. A dedicated
// server gets the words a server takes: no +connect (it has no player of
// its own), always a first map, and -console for the Windows build, which
// would otherwise open its own window.
std::string BuildCommandLine(const LauncherState& state);

// The selected mod's launch-time work (its LaunchWork): a motd.txt that
// carries our name goes, Botman's maps folder too, or the bot's files are written.
void PrepareLaunch(const LauncherState& state, const LaunchHooks& hooks);

// Drops the rosters. The map and model catalogues stay: a later editor needs
// them and nothing but start-up would fill them again.
void ClearWorkLists(LauncherState& state, const LaunchHooks& hooks);

// Starts a program; StartProgram in the launcher, a recorder in tests.
using ProgramStarter = std::function<StartResult(
    std::string_view program, std::string_view parameters, std::string_view working_dir)>;

struct LaunchResult {
  enum Outcome { kNoBot, kCancelled, kWritten, kStarted, kStartFailed } outcome = kNoBot;
  std::string command_line;
  std::string error;  // kStartFailed: names the program and the reason
};

// Asked before a start that may not work as expected (a Windows-only mod
// on Steam's native Half-Life, a bot add-on taking Metamod's place), with
// what the player should know; false cancels.
using LaunchConfirmation = std::function<bool(const std::string& warning)>;

// Everything the launch button does except the cursor and the window. An
// error in a launch-time file or log.txt throws before anything starts; a
// null starter stops after log.txt (kWritten). Before anything is written
// for a start, confirm (when given) is asked about a Windows-only mod on
// native Half-Life; its false is kCancelled, nothing written.
LaunchResult LaunchSelectedMod(LauncherState& state, const LaunchHooks& hooks,
                               const ProgramStarter& start,
                               const LaunchConfirmation& confirm = nullptr);

}  // namespace orvane
