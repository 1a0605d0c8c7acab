#include "platform/DedicatedServer.h"

#include <system_error>
#include <vector>

#include "platform/HostPath.h"
#include "platform/StringUtil.h"

namespace orvane {
namespace fs = std::filesystem;
namespace {

std::string_view FileNameOf(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool IsDirectory(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

bool HoldsServer(const fs::path& dir) { return !ServerProgramIn(dir).empty(); }

// The shell run inside the terminal: $1 is the directory, the rest the command.
constexpr const char* kTerminalScript =
    "cd -- \"$1\" || exit 1; shift; \"$@\"; status=$?; echo; "
    "echo \"Orvane: the server stopped (exit status $status). Press Enter to close this window.\"; "
    "read line";

}  // namespace

bool IsServerProgram(std::string_view program_path) {
  const std::string_view name = FileNameOf(program_path);
  for (std::string_view program : kServerPrograms) {
    if (EqualsNoCase(name, program)) return true;
  }
  return false;
}

bool IsWindowsServerProgram(std::string_view program_path) {
  return EqualsNoCase(FileNameOf(program_path), kServerPrograms[2]);
}

std::string ServerProgramIn(const fs::path& host_dir) {
  if (host_dir.empty()) return "";
  for (std::string_view program : kServerPrograms) {
    std::error_code ec;
    if (fs::is_regular_file(HostPath((host_dir / std::string(program)).string()), ec)) {
      return std::string(program);
    }
  }
  return "";
}

SteamSearch FindDedicatedServer(const SteamEnvironment& env) {
  SteamSearch search;
  if (env.home.empty()) return search;
  std::vector<fs::path> roots;
  for (const SteamRoot& root : FindSteamRoots(env)) roots.push_back(root.path);
  for (const fs::path& home : {env.home / "Steam", env.home / ".steam"}) {
    if (IsDirectory(HostPath((home / "steamapps").string()))) roots.push_back(home);
  }
  std::vector<fs::path> seen;
  for (const fs::path& root : roots) {
    for (const fs::path& library : SteamLibraries(root, &search.problems)) {
      const fs::path real = RealDirectory(library);
      bool known = false;
      for (const fs::path& s : seen) known = known || s == real;
      if (known) continue;
      seen.push_back(real);
      const std::string installdir =
          InstalledAppDirName(library, kDedicatedServerAppId, &search.problems);
      if (installdir.empty()) continue;
      const fs::path dir = HostPath((library / "steamapps" / "common" / installdir).string());
      if (HoldsServer(dir)) {
        search.game = SteamGame{dir, library, root, false};
        return search;
      }
    }
  }
  for (const fs::path& dir : {env.home / "hlds", env.home / "serverfiles"}) {
    if (!InstalledAppDirName(dir, kDedicatedServerAppId, &search.problems).empty() &&
        HoldsServer(dir)) {
      search.game = SteamGame{dir, dir, {}, false};
      return search;
    }
  }
  return search;
}

ProcessPlan PlanInTerminal(const ProcessPlan& server, std::string_view terminal) {
  ProcessPlan plan;
  plan.env = server.env;
  plan.working_dir = server.working_dir;
  if (!server.error.empty()) {
    plan.error = server.error;
    return plan;
  }
  const std::string chosen = terminal.empty() ? "x-terminal-emulator" : std::string(terminal);
  plan.program = FindOnPath(chosen);
  if (plan.program.empty()) {
    plan.error = terminal.empty()
                     ? "There is no terminal window to run the server in: x-terminal-emulator "
                       "was not found. Install a terminal (Debian: the xterm package), set "
                       "$TERMINAL to one, or start the server with \"orvanectl launch\"."
                     : "There is no terminal window to run the server in: $TERMINAL names \"" +
                           chosen +
                           "\", which was not found or is not executable. Set $TERMINAL to a "
                           "terminal program, or start the server with \"orvanectl launch\".";
    return plan;
  }
  plan.argv = {plan.program.string(),      "-e", "/bin/sh", "-c", kTerminalScript, "orvane-server",
               server.working_dir.string()};
  // A terminal started through a server of its own (GNOME's) does not pass
  // our environment on, so Wine's settings travel in the command.
  std::vector<std::string> wine_settings;
  const bool wine = server.argv.size() > 1 && IsWindowsServerProgram(server.argv[1]);
  for (const std::string& entry : wine ? server.env : std::vector<std::string>{}) {
    if (entry.rfind("WINEPREFIX=", 0) == 0 || entry.rfind("WINEDLLOVERRIDES=", 0) == 0) {
      wine_settings.push_back(entry);
    }
  }
  if (!wine_settings.empty()) {
    plan.argv.push_back("env");
    plan.argv.insert(plan.argv.end(), wine_settings.begin(), wine_settings.end());
  }
  plan.argv.insert(plan.argv.end(), server.argv.begin(), server.argv.end());
  return plan;
}

}  // namespace orvane
