#include "editors/ModRegistry.h"

#include "editors/ActionSettings.h"
#include "editors/BotmanSettings.h"
#include "editors/CstrikeLaunch.h"
#include "editors/CstrikeSettings.h"
#include "editors/FirebotSettings.h"
#include "editors/FrontlineSettings.h"
#include "editors/JumbotSettings.h"
#include "editors/LaunchFiles.h"
#include "editors/PhineasSettings.h"
#include "editors/RocketSettings.h"
#include "editors/ScihuntSettings.h"
#include "editors/TfcSettings.h"

namespace orvane {
namespace {

template <typename Settings>
std::unique_ptr<EditorSettings> Make(LauncherState& state, const std::string& /*bot*/) {
  return std::make_unique<Settings>(state);
}

template <typename Settings>
std::unique_ptr<EditorSettings> MakeForBot(LauncherState& state, const std::string& bot) {
  return std::make_unique<Settings>(state, bot);
}

}  // namespace

const std::vector<ModRegistration>& ModRegistrations() {
  static const std::vector<ModRegistration> kRegistrations = {
      {"Action", Make<ActionSettings>, nullptr},
      {"Botman", Make<BotmanSettings>, nullptr},
      {"CStrike", MakeForBot<CstrikeSettings>, WriteCsLaunchFiles},
      {"Firebot", Make<FirebotSettings>, nullptr},
      {"Frontline", MakeForBot<FrontlineSettings>, WriteFrontlineLaunchFiles},
      {"Jumbot", Make<JumbotSettings>, nullptr},
      {"Phineas", Make<PhineasSettings>, nullptr},
      {"Rocket", Make<RocketSettings>, nullptr},
      {"Scihunt", Make<ScihuntSettings>, nullptr},
      {"TFC", MakeForBot<TfcSettings>, WriteTfcLaunchFiles},
  };
  return kRegistrations;
}

const ModRegistration* FindRegistration(std::string_view mod_key) {
  for (const ModRegistration& registration : ModRegistrations()) {
    if (registration.key == mod_key) return &registration;
  }
  return nullptr;
}

std::unique_ptr<EditorSettings> MakeSettings(LauncherState& state, std::string_view mod_key,
                                             const std::string& bot) {
  const ModRegistration* registration = FindRegistration(mod_key);
  return registration != nullptr ? registration->make_settings(state, bot) : nullptr;
}

void WriteLaunchFiles(const LauncherState& state, std::string_view mod_key,
                      const std::string& bot) {
  const ModRegistration* registration = FindRegistration(mod_key);
  if (registration != nullptr && registration->write_launch_files != nullptr) {
    registration->write_launch_files(state, bot);
  }
}

}  // namespace orvane
