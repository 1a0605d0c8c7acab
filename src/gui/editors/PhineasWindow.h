// The Phineas window: a view of Phineas's settings document.
#pragma once

#include "editors/PhineasSettings.h"
#include "gui/BotEditorForm.h"

namespace orvane {

class PhineasWindow final : public BotEditorForm {
  Q_OBJECT

 public:
  PhineasWindow(LauncherState& state, QWidget* parent);

  PhineasSettings& document() { return static_cast<PhineasSettings&>(settings()); }
};

}  // namespace orvane
