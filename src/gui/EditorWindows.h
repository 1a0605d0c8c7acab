// The windows the main window opens from higher layers: each mod's editor
// (one row per mod of the mod table, beside editors/ModRegistry's row for its
// document) and the about window.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "gui/MainWindow.h"

namespace orvane {

struct EditorWindowMaker {
  std::string_view key;
  std::unique_ptr<QDialog> (*make)(LauncherState& state, QWidget* parent);
};

const std::vector<EditorWindowMaker>& EditorWindowMakers();

MainWindowHooks LauncherWindowHooks(LauncherState& state);

}  // namespace orvane
