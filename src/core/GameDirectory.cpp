#include "core/GameDirectory.h"

#include "core/LauncherSettings.h"
#include "platform/DedicatedServer.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/SteamLibrary.h"

namespace orvane {

namespace {

bool HalfLifeIn(std::string_view dir, std::string_view program) {
  const std::string base = std::string(dir) + "\\";
  if (FileExists(base + std::string(program))) return true;
  // Steam's Half-Life: its Linux build has hl_linux and no hl.exe.
  return program == kHalfLifeProgram && FileExists(base + std::string(kSteamLinuxProgram)) &&
         IsSteamGameDirectory(HostPath(dir));
}

}  // namespace

bool GameProgramIn(std::string_view dir, std::string_view program) {
  if (dir.empty()) return false;
  return HalfLifeIn(dir, program) ||
         (program == kHalfLifeProgram && !ServerProgramIn(HostPath(dir)).empty());
}

std::string ServerProgramOf(std::string_view dir, std::string_view program) {
  if (dir.empty() || program != kHalfLifeProgram || HalfLifeIn(dir, program)) return "";
  return ServerProgramIn(HostPath(dir));
}

std::string GameProgramMessage(std::string_view dir, std::string_view program) {
  if (dir.empty() || GameProgramIn(dir, program)) return {};
  return std::string(program) + " can't be found in " + ShownPath(dir);
}

bool StoreGameDirectory(RegistryStore& registry, std::string_view dir, std::string_view program) {
  return registry.WriteStrings(kLauncherKey,
                               {{"HLPath", std::string(dir)}, {"HLExe", std::string(program)}});
}

}  // namespace orvane
