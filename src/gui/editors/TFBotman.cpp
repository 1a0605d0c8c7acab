#include "gui/editors/TFBotman.h"

namespace orvane {

TFBotman::TFBotman(LauncherState& state, QWidget* parent)
    : BotEditorForm(state, std::make_unique<BotmanSettings>(state), parent) {
  setWindowTitle(QStringLiteral("Botman"));
  BuildStandardGamePage(document().game);
  BuildMapsPage(AddPage("Maps", QStringLiteral("Maps")));
  QWidget* bots = AddPage("Bots", QStringLiteral("Bots"));
  BuildOptions(bots, document().bots);
  BuildRoster(bots);
}

}  // namespace orvane
