// orvanectl: the launcher's mod list and launch button for desktop shortcuts
// and scripts, on the same settings and files as the window. Every command
// first runs the window's start-up, one-time backup included.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "app/Wiring.h"
#include "core/Launch.h"
#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "core/Startup.h"
#include "platform/HostEnvironment.h"
#include "platform/Installation.h"
#include "platform/Process.h"

namespace {

constexpr const char* kUsage =
    "usage: orvanectl mods\n"
    "       orvanectl launch <ModKey> [--bot NAME] [--no-start]\n"
    "       orvanectl --help\n"
    "\n"
    "mods     lists the installed mods, their directories and, for CStrike,\n"
    "         TFC and Frontline, the usable bots (* marks the chosen one)\n"
    "launch   does what the launch button does for that mod: the bot choice,\n"
    "         the launch-time files, log.txt and the start of the game\n"
    "         (--no-start: everything but the start)\n"
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
  return 1;
}

int ListMods(orvane::LauncherState& state) {
  int shown = 0;
  for (const orvane::ModInfo& mod : orvane::Mods()) {
    if (!orvane::ModButtonShown(state, mod)) continue;
    ++shown;
    std::printf("%s\t%s\n", std::string(mod.key).c_str(),
                orvane::DirsOf(state, mod.key).dir.c_str());
    if (mod.bot_caption.empty()) continue;
    const orvane::BotChoice& choice = state.bot_choice;  // refilled by ModButtonShown
    for (size_t i = 0; i < choice.names.size(); ++i) {
      std::printf("\t%s %s\n", static_cast<int>(i) == choice.selected ? "*" : " ",
                  choice.names[i].c_str());
    }
  }
  if (shown == 0) {
    return Fail(state.hl_path.empty() ? "Half-Life was not found."
                                      : "No mod is installed in " + state.hl_path + ".");
  }
  return 0;
}

int Launch(orvane::LauncherState& state, const std::vector<std::string>& args) {
  if (args.empty()) return Fail("launch needs a ModKey.\n" + std::string(kUsage));
  const std::string& key = args[0];
  std::string bot;
  bool have_bot = false;
  bool start = true;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--no-start") {
      start = false;
    } else if (args[i] == "--bot" && i + 1 < args.size()) {
      bot = args[++i];
      have_bot = true;
    } else {
      return Fail("unknown option \"" + args[i] + "\".\n" + kUsage);
    }
  }
  const orvane::ModInfo* mod = orvane::FindMod(key);
  if (mod == nullptr) return Fail("unknown mod \"" + key + "\".\n" + kUsage);
  if (!orvane::GameProgramFound(state)) {
    return Fail("the game program " + state.hl_path + "\\" + state.hl_exe + " was not found.");
  }
  if (!orvane::ModButtonShown(state, *mod)) {
    return Fail("the mod " + key + " is not installed in " + state.hl_path + ".");
  }
  orvane::SelectMod(state, key);
  if (have_bot) {
    if (mod->bot_caption.empty()) return Fail("the mod " + key + " has no bot to choose.");
    if (!orvane::ChooseBot(state, bot)) {
      std::string usable;
      for (const std::string& name : state.bot_choice.names) usable += " \"" + name + "\"";
      return Fail("\"" + bot + "\" is not a usable bot for " + key + "; usable:" + usable + ".");
    }
  }
  const orvane::LaunchResult result = orvane::LaunchSelectedMod(
      state, orvane::LauncherLaunchHooks(),
      start ? orvane::ProgramStarter(orvane::StartProgram) : orvane::ProgramStarter());
  switch (result.outcome) {
    case orvane::LaunchResult::kNoBot:
      return Fail(std::string(orvane::kMsgSelectBot) + " (use --bot NAME)");
    case orvane::LaunchResult::kStartFailed:
      return Fail(result.error);
    case orvane::LaunchResult::kWritten:
    case orvane::LaunchResult::kStarted:
      break;
  }
  if (result.outcome == orvane::LaunchResult::kStarted) {
    std::printf("started %s\\%s with:%s\n", state.hl_path.c_str(), state.hl_exe.c_str(),
                result.command_line.c_str());
  } else {
    std::printf("not started; log.txt holds:%s\n", result.command_line.c_str());
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
  if (args[0] != "mods" && args[0] != "launch") {
    return Fail("unknown command \"" + args[0] + "\".\n" + kUsage);
  }
  try {
    const orvane::HostEnvironment env = orvane::HostEnvironmentFromProcess();
    orvane::RegistryStore registry(env.registry_store, env.SystemReg());
    orvane::EnsureInstalled(registry, orvane::ShippedDataDir(), env.data_dir);
    orvane::LauncherState state;
    state.host_data_dir = env.data_dir.string();
    ConsoleReporter reporter;
    orvane::RunStartupGuarded(state, registry, orvane::LauncherStartupHooks(state, registry),
                              reporter);
    if (args[0] == "mods") return ListMods(state);
    return Launch(state, std::vector<std::string>(args.begin() + 1, args.end()));
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
}
