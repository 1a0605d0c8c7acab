#include "gui/editors/RocketWindow.h"

#include <QBoxLayout>
#include <QGroupBox>

namespace orvane {

RocketWindow::RocketWindow(LauncherState& state, QWidget* parent)
    : BotEditorForm(state, std::make_unique<RocketSettings>(state), parent) {
  setWindowTitle(QStringLiteral("Rocket & Crowbar"));
  RocketSettings& doc = document();
  QWidget* game = AddPage("Game", QStringLiteral("Game"));
  const std::vector<QWidget*> columns = AddColumns(game, 2);
  columns[0]->layout()->addWidget(BuildGameType(columns[0]));
  BuildOptions(columns[0], doc.game, 2);  // fifteen options: check boxes two by two
  qobject_cast<QBoxLayout*>(columns[0]->layout())->addStretch();
  columns[1]->layout()->addWidget(BuildTeamRows(columns[1]));
  QWidget* maps = AddPage("Maps", QStringLiteral("Maps"));
  BuildMapsPage(maps);
  AddMapLegend(maps, "* Waypoints\r+ Self config", doc.ModDirectory() + "\\", ".cfg");
  QWidget* bots = AddPage("Bots", QStringLiteral("Bots"));
  BuildRoster(bots, &doc.bots);
}

}  // namespace orvane
