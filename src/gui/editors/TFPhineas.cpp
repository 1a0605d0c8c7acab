#include "gui/editors/TFPhineas.h"

namespace orvane {

TFPhineas::TFPhineas(LauncherState& state, QWidget* parent)
    : BotEditorForm(state, std::make_unique<PhineasSettings>(state), parent) {
  setWindowTitle(QStringLiteral("Phineas"));
  BuildStandardGamePage(document().game);
  BuildMapsPage(AddPage("Maps", QStringLiteral("Maps")));
  QWidget* bots = AddPage("Bots", QStringLiteral("Bots"));
  BuildOptions(bots, document().bots);
  BuildRoster(bots);
}

}  // namespace orvane
