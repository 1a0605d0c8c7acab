#include "platform/Process.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "platform/HostEnvironment.h"
#include "platform/HostPath.h"
#include "platform/StringUtil.h"

extern char** environ;

namespace orvane {
namespace fs = std::filesystem;
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The output of a detached program: the file (created or emptied) for both
// its streams, and no input.
bool RedirectOutput(const char* file) {
  const int out = ::open(file, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (out < 0) return false;
  const int in = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  const bool done = in >= 0 && ::dup2(in, 0) >= 0 && ::dup2(out, 1) >= 0 && ::dup2(out, 2) >= 0;
  return done;
}

bool IsExecutableFile(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

fs::path FindOnPath(const std::string& name) {
  if (name.find('/') != std::string::npos) return IsExecutableFile(name) ? fs::path(name) : "";
  const char* path = std::getenv("PATH");
  std::string_view dirs = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  while (true) {
    const size_t colon = dirs.find(':');
    const std::string_view dir = dirs.substr(0, colon);
    const fs::path candidate = fs::path(dir.empty() ? "." : std::string(dir)) / name;
    if (IsExecutableFile(candidate)) return candidate;
    if (colon == std::string_view::npos) return "";
    dirs.remove_prefix(colon + 1);
  }
}

namespace {

void SetEnv(std::vector<std::string>& env, const std::string& name, const std::string& value) {
  const std::string prefix = name + "=";
  for (std::string& entry : env) {
    if (entry.compare(0, prefix.size(), prefix) == 0) {
      entry = prefix + value;
      return;
    }
  }
  env.push_back(prefix + value);
}

std::string GetEnv(const std::vector<std::string>& env, const std::string& name) {
  const std::string prefix = name + "=";
  for (const std::string& entry : env) {
    if (entry.compare(0, prefix.size(), prefix) == 0) return entry.substr(prefix.size());
  }
  return "";
}

std::vector<char*> CStrings(std::vector<std::string>& strings) {
  std::vector<char*> out;
  out.reserve(strings.size() + 1);
  for (std::string& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

// In a forked child: enter dir and become the program. A failure is told
// through report (its errno), which a successful exec closes empty.
[[noreturn]] void ExecOrReport(int report, const std::string& dir, const std::string& program,
                               std::vector<char*>& argv, std::vector<char*>& envp) {
  int err = 0;
  if (::chdir(dir.c_str()) != 0) {
    err = errno;
  } else {
    ::execve(program.c_str(), argv.data(), envp.data());
    err = errno;
  }
  [[maybe_unused]] ssize_t n = ::write(report, &err, sizeof err);
  ::_exit(127);
}

// The errno a child reported through ExecOrReport's pipe, 0 when its exec
// succeeded; the pipe is closed.
int ReadExecError(int report) {
  int err = 0;
  ssize_t n;
  do {
    n = ::read(report, &err, sizeof err);
  } while (n < 0 && errno == EINTR);
  ::close(report);
  return n == static_cast<ssize_t>(sizeof err) ? err : 0;
}

}  // namespace

std::vector<std::string> ProcessEnvironment() {
  std::vector<std::string> env;
  for (char** e = environ; e != nullptr && *e != nullptr; ++e) env.emplace_back(*e);
  return env;
}

std::vector<std::string> SplitWindowsCommandLine(std::string_view text) {
  std::vector<std::string> args;
  size_t i = 0;
  while (true) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i >= text.size()) return args;
    std::string arg;
    bool quoted = false;
    while (i < text.size() && (quoted || !IsBlank(text[i]))) {
      if (text[i] == '\\') {
        size_t slashes = 0;
        while (i < text.size() && text[i] == '\\') ++slashes, ++i;
        if (i < text.size() && text[i] == '"') {
          arg.append(slashes / 2, '\\');
          if (slashes % 2 == 1) {
            arg += '"';
            ++i;
          }
        } else {
          arg.append(slashes, '\\');
        }
      } else if (text[i] == '"') {
        // Inside quotes a doubled quote is one literal quote (the C runtime
        // of every Windows since 2008).
        if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
          arg += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        arg += text[i++];
      }
    }
    args.push_back(std::move(arg));
  }
}

ProcessPlan PlanProgramStart(std::string_view program, std::string_view parameters,
                             std::string_view working_dir, const fs::path& wine_prefix) {
  ProcessPlan plan;
  const fs::path host_program = HostPath(program, wine_prefix);
  plan.working_dir = HostPath(working_dir, wine_prefix);
  plan.env = ProcessEnvironment();
  std::error_code ec;
  if (!fs::is_regular_file(host_program, ec)) {
    plan.error = "The program " + std::string(program) + " does not exist.";
    return plan;
  }
  if (!fs::is_directory(plan.working_dir, ec)) {
    plan.error = "The directory " + std::string(working_dir) + " does not exist.";
    return plan;
  }
  const std::vector<std::string> args = SplitWindowsCommandLine(parameters);
  const std::string name = host_program.filename().string();
  const bool windows_program =
      name.size() > 4 && EqualsNoCase(name.substr(name.size() - 4), ".exe");
  if (windows_program) {
    const char* wine_env = std::getenv("WINE");
    const std::string wine = wine_env != nullptr && *wine_env != '\0' ? wine_env : "wine";
    plan.program = FindOnPath(wine);
    if (plan.program.empty()) {
      plan.error = "Can't start " + std::string(program) + ": Wine (\"" + wine +
                   "\") was not found. Install Wine to run Windows programs.";
      return plan;
    }
    plan.argv = {plan.program.string(), host_program.string()};
    SetEnv(plan.env, "WINEPREFIX", wine_prefix.string());
    // Wine would otherwise add menu entries and desktop files for the game.
    const std::string overrides = GetEnv(plan.env, "WINEDLLOVERRIDES");
    SetEnv(plan.env, "WINEDLLOVERRIDES",
           overrides.empty() ? "winemenubuilder.exe=d" : overrides + ";winemenubuilder.exe=d");
  } else {
    if (!IsExecutableFile(host_program)) {
      plan.error = "The program " + std::string(program) + " is not executable.";
      return plan;
    }
    plan.program = host_program;
    plan.argv = {host_program.string()};
  }
  plan.argv.insert(plan.argv.end(), args.begin(), args.end());
  return plan;
}

StartResult StartDetached(const ProcessPlan& plan, const fs::path& output) {
  if (!plan.error.empty()) return {false, plan.error};
  std::vector<std::string> argv_strings = plan.argv;
  std::vector<std::string> env_strings = plan.env;
  std::vector<char*> argv = CStrings(argv_strings);
  std::vector<char*> envp = CStrings(env_strings);
  const std::string program = plan.program.string();
  const std::string dir = plan.working_dir.string();
  const std::string log = output.string();

  // The grandchild reports a failed chdir or exec through the pipe; a
  // successful exec closes it empty.
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) {
    return {false, "Can't start " + program + ": " + std::strerror(errno)};
  }
  const pid_t child = ::fork();
  if (child < 0) {
    const int err = errno;
    ::close(fds[0]);
    ::close(fds[1]);
    return {false, "Can't start " + program + ": " + std::strerror(err)};
  }
  if (child == 0) {
    ::close(fds[0]);
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild != 0) ::_exit(grandchild < 0 ? 1 : 0);
    if (!log.empty() && !RedirectOutput(log.c_str())) {
      const int err = errno;
      [[maybe_unused]] ssize_t n = ::write(fds[1], &err, sizeof err);
      ::_exit(127);
    }
    ExecOrReport(fds[1], dir, program, argv, envp);
  }
  ::close(fds[1]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (const int err = ReadExecError(fds[0]); err != 0) {
    return {false, "Can't start " + program + " in " + dir +
                       (log.empty() ? "" : " with its output in " + log) + ": " +
                       std::strerror(err)};
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return {false, "Can't start " + program + ": the process could not be created."};
  }
  return {true, ""};
}

RunResult RunAndWait(const ProcessPlan& plan) {
  RunResult result;
  if (!plan.error.empty()) {
    result.error = plan.error;
    return result;
  }
  std::vector<std::string> argv_strings = plan.argv;
  std::vector<std::string> env_strings = plan.env;
  std::vector<char*> argv = CStrings(argv_strings);
  std::vector<char*> envp = CStrings(env_strings);
  const std::string program = plan.program.string();
  const std::string dir = plan.working_dir.string();
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) {
    result.error = "Can't start " + program + ": " + std::strerror(errno);
    return result;
  }
  // As system() does: the terminal's Ctrl-C and Ctrl-\ are for the program.
  struct sigaction ignore {
  }, old_int{}, old_quit{};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGINT, &ignore, &old_int);
  ::sigaction(SIGQUIT, &ignore, &old_quit);
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(fds[0]);
    ::sigaction(SIGINT, &old_int, nullptr);
    ::sigaction(SIGQUIT, &old_quit, nullptr);
    ExecOrReport(fds[1], dir, program, argv, envp);
  }
  const int fork_error = errno;
  ::close(fds[1]);
  int status = 0;
  if (child > 0) {
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
  }
  ::sigaction(SIGINT, &old_int, nullptr);
  ::sigaction(SIGQUIT, &old_quit, nullptr);
  const int err = child > 0 ? ReadExecError(fds[0]) : (::close(fds[0]), 0);
  if (child < 0) {
    result.error = "Can't start " + program + ": " + std::strerror(fork_error);
  } else if (err != 0) {
    result.error = "Can't start " + program + " in " + dir + ": " + std::strerror(err);
  } else {
    result.started = true;
    if (WIFSIGNALED(status)) {
      result.signal = WTERMSIG(status);
      result.exit_status = 128 + result.signal;
    } else {
      result.exit_status = WEXITSTATUS(status);
    }
  }
  return result;
}

StartResult StartProgram(std::string_view program, std::string_view parameters,
                         std::string_view working_dir) {
  return StartDetached(PlanProgramStart(program, parameters, working_dir, WinePrefixFromProcess()));
}

StartResult OpenDocument(std::string_view document) {
  ProcessPlan plan;
  const fs::path host = HostPath(document);
  std::error_code ec;
  if (!fs::exists(host, ec))
    return {false, "The file " + std::string(document) + " does not exist."};
  plan.program = FindOnPath("xdg-open");
  if (plan.program.empty()) {
    return {false, "Can't open " + std::string(document) +
                       ": the desktop's opener (xdg-open) was not found."};
  }
  plan.argv = {plan.program.string(), host.string()};
  plan.env = ProcessEnvironment();
  plan.working_dir = host.parent_path();
  return StartDetached(plan);
}

}  // namespace orvane
