#include "gui/editors/PhineasWindow.h"

namespace orvane {

PhineasWindow::PhineasWindow(LauncherState& state, QWidget* parent)
    : BotEditorForm(state, std::make_unique<PhineasSettings>(state), parent) {
  setWindowTitle(QStringLiteral("Phineas"));
  BuildStandardPages(document().game, document().bots);
}

}  // namespace orvane
