// The Front Line Force window, made for the bot chosen in the main window: a
// view of Front Line Force's settings document.
#pragma once

#include "editors/FrontlineSettings.h"
#include "gui/editors/TeamBotForm.h"

namespace orvane {

class FrontlineWindow final : public TeamBotForm {
  Q_OBJECT

 public:
  FrontlineWindow(LauncherState& state, QWidget* parent);

  FrontlineSettings& document() { return static_cast<FrontlineSettings&>(settings()); }
};

}  // namespace orvane
