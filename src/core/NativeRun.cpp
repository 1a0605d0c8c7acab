#include "core/NativeRun.h"

#include "core/BotAddons.h"
#include "core/GameDirectory.h"
#include "core/LauncherSettings.h"
#include "core/Liblist.h"
#include "core/ModTable.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

namespace orvane {
namespace {

// Why the mod itself would not load natively; "" when it would.
std::string ModLibraryProblem(const std::string& mod_dir) {
  const std::string liblist_path = mod_dir + "\\liblist.gam";
  std::string liblist;
  try {
    liblist = ReadFileBytes(liblist_path);
  } catch (const FileError&) {
    return "it has no liblist.gam";
  }
  const std::string linux_library = LiblistValue(liblist, "gamedll_linux");
  if (linux_library.empty()) return "its liblist.gam names no Linux library (gamedll_linux)";
  if (!FileExists(mod_dir + "\\" + linux_library)) {
    return "its Linux library " + linux_library + " is missing";
  }
  return "";
}

// The chosen bot's plan on build; nullopt when the catalogue cannot be read.
std::optional<BotLoad> ChosenBotLoad(const LauncherState& state, const ModInfo& mod,
                                     GameBuild build) {
  try {
    const BotCatalogue catalogue = ReadBotCatalogue(state, mod.key);
    const ModLoader loader = ReadModLoader(state, mod.key, catalogue, build);
    return PlanBotLoad(loader, catalogue.Named(state.bot_choice.text));
  } catch (const FileError&) {
    return std::nullopt;  // the launch itself reports the file
  }
}

}  // namespace

std::string WindowsOnlyWarning(const LauncherState& state) {
  if (RunningBuild(state) != GameBuild::kLinux) return "";
  const ModInfo* mod = FindMod(state.selected_mod);
  if (mod == nullptr) return "";
  std::string problem;
  if (!mod->catalogue.empty()) {
    const std::optional<BotLoad> load = ChosenBotLoad(state, *mod, GameBuild::kLinux);
    if (load && !load->problem.empty()) {
      problem = "its bot add-on " + state.bot_choice.text + " cannot run there: " + load->problem;
    }
  } else {
    problem = ModLibraryProblem(DirsOf(state, mod->key).dir);
    if (!problem.empty()) problem = "it exists only for Windows: " + problem;
  }
  if (problem.empty()) return "";
  if (const std::string server = ServerProgramOf(state.hl_path, state.hl_exe); !server.empty()) {
    return std::string(mod->hint) + " will not run on the Linux dedicated server (" + server +
           "): " + problem +
           ". Install the Windows dedicated server (hlds.exe) and run it through Wine instead "
           "(steamcmd: +@sSteamCmdForcePlatformType windows before app_update 90).";
  }
  return std::string(mod->hint) + " will not run on Steam's native Half-Life: " + problem +
         ". Turn on Proton for Half-Life in Steam (Half-Life's Properties, Compatibility: "
         "force the use of a Steam Play compatibility tool), then start it again.";
}

std::string LaunchWarning(const LauncherState& state) {
  std::string warning = WindowsOnlyWarning(state);
  const ModInfo* mod = FindMod(state.selected_mod);
  if (mod != nullptr && !mod->catalogue.empty()) {
    const std::optional<BotLoad> load = ChosenBotLoad(state, *mod, RunningBuild(state));
    if (load && !load->warning.empty()) {
      warning += (warning.empty() ? "" : "\n\n") + load->warning;
    }
  }
  return warning;
}

}  // namespace orvane
