// The TFC window, made for the bot chosen in the main window: a view of
// TFC's settings document, with Abot's options when Abot is the bot.
#pragma once

#include "editors/TfcSettings.h"
#include "gui/editors/TeamBotForm.h"

namespace orvane {

class TfcWindow final : public TeamBotForm {
  Q_OBJECT

 public:
  TfcWindow(LauncherState& state, QWidget* parent);

  TfcSettings& document() { return static_cast<TfcSettings&>(settings()); }
};

}  // namespace orvane
