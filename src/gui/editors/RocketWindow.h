// The Rocket Crowbar window: a view of Rocket Crowbar's settings document,
// its bots' personalities on two sub-pages.
#pragma once

#include "editors/RocketSettings.h"
#include "gui/BotEditorForm.h"

namespace orvane {

class RocketWindow final : public BotEditorForm {
  Q_OBJECT

 public:
  RocketWindow(LauncherState& state, QWidget* parent);

  RocketSettings& document() { return static_cast<RocketSettings&>(settings()); }
};

}  // namespace orvane
