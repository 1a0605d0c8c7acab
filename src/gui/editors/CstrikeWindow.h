// The Counter-Strike window, made for the bot chosen in the main window: a
// view of Counter-Strike's settings document, with the pages that bot has.
#pragma once

#include "editors/CstrikeSettings.h"
#include "gui/editors/TeamBotForm.h"

namespace orvane {

class CstrikeWindow final : public TeamBotForm {
  Q_OBJECT

 public:
  CstrikeWindow(LauncherState& state, QWidget* parent);

  CstrikeSettings& document() { return static_cast<CstrikeSettings&>(settings()); }
};

}  // namespace orvane
