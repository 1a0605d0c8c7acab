// The windows the main window opens from higher layers: each mod's editor
// and the about window.
#pragma once

#include "gui/MainWindow.h"

namespace orvane {

MainWindowHooks LauncherWindowHooks(LauncherState& state);

}  // namespace orvane
