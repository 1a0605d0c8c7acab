#include "platform/GameStart.h"

#include <cstdlib>
#include <system_error>

#include "platform/DedicatedServer.h"
#include "platform/GameText.h"
#include "platform/HostEnvironment.h"
#include "platform/HostPath.h"

namespace orvane {
namespace fs = std::filesystem;

ProcessPlan PlanSteamStart(std::string_view parameters, const fs::path& working_dir, bool flatpak) {
  ProcessPlan plan;
  plan.env = ProcessEnvironment();
  plan.working_dir = working_dir;
  std::error_code ec;
  if (!fs::is_directory(working_dir, ec)) {
    plan.error = "The directory " + working_dir.string() + " does not exist.";
    return plan;
  }
  std::vector<std::string> launcher;
  const char* steam_env = std::getenv("STEAM");
  if (steam_env != nullptr && *steam_env != '\0') {
    plan.program = FindOnPath(steam_env);
    if (plan.program.empty()) {
      plan.error = "Can't start Half-Life through Steam: $STEAM names \"" + std::string(steam_env) +
                   "\", which was not found or is not executable. Set $STEAM to the Steam "
                   "program, or unset it to use \"steam\" on the PATH.";
      return plan;
    }
    launcher = {plan.program.string()};
  } else if (plan.program = FindOnPath("steam"); !plan.program.empty()) {
    launcher = {plan.program.string()};
  } else if (flatpak && !(plan.program = FindOnPath("flatpak")).empty()) {
    launcher = {plan.program.string(), "run", std::string(kFlatpakSteamId)};
  } else {
    plan.error = std::string("Can't start Half-Life through Steam: the program \"") +
                 (flatpak ? "flatpak" : "steam") +
                 "\" was not found on the PATH. Install Steam (Debian: the steam-installer "
                 "package), or set $STEAM to the Steam program.";
    return plan;
  }
  plan.argv = std::move(launcher);
  plan.argv.insert(plan.argv.end(), {"-applaunch", std::string(kHalfLifeAppId)});
  const std::vector<std::string> words = SplitWindowsCommandLine(parameters);
  plan.argv.insert(plan.argv.end(), words.begin(), words.end());
  return plan;
}

ProcessPlan PlanGameStart(std::string_view program, std::string_view parameters,
                          std::string_view working_dir, const fs::path& wine_prefix,
                          const SteamEnvironment& steam) {
  // The parameters are the game's text (log.txt keeps them so); a program
  // gets them in the host's encoding, which Wine turns back for the game.
  const std::string host_parameters = GameToLocale(parameters);
  // A dedicated server starts itself, even in a Steam library: Steam has no part in it.
  if (IsServerProgram(program)) {
    return PlanProgramStart(program, host_parameters, working_dir, wine_prefix);
  }
  if (const std::optional<SteamGame> game =
          SteamGameAt(HostPath(working_dir, wine_prefix), steam)) {
    return PlanSteamStart(host_parameters, game->game_dir, game->flatpak);
  }
  return PlanProgramStart(program, host_parameters, working_dir, wine_prefix);
}

StartResult StartGame(std::string_view program, std::string_view parameters,
                      std::string_view working_dir) {
  ProcessPlan plan = PlanGameStart(program, parameters, working_dir, WinePrefixFromProcess(),
                                   SteamEnvironmentFromProcess());
  if (IsServerProgram(program)) {
    const char* terminal = std::getenv("TERMINAL");
    plan = PlanInTerminal(plan, terminal != nullptr ? terminal : "");
  }
  return StartDetached(plan);
}

}  // namespace orvane
