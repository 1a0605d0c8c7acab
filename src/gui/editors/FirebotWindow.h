// The Firebot window: a view of Firebot's settings document, with the
// bots' skill table on a page of its own.
#pragma once

#include "editors/FirebotSettings.h"
#include "gui/BotEditorForm.h"

namespace orvane {

class FirebotWindow final : public BotEditorForm {
  Q_OBJECT

 public:
  FirebotWindow(LauncherState& state, QWidget* parent);

  FirebotSettings& document() { return static_cast<FirebotSettings&>(settings()); }
};

}  // namespace orvane
