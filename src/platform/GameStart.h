// How the game program starts: a Half-Life of a Steam library through Steam
// ("steam -applaunch 70 <parameters>"), which chooses the native build or
// Proton itself; any other, and a dedicated server wherever it lies, as the
// shell would start it (Wine for ".exe").
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/Process.h"
#include "platform/SteamLibrary.h"

namespace orvane {

// Steam started for app 70 with the parameter text's words, in working_dir:
// $STEAM when set, else "steam" on the PATH, else for Flatpak's Steam
// "flatpak run com.valvesoftware.Steam".
ProcessPlan PlanSteamStart(std::string_view parameters, const std::filesystem::path& working_dir,
                           bool flatpak);

// program and working_dir are built the game's way (HLPath + "\hl.exe", HLPath).
ProcessPlan PlanGameStart(std::string_view program, std::string_view parameters,
                          std::string_view working_dir, const std::filesystem::path& wine_prefix,
                          const SteamEnvironment& steam);

// PlanGameStart with this process's environment, then started detached; a
// dedicated server in a terminal window of its own (PlanInTerminal).
StartResult StartGame(std::string_view program, std::string_view parameters,
                      std::string_view working_dir);

}  // namespace orvane
