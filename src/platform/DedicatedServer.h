// Half-Life Dedicated Server (Steam app 90): its programs, where steamcmd
// or Steam put it, and how it is started in a terminal window. Its
// directory has the game's layout, so everything else treats it as one.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Process.h"
#include "platform/SteamLibrary.h"

namespace orvane {

inline constexpr std::string_view kDedicatedServerAppId = "90";

// In the order one is chosen when several are there: Valve's Linux wrapper
// (it sets the library path and restarts after a crash), the Linux binary,
// the Windows build (through Wine).
inline constexpr std::array<std::string_view, 3> kServerPrograms = {"hlds_run", "hlds_linux",
                                                                    "hlds.exe"};

// The file name of a path built the game's way or the host's names a server program.
bool IsServerProgram(std::string_view program_path);
bool IsWindowsServerProgram(std::string_view program_path);

// The first of kServerPrograms in the host directory; "" when none.
std::string ServerProgramIn(const std::filesystem::path& host_dir);

// The dedicated server Steam or steamcmd installed, when it holds a server
// program: first in every library of Steam's roots, then in steamcmd's own
// homes (~/Steam of Valve's tarball, ~/.steam of Debian's package, each as
// a root with its libraries), then in the directories people give
// +force_install_dir (~/hlds, LinuxGSM's ~/serverfiles), whose manifest
// lies in <dir>/steamapps and whose files lie in <dir> itself.
SteamSearch FindDedicatedServer(const SteamEnvironment& env);

// The server's plan run in a terminal window of its own: $TERMINAL when set
// (terminal names it), else Debian's x-terminal-emulator, each given "-e"
// and a shell that enters the server's directory, runs it and keeps the
// window open after it stops so its last words can be read.
ProcessPlan PlanInTerminal(const ProcessPlan& server, std::string_view terminal);

}  // namespace orvane
