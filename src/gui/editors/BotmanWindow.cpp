#include "gui/editors/BotmanWindow.h"

namespace orvane {

BotmanWindow::BotmanWindow(LauncherState& state, QWidget* parent)
    : BotEditorForm(state, std::make_unique<BotmanSettings>(state), parent) {
  setWindowTitle(QStringLiteral("Botman"));
  BuildStandardPages(document().game, document().bots);
}

}  // namespace orvane
