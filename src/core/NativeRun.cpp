#include "core/NativeRun.h"

#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"

namespace orvane {
namespace {

bool EndsWithNoCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && EqualsNoCase(text.substr(text.size() - end.size()), end);
}

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

}  // namespace

std::string LiblistValue(std::string_view liblist, std::string_view key) {
  std::string found;
  bool done = false;
  ForEachLine(liblist, [&](std::string_view line) {
    if (done) return;
    line = Trim(line);
    if (line.substr(0, 2) == "//") return;
    size_t end = 0;
    while (end < line.size() && static_cast<unsigned char>(line[end]) > ' ') ++end;
    if (!EqualsNoCase(line.substr(0, end), key)) return;
    std::string_view value = Trim(line.substr(end));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    found = std::string(value);
    done = true;
  });
  return found;
}

std::string WindowsOnlyWarning(const LauncherState& state) {
  const std::optional<SteamGame> game = SteamGameAt(HostPath(state.hl_path), state.steam_env);
  if (!game) return "";
  if (!game->root.empty() && !SteamCompatTool(game->root, kHalfLifeAppId, nullptr).empty()) {
    return "";  // Proton runs the Windows build, which loads Windows libraries
  }
  const ModInfo* mod = FindMod(state.selected_mod);
  if (mod == nullptr) return "";
  const std::string name = std::string(mod->hint);
  std::string problem;
  if (!mod->catalogue.empty()) {
    // The launch writes the bot's library into liblist.gam as the game library.
    const std::string& bot = state.bot_choice.text;
    const std::string dll = BotCatalogueValue(state, mod->key, bot, "dll");
    if (!EndsWithNoCase(dll, ".so")) {
      problem = "its bot add-on " + bot + " exists only for Windows (" + dll + ")";
    }
  } else {
    problem = ModLibraryProblem(DirsOf(state, mod->key).dir);
    if (!problem.empty()) problem = "it exists only for Windows: " + problem;
  }
  if (problem.empty()) return "";
  return name + " will not run on Steam's native Half-Life: " + problem +
         ". Turn on Proton for Half-Life in Steam (Half-Life's Properties, Compatibility: "
         "force the use of a Steam Play compatibility tool), then start it again.";
}

}  // namespace orvane
