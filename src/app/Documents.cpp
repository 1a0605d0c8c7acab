#include "app/Documents.h"

#include "editors/ActionSettings.h"
#include "editors/BotmanSettings.h"
#include "editors/CstrikeSettings.h"
#include "editors/FirebotSettings.h"
#include "editors/FrontlineSettings.h"
#include "editors/JumbotSettings.h"
#include "editors/PhineasSettings.h"
#include "editors/RocketSettings.h"
#include "editors/ScihuntSettings.h"
#include "editors/TfcSettings.h"

namespace orvane {

std::unique_ptr<EditorSettings> MakeSettings(LauncherState& state, std::string_view mod_key) {
  if (mod_key == "Botman") return std::make_unique<BotmanSettings>(state);
  if (mod_key == "Phineas") return std::make_unique<PhineasSettings>(state);
  if (mod_key == "Jumbot") return std::make_unique<JumbotSettings>(state);
  if (mod_key == "CStrike") return std::make_unique<CstrikeSettings>(state);
  if (mod_key == "Scihunt") return std::make_unique<ScihuntSettings>(state);
  if (mod_key == "TFC") return std::make_unique<TfcSettings>(state);
  if (mod_key == "Rocket") return std::make_unique<RocketSettings>(state);
  if (mod_key == "Action") return std::make_unique<ActionSettings>(state);
  if (mod_key == "Firebot") return std::make_unique<FirebotSettings>(state);
  if (mod_key == "Frontline") return std::make_unique<FrontlineSettings>(state);
  return nullptr;
}

}  // namespace orvane
