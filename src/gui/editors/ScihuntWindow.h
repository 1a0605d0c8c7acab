// The Sci-hunt window ("Scientist Hunt"): a view of Sci-hunt's settings
// document on seven pages.
#pragma once

#include "editors/ScihuntSettings.h"
#include "gui/editors/JumbotWindow.h"

namespace orvane {

class ScihuntWindow final : public JumbotForm {
  Q_OBJECT

 public:
  ScihuntWindow(LauncherState& state, QWidget* parent);

  ScihuntSettings& document() { return static_cast<ScihuntSettings&>(settings()); }
};

}  // namespace orvane
