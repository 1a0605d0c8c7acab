#include "core/GameDirectory.h"

#include "core/LauncherSettings.h"
#include "platform/FileSystem.h"

namespace orvane {

bool GameProgramIn(std::string_view dir, std::string_view program) {
  return !dir.empty() && FileExists(std::string(dir) + "\\" + std::string(program));
}

std::string GameProgramMessage(std::string_view dir, std::string_view program) {
  if (dir.empty() || GameProgramIn(dir, program)) return {};
  return std::string(program) + " can't be found in " + std::string(dir);
}

bool StoreGameDirectory(RegistryStore& registry, std::string_view dir, std::string_view program) {
  return registry.WriteStrings(kLauncherKey,
                               {{"HLPath", std::string(dir)}, {"HLExe", std::string(program)}});
}

}  // namespace orvane
