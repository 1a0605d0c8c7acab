// orvanectl: the launcher's mod list, launch button and configuration windows
// for desktop shortcuts and scripts, on the same settings, documents and
// files as the windows. Every command first runs the window's start-up,
// one-time backup included.
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/Wiring.h"
#include "core/Backup.h"
#include "core/BotAddons.h"
#include "core/CommandLine.h"
#include "core/GameDirectory.h"
#include "core/Launch.h"
#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "core/Startup.h"
#include "editors/ModRegistry.h"
#include "platform/DedicatedServer.h"
#include "platform/FileError.h"
#include "platform/GameStart.h"
#include "platform/GameText.h"
#include "platform/HostEnvironment.h"
#include "platform/HostPath.h"
#include "platform/Installation.h"
#include "platform/Process.h"
#include "platform/StringUtil.h"
#include "platform/WriterLock.h"

namespace {

constexpr const char* kUsage =
    "usage: orvanectl mods\n"
    "       orvanectl launch <ModKey> [--bot NAME] [--no-start | --detach]\n"
    "       orvanectl config <ModKey> [--bot NAME] show\n"
    "       orvanectl config <ModKey> [--bot NAME] set [CONTROL=VALUE]...\n"
    "       orvanectl config <ModKey> [--bot NAME] items CONTROL\n"
    "       orvanectl directory [PATH] [--program hl.exe|cstrike.exe]\n"
    "       orvanectl command [TEXT]\n"
    "       orvanectl restore <ModKey> [--dry-run]\n"
    "       orvanectl --help | --version\n"
    "\n"
    "mods     lists the installed mods, their directories and, for CStrike,\n"
    "         TFC and Frontline, the usable bots (* marks the chosen one),\n"
    "         then after \"-\" the listed ones that cannot run here, with why\n"
    "launch   does what the launch button does for that mod: the bot choice,\n"
    "         the launch-time files, log.txt and the start of the game\n"
    "         (--no-start: everything but the start). A dedicated server\n"
    "         (hlds_run, hlds_linux, hlds.exe) runs in this terminal until it\n"
    "         stops (Ctrl-C stops it); --detach starts it in the background\n"
    "         with its output in server.log beside the launcher's settings\n"
    "config   loads the mod's settings as its window does; show prints one\n"
    "         CONTROL=VALUE line per control, the play list and the roster;\n"
    "         set makes each change as the player would in the window, then\n"
    "         does what \"Apply Config\" does (checks, then every file written)\n"
    "         CONTROL is the object name of a control of the mod's window;\n"
    "         VALUE: 1 or 0 (check box, radio button), a whole number (spin\n"
    "         edit, slider), the text (edit box), an item's text (drop-down),\n"
    "         map names separated by commas (the play list, starting map\n"
    "         first), bot names (the roster list: selects them), 1 (a button)\n"
    "         exit status: 0 written, 1 a check failed or a file could not be\n"
    "         written (nothing written), 2 a refused control or value;\n"
    "         items prints the values CONTROL takes from a list, one per line\n"
    "         (a drop-down's items, a bot's models, 0 and 1 for a check box)\n"
    "\n"
    "directory  with no PATH prints where the game is, its program, where it\n"
    "         was found (stored, Wine prefix, Steam, or a dedicated server of\n"
    "         Steam or steamcmd) and what a launch starts; with PATH checks that\n"
    "         the program is there (exit 1 when not; hl_linux stands for hl.exe\n"
    "         in a Steam library, and a dedicated server's hlds_run, hlds_linux\n"
    "         or hlds.exe for hl.exe anywhere), stores both as the\n"
    "         \"Game Directory\" dialog does and runs start-up again. PATH may be\n"
    "         a host directory or a Windows path of the Wine prefix\n"
    "         (C:\\Games\\Half-Life)\n"
    "command  with no TEXT prints the additional game parameters; with TEXT\n"
    "         stores them as typed, or refuses (exit 1) a word the launcher\n"
    "         already puts on the command line\n"
    "restore  puts the mod's original files back from the \".bak\" copies made\n"
    "         when Orvane first found it (--dry-run: list them only)\n"
    "\n"
    "example: orvanectl config Botman set BM_teamplay=1 BM_numteam=2 \\\n"
    "           BM_team1=gina BM_team2=barney BM_fraglimit=30 \\\n"
    "           BM_MapCycle=crossfire,stalkyard,boot_camp\n"
    "\n"
    "ModKey: Action Botman CStrike Firebot Frontline Jumbot Phineas Rocket Scihunt TFC\n";

// Start-up's error boxes, as lines on stderr; start-up goes on as in the window.
struct ConsoleReporter final : orvane::StartupReporter {
  void ReportError(const std::string& message, const std::string& detail) override {
    std::fprintf(stderr, "orvanectl: %s%s%s\n", message.c_str(), detail.empty() ? "" : " ",
                 detail.c_str());
  }
};

int Fail(const std::string& message) {
  std::fprintf(stderr, "orvanectl: %s\n", message.c_str());
  return 1;  // kFailed
}

// Exit statuses: 0 done; 1 a state of the game tree or a file (a mod not
// installed, no bot chosen, a check failed, a file not written); 2 a word the
// command does not know (a mod, command, option, control or value).
constexpr int kFailed = 1;
constexpr int kRefused = 2;

int Refused(const std::string& message) {
  std::fprintf(stderr, "orvanectl: %s\n", message.c_str());
  return kRefused;
}

// One line for a name that is not known: the nearest known ones, and the
// command that lists them all.
std::string Unknown(const std::string& what, const std::string& name,
                    const std::vector<std::string>& known, const std::string& lister) {
  // Names are the game's text; the terminal shows them in its own.
  return orvane::GameToLocale("unknown " + what + " \"" + name + "\"" +
                              orvane::DidYouMean(name, known)) +
         " (" + lister + ")";
}

std::vector<std::string> ModKeys() {
  std::vector<std::string> keys;
  for (const orvane::ModInfo& mod : orvane::Mods()) keys.emplace_back(mod.key);
  return keys;
}

// The mod a command names, selected as its button does, and the bot of --bot
// chosen as the bot drop-down does (stored as "Last Bot"): decided here for
// every command, with the same messages and exit statuses.
struct ModChoice {
  const orvane::ModInfo* mod = nullptr;
  int status = 0;  // not 0: the command stops with it (the message is out)
};

// Why a listed add-on of that name (exactly, else ignoring case) cannot
// run; nullptr when it can or is not listed.
const std::string* UnusableReason(const orvane::BotChoice& choice, const std::string& name) {
  for (const bool exact : {true, false}) {
    for (const auto& [listed, reason] : choice.unusable) {
      if (exact ? listed == name : orvane::EqualsNoCase(listed, name)) return &reason;
    }
  }
  return nullptr;
}

ModChoice ChooseMod(orvane::LauncherState& state, const std::string& key,
                    const std::optional<std::string>& bot, bool bot_needed) {
  const orvane::ModInfo* mod = orvane::FindMod(key);
  if (mod == nullptr) {
    return {nullptr,
            Refused(Unknown("mod", key, ModKeys(), "orvanectl mods lists the installed ones"))};
  }
  if (bot && mod->bot_caption.empty()) {
    return {nullptr, Refused("the mod " + key + " has no bot to choose.")};
  }
  state.bot_choice = {};  // refilled for this mod by ModButtonShown
  const bool installed = orvane::ModButtonShown(state, *mod);
  if (!state.bot_choice.problem.empty()) Fail(state.bot_choice.problem);
  // A listed add-on that cannot run here is named with what it lacks, as is
  // a mod whose add-ons all lack something.
  const std::string* why_not = bot ? UnusableReason(state.bot_choice, *bot) : nullptr;
  if (why_not != nullptr) {
    return {nullptr, Fail("the bot " + *bot + " can't run here: " + *why_not + ".")};
  }
  if (!installed && !state.bot_choice.unusable.empty()) {
    std::string reasons;
    for (const auto& [name, reason] : state.bot_choice.unusable)
      reasons += "\n  " + name + ": " + reason;
    return {nullptr, Fail("the mod " + key + " has no bot add-on that can run here:" + reasons)};
  }
  if (!installed) {
    return {nullptr, Fail(state.hl_path.empty()
                              ? "the mod " + key + " is not installed: Half-Life was not found."
                              : "the mod " + key + " is not installed in " +
                                    orvane::ShownPath(state.hl_path) + ".")};
  }
  orvane::SelectMod(state, key);
  if (bot && !orvane::ChooseBot(state, *bot)) {
    std::vector<std::string> listed = state.bot_choice.names;
    for (const auto& [name, reason] : state.bot_choice.unusable) listed.push_back(name);
    return {nullptr,
            Refused(Unknown("bot", *bot, listed, "orvanectl mods lists the bots of " + key))};
  }
  if (bot_needed && !mod->bot_caption.empty() && state.bot_choice.selected < 0) {
    return {nullptr, Fail(std::string(orvane::kMsgSelectBot) +
                          " (use --bot NAME; orvanectl mods lists the usable bots)")};
  }
  return {mod, 0};
}

int ListMods(orvane::LauncherState& state) {
  int shown = 0;
  for (const orvane::ModInfo& mod : orvane::Mods()) {
    state.bot_choice = {};  // refilled for this mod by ModButtonShown
    const bool installed = orvane::ModButtonShown(state, mod);
    if (!mod.catalogue.empty() && !state.bot_choice.problem.empty()) {
      Fail(state.bot_choice.problem);
    }
    const orvane::BotChoice& choice = state.bot_choice;  // refilled by ModButtonShown
    // A mod whose directory is there but whose add-ons all lack something
    // is listed with them, so the player learns what to install.
    const bool not_offered = !installed && !mod.bot_caption.empty() && !choice.unusable.empty();
    if (!installed && !not_offered) continue;
    ++shown;
    std::printf("%s\t%s%s\n", std::string(mod.key).c_str(),
                orvane::ShownPath(orvane::DirsOf(state, mod.key).dir).c_str(),
                not_offered ? "\tnot offered: no bot add-on can run here" : "");
    if (mod.bot_caption.empty()) continue;
    for (size_t i = 0; i < choice.names.size(); ++i) {
      std::printf("\t%s %s\n", static_cast<int>(i) == choice.selected ? "*" : " ",
                  orvane::GameToLocale(choice.names[i]).c_str());
    }
    for (const auto& [name, reason] : choice.unusable) {
      std::printf("\t- %s: %s\n", orvane::GameToLocale(name).c_str(), reason.c_str());
    }
  }
  if (shown == 0) {
    return Fail(state.hl_path.empty()
                    ? "Half-Life was not found."
                    : "No mod is installed in " + orvane::ShownPath(state.hl_path) + ".");
  }
  return 0;
}

const char* GameSourceText(orvane::GameSource source) {
  switch (source) {
    case orvane::GameSource::kStored:
      return "stored (the launcher's settings)";
    case orvane::GameSource::kWinePrefix:
      return "Wine prefix (Half-Life's registry key)";
    case orvane::GameSource::kSteam:
      return "Steam";
    case orvane::GameSource::kDedicatedServer:
      return "Steam or steamcmd (Half-Life Dedicated Server, app 90)";
    case orvane::GameSource::kNone:
      break;
  }
  return "not found";
}

// The game program that runs: Steam's native build runs hl_linux, which
// stands for hl.exe in a Steam library; a server directory its server.
std::string RunningProgram(const orvane::LauncherState& state) {
  if (std::string server = orvane::ServerProgramOf(state.hl_path, state.hl_exe); !server.empty()) {
    return server;
  }
  if (!state.hl_path.empty() && orvane::RunningBuild(state) == orvane::GameBuild::kLinux) {
    return std::string(orvane::kSteamLinuxProgram);
  }
  return state.hl_exe;
}

// Which build runs, and so which libraries the bot add-ons need.
const char* BuildText(const orvane::LauncherState& state) {
  if (state.hl_path.empty()) return "none";
  const std::string server = orvane::ServerProgramOf(state.hl_path, state.hl_exe);
  if (!server.empty()) {
    return orvane::IsWindowsServerProgram(server)
               ? "Windows (Half-Life Dedicated Server, through Wine)"
               : "Linux (Half-Life Dedicated Server, run natively: bot add-ons need their Linux "
                 "library)";
  }
  if (orvane::RunningBuild(state) == orvane::GameBuild::kLinux) {
    return "Linux (Steam runs Half-Life natively: bot add-ons need their Linux library)";
  }
  return orvane::SteamGameAt(orvane::HostPath(state.hl_path), state.steam_env)
             ? "Windows (Steam runs Half-Life through Proton)"
             : "Windows (through Wine)";
}

// The program and the words a launch starts, before the game's parameters.
std::string GameStartText(const orvane::LauncherState& state) {
  if (state.hl_path.empty()) return "not possible: Half-Life was not found";
  const orvane::ProcessPlan plan =
      orvane::PlanGameStart(orvane::LaunchProgram(state), "", state.hl_path,
                            orvane::WinePrefixFromProcess(), state.steam_env);
  if (!plan.error.empty()) return "not possible: " + plan.error;
  std::string words;
  for (const std::string& word : plan.argv) words += (words.empty() ? "" : " ") + word;
  return words;
}

// The lock is let go when a server starts to run here: the files are
// written, and a window may save while the server runs.
int Launch(orvane::LauncherState& state, const std::vector<std::string>& args,
           std::optional<orvane::WriterLock>& lock) {
  if (args.empty()) return Refused("launch needs a ModKey (orvanectl --help).");
  const std::string& key = args[0];
  std::optional<std::string> bot;
  bool start = true;
  bool detach = false;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--no-start") {
      start = false;
    } else if (args[i] == "--detach") {
      detach = true;
    } else if (args[i] == "--bot" && i + 1 < args.size()) {
      bot = args[++i];
    } else {
      return Refused(
          Unknown("option", args[i], {"--bot", "--no-start", "--detach"}, "orvanectl --help"));
    }
  }
  if (!start && detach) return Refused("--no-start and --detach exclude each other.");
  if (orvane::FindMod(key) != nullptr && !orvane::GameProgramFound(state)) {
    return Fail("the game program " + orvane::ShownPath(state.hl_path + "\\" + state.hl_exe) +
                " was not found.");
  }
  if (const ModChoice choice = ChooseMod(state, key, bot, true); choice.status != 0) {
    return choice.status;
  }
  // A script cannot answer a question: it is told, and the game starts.
  const auto warn = [](const std::string& warning) {
    std::fprintf(stderr, "orvanectl: warning: %s Starting anyway.\n", warning.c_str());
    return true;
  };
  const bool server = !orvane::ServerProgramOf(state.hl_path, state.hl_exe).empty();
  const std::filesystem::path server_log = orvane::HostPath(state.app_path + "\\server.log");
  std::optional<orvane::RunResult> served;
  // A dedicated server runs here, where its console is read; the game detaches.
  const auto start_server = [&](std::string_view program, std::string_view parameters,
                                std::string_view dir) -> orvane::StartResult {
    const orvane::ProcessPlan plan = orvane::PlanGameStart(
        program, parameters, dir, orvane::WinePrefixFromProcess(), state.steam_env);
    if (detach) return orvane::StartDetached(plan, server_log);
    if (plan.error.empty()) {
      std::printf("starting %s with:%s\n(Ctrl-C stops the server)\n", GameStartText(state).c_str(),
                  orvane::GameToLocale(parameters).c_str());
      std::fflush(stdout);
    }
    lock.reset();
    served = orvane::RunAndWait(plan);
    return {served->started, served->error};
  };
  orvane::ProgramStarter starter;
  if (start) starter = server ? orvane::ProgramStarter(start_server) : orvane::StartGame;
  const orvane::LaunchResult result =
      orvane::LaunchSelectedMod(state, orvane::LauncherLaunchHooks(), starter, warn);
  switch (result.outcome) {
    case orvane::LaunchResult::kNoBot:
      return Fail(std::string(orvane::kMsgSelectBot) + " (use --bot NAME)");
    case orvane::LaunchResult::kCancelled:
    case orvane::LaunchResult::kStartFailed:
      return Fail(result.error);
    case orvane::LaunchResult::kWritten:
    case orvane::LaunchResult::kStarted:
      break;
  }
  if (served) {
    // The server's end is reported, never taken for ours: Ctrl-C or a stop is
    // the player's choice, another end a failure of the server.
    if (served->signal == SIGINT || served->signal == SIGTERM ||
        (served->signal == 0 && served->exit_status == 0)) {
      std::printf("the server stopped\n");
      return 0;
    }
    return Fail(served->signal != 0
                    ? "the server was ended by signal " + std::to_string(served->signal) + " (" +
                          strsignal(served->signal) + ")."
                    : "the server stopped with exit status " + std::to_string(served->exit_status) +
                          ".");
  }
  if (result.outcome == orvane::LaunchResult::kStarted) {
    std::printf("started %s with:%s\n", GameStartText(state).c_str(),
                orvane::GameToLocale(result.command_line).c_str());
    if (server) std::printf("the server's output goes to %s\n", server_log.c_str());
  } else {
    std::printf("not started; log.txt holds:%s\n",
                orvane::GameToLocale(result.command_line).c_str());
  }
  return 0;
}

int Config(orvane::LauncherState& state, const std::vector<std::string>& args) {
  size_t next = 0;
  if (next >= args.size()) return Refused("config needs a ModKey (orvanectl --help).");
  const std::string key = args[next++];
  std::optional<std::string> bot;
  if (next < args.size() && args[next] == "--bot") {
    if (next + 1 >= args.size()) return Refused("--bot needs a NAME.");
    bot = args[next + 1];
    next += 2;
  }
  if (next >= args.size() ||
      (args[next] != "show" && args[next] != "set" && args[next] != "items")) {
    return Refused("config needs show, set or items (orvanectl --help).");
  }
  const std::string action = args[next++];
  const bool show = action == "show";
  if (show && next < args.size()) return Refused("show takes no assignments.");
  std::string items_of;
  if (action == "items") {
    if (next + 1 != args.size()) return Refused("items takes one CONTROL.");
    items_of = args[next++];
  }
  std::vector<std::pair<std::string, std::string>> changes;
  for (; next < args.size(); ++next) {
    const size_t eq = args[next].find('=');
    if (eq == std::string::npos || eq == 0) {
      return Refused("\"" + args[next] + "\" is not CONTROL=VALUE.");
    }
    changes.emplace_back(args[next].substr(0, eq), args[next].substr(eq + 1));
  }
  // The window's EDIT button refuses a mod of bots without a bot chosen; so does this.
  if (const ModChoice choice = ChooseMod(state, key, bot, true); choice.status != 0) {
    return choice.status;
  }
  const std::unique_ptr<orvane::EditorSettings> settings =
      orvane::MakeSettings(state, key, state.bot_choice.text);
  for (const orvane::Message& m : settings->Load()) {
    std::fprintf(stderr, "orvanectl: %s%s%s\n", m.text.c_str(), m.detail.empty() ? "" : " ",
                 m.detail.c_str());
  }
  if (!items_of.empty()) {
    std::string refusal;
    const std::vector<std::string> items = settings->Items(items_of, &refusal);
    if (!refusal.empty()) return Refused(refusal + ".");
    for (const std::string& item : items) std::printf("%s\n", orvane::GameToLocale(item).c_str());
    return 0;
  }
  if (show) {
    for (const auto& [control, value] : settings->Show()) {
      std::printf("%s=%s\n", control.c_str(), orvane::GameToLocale(value).c_str());
    }
    return 0;
  }
  for (const auto& [control, value] : changes) {
    if (const std::optional<std::string> refusal = settings->Set(control, value)) {
      return Refused(*refusal + "; nothing written.");
    }
  }
  const std::vector<std::string> failed = settings->Checks();
  for (const std::string& message : failed)
    std::fprintf(stderr, "orvanectl: %s\n", message.c_str());
  if (!failed.empty()) return kFailed;
  try {
    settings->Save();
  } catch (const orvane::FileError& e) {
    std::fprintf(stderr, "orvanectl: can't write the file %s: %s; no file was replaced.\n",
                 e.host_file().c_str(), e.detail().c_str());
    return kFailed;
  }
  return 0;
}

int Directory(orvane::LauncherState& state, orvane::RegistryStore& registry,
              const std::vector<std::string>& args, ConsoleReporter& reporter) {
  std::string dir;
  std::string program = state.hl_exe.empty() ? std::string(orvane::kHalfLifeProgram) : state.hl_exe;
  bool have_dir = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--program" && i + 1 < args.size()) {
      program = args[++i];
      if (program != orvane::kHalfLifeProgram && program != orvane::kCounterStrikeProgram) {
        return Refused("--program takes hl.exe or cstrike.exe.");
      }
    } else if (!have_dir && args[i].rfind("--", 0) != 0) {
      dir = args[i];
      have_dir = true;
    } else {
      return Refused(Unknown("option", args[i], {"--program"}, "orvanectl --help"));
    }
  }
  if (!have_dir) {
    std::printf("HLPath=%s\nHLExe=%s\nBuild=%s\nFound=%s\nStart=%s\n", state.hl_path.c_str(),
                RunningProgram(state).c_str(), BuildText(state), GameSourceText(state.game_source),
                GameStartText(state).c_str());
    return 0;
  }
  if (!orvane::GameProgramIn(dir, program)) {
    return Fail(dir.empty() ? "the directory is empty." : orvane::GameProgramMessage(dir, program));
  }
  if (!orvane::StoreGameDirectory(registry, dir, program)) {
    return Fail("the launcher's settings can't be read, so nothing was stored: " +
                registry.file().string());
  }
  orvane::RunStartupGuarded(state, registry, orvane::LauncherStartupHooks(state, registry),
                            reporter);
  std::printf("HLPath=%s\nHLExe=%s\n", state.hl_path.c_str(),
              orvane::ServerProgramOf(state.hl_path, state.hl_exe).empty()
                  ? state.hl_exe.c_str()
                  : RunningProgram(state).c_str());
  return 0;
}

int Command(orvane::LauncherState& state, const std::vector<std::string>& args) {
  if (args.empty()) {
    std::printf("%s\n", orvane::GameToLocale(orvane::StoredCommand(state)).c_str());
    return 0;
  }
  if (args.size() > 1) return Refused("command takes one TEXT; quote it.");
  const std::string word = orvane::ReservedWordIn(args[0]);
  if (!word.empty()) return Fail(orvane::ReservedWordMessage(word));
  orvane::StoreCommand(state, args[0]);
  return 0;
}

int Restore(orvane::LauncherState& state, const std::vector<std::string>& args) {
  if (args.empty()) return Refused("restore needs a ModKey (orvanectl --help).");
  bool dry_run = false;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] != "--dry-run") {
      return Refused(Unknown("option", args[i], {"--dry-run"}, "orvanectl --help"));
    }
    dry_run = true;
  }
  const ModChoice choice = ChooseMod(state, args[0], std::nullopt, false);
  if (choice.status != 0) return choice.status;
  const orvane::ModInfo* mod = choice.mod;
  const orvane::RestorePlan plan = orvane::PlanRestore(state, mod->key);
  if (plan.game_cfg_seeded) {
    std::printf("game.cfg has no original to put back: it was made from Half-Life's own.\n");
  }
  if (plan.files.empty()) return Fail("the mod " + args[0] + " has no \".bak\" copy to restore.");
  if (!dry_run) orvane::RestoreOriginalFiles(plan);
  for (const orvane::RestoreFile& file : plan.files) {
    std::printf("%s %s from %s\n", dry_run ? "would restore" : "restored", file.target.c_str(),
                file.backup.c_str());
  }
  return 0;
}

// A host path is the host's bytes; a Windows path ("C:\\Games") is the game's text.
bool IsWindowsPath(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// The arguments in the game's text (Windows-1252), from the terminal's;
// directory's host path stays as it is. A character the game's files
// cannot hold, or bytes that are not text of the terminal's character set,
// are refused naming the control and the character (status 2).
int GameArguments(const std::vector<std::string>& args, std::vector<std::string>& out) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool host_path = args[0] == "directory" && i > 0 && arg.rfind("--", 0) != 0 &&
                           args[i - 1] != "--program" && !IsWindowsPath(arg);
    if (host_path) {
      out.push_back(arg);
      continue;
    }
    const orvane::GameTextResult text = orvane::LocaleToGame(arg);
    if (text.bytes) {
      out.push_back(*text.bytes);
      continue;
    }
    std::string name = "argument " + std::to_string(i + 1);
    if (const size_t eq = arg.find('='); eq != std::string::npos && eq > 0) {
      name = arg.substr(0, eq);
    } else if (i > 0 && args[i - 1] == "--bot") {
      name = "--bot";
    } else if (args[0] == "command") {
      name = "command";
    }
    const bool bad_bytes = text.what.rfind("byte", 0) == 0;
    return Refused(name + ": " + text.what +
                   (bad_bytes ? " is not text of the terminal's character set"
                              : " is not a character the game's files can hold (Windows-1252)") +
                   "; nothing written.");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (args[0] == "--version") {
    std::printf("orvanectl %s\n", orvane::OrvaneVersion());
    return 0;
  }
  const std::vector<std::string> known = {"mods",      "launch",  "config",
                                          "directory", "command", "restore"};
  if (std::find(known.begin(), known.end(), args[0]) == known.end()) {
    return Refused(Unknown("command", args[0], known, "orvanectl --help lists them"));
  }
  std::vector<std::string> game_args;
  if (const int refused = GameArguments(args, game_args); refused != 0) return refused;
  try {
    const orvane::HostEnvironment env = orvane::HostEnvironmentFromProcess();
    // One writer at a time: each command reads and writes whole, after any
    // other Orvane (a window's Apply, another script) has finished.
    std::optional<orvane::WriterLock> lock = orvane::WriterLock::Take(env.data_dir);
    if (!lock) return Fail(std::string(orvane::kMsgAnotherWriter) + "; nothing was written.");
    orvane::RegistryStore registry(env.registry_store, env.SystemReg());
    try {
      orvane::EnsureInstalled(registry, orvane::ShippedDataDir(), env.data_dir);
    } catch (const orvane::FileError& e) {
      // As the window does: said, and start-up goes on with what is there.
      std::fprintf(stderr, "orvanectl: can't install the launcher's data files: %s\n", e.what());
    }
    orvane::LauncherState state;
    state.host_data_dir = env.data_dir.string();
    state.steam_env = env.steam;
    ConsoleReporter reporter;
    orvane::RunStartupGuarded(state, registry, orvane::LauncherStartupHooks(state, registry),
                              reporter);
    if (args[0] == "mods") return ListMods(state);
    const std::vector<std::string> rest(game_args.begin() + 1, game_args.end());
    if (args[0] == "config") return Config(state, rest);
    if (args[0] == "directory") return Directory(state, registry, rest, reporter);
    if (args[0] == "command") return Command(state, rest);
    if (args[0] == "restore") return Restore(state, rest);
    return Launch(state, rest, lock);
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
}
