// The Sci-hunt window ("Scientist Hunt"): a view of Sci-hunt's settings
// document on seven pages.
#pragma once

#include "editors/ScihuntSettings.h"
#include "gui/editors/TFJumbot.h"

namespace orvane {

class TFScihunt final : public JumbotForm {
  Q_OBJECT

 public:
  TFScihunt(LauncherState& state, QWidget* parent);

  ScihuntSettings& document() { return static_cast<ScihuntSettings&>(settings()); }
};

}  // namespace orvane
