// Starting a program or opening a document, as the Windows shell's "open"
// does: detached, never waited for. A Windows program (".exe") starts
// through Wine with the parameter text split by the Windows rules.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// What execvp would find ("" when nothing), resolved before fork so the child only calls execve.
std::filesystem::path FindOnPath(const std::string& name);
// This process's environment as NAME=value entries.
std::vector<std::string> ProcessEnvironment();

struct StartResult {
  bool started = false;
  std::string error;  // why not, for the player: names the program
};

// The arguments that a Windows program's C runtime makes of a parameter
// text (blanks separate, "..." groups, backslashes escape only before a quote).
std::vector<std::string> SplitWindowsCommandLine(std::string_view text);

// The program's host file, or the Wine program for a ".exe", and the
// arguments and environment it gets. Separate from the start so tests can
// check what would run.
struct ProcessPlan {
  std::filesystem::path program;
  std::vector<std::string> argv;  // argv[0] included
  std::vector<std::string> env;   // NAME=value
  std::filesystem::path working_dir;
  std::string error;  // not empty: nothing can run
};

// program and working_dir are paths built the game's way (HostPath turns
// them into host paths); wine_prefix is passed on as WINEPREFIX.
ProcessPlan PlanProgramStart(std::string_view program, std::string_view parameters,
                             std::string_view working_dir,
                             const std::filesystem::path& wine_prefix);

// Started in a session of its own and not waited for. With an output file,
// its standard output and errors go there (created or emptied) and its input
// is empty; without, it keeps this process's.
StartResult StartDetached(const ProcessPlan& plan, const std::filesystem::path& output = {});

// Runs the plan in this terminal's foreground and waits for it. Ctrl-C
// reaches the program, not us: we ignore it while waiting and report how
// it ended. started is false only when it could not run at all.
struct RunResult {
  bool started = false;
  std::string error;    // why it did not start
  int exit_status = 0;  // its exit status, or 128 + the signal that ended it
  int signal = 0;       // the signal that ended it, 0 when it exited
};
RunResult RunAndWait(const ProcessPlan& plan);

// The shell's "open" of a program file with parameters in a directory.
StartResult StartProgram(std::string_view program, std::string_view parameters,
                         std::string_view working_dir);

// The desktop's opener for a document (xdg-open).
StartResult OpenDocument(std::string_view document);

}  // namespace orvane
