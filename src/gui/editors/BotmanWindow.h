// The Botman window: a view of Botman's settings document.
#pragma once

#include "editors/BotmanSettings.h"
#include "gui/BotEditorForm.h"

namespace orvane {

class BotmanWindow final : public BotEditorForm {
  Q_OBJECT

 public:
  BotmanWindow(LauncherState& state, QWidget* parent);

  BotmanSettings& document() { return static_cast<BotmanSettings&>(settings()); }
};

}  // namespace orvane
