#include "app/Documents.h"

#include "editors/BotmanSettings.h"
#include "editors/CstrikeSettings.h"
#include "editors/JumbotSettings.h"
#include "editors/PhineasSettings.h"
#include "editors/ScihuntSettings.h"

namespace orvane {

std::unique_ptr<EditorSettings> MakeSettings(LauncherState& state, std::string_view mod_key) {
  if (mod_key == "Botman") return std::make_unique<BotmanSettings>(state);
  if (mod_key == "Phineas") return std::make_unique<PhineasSettings>(state);
  if (mod_key == "Jumbot") return std::make_unique<JumbotSettings>(state);
  if (mod_key == "CStrike") return std::make_unique<CstrikeSettings>(state);
  if (mod_key == "Scihunt") return std::make_unique<ScihuntSettings>(state);
  return nullptr;
}

}  // namespace orvane
