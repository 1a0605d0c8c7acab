#include "gui/editors/FrontlineWindow.h"

#include <QBoxLayout>
#include <QToolButton>

namespace orvane {

FrontlineWindow::FrontlineWindow(LauncherState& state, QWidget* parent)
    : TeamBotForm(state, std::make_unique<FrontlineSettings>(state, state.bot_choice.text),
                  "Front Line Force", parent) {
  FrontlineSettings& doc = document();
  QWidget* game = AddPage("Game", QStringLiteral("Game"));
  // Half the page: the spin edits stay the size of their numbers.
  const std::vector<QWidget*> columns = AddColumns(game, 2);
  BuildOptions(columns[0], doc.game);
  for (QWidget* column : columns) qobject_cast<QBoxLayout*>(column->layout())->addStretch();

  BuildTeamMapsPage(AddPage("Maps", QStringLiteral("Maps")));

  QWidget* bots = AddPage("Bots", QStringLiteral("Bots"));
  BuildRoster(bots, &doc.skills);
  // Front Line Force spells its model buttons out.
  for (const char* step : {"Prev", "Next"}) {
    if (QToolButton* button = findChild<QToolButton*>(QStringLiteral("FL_%1Mod").arg(step)))
      button->setObjectName(QStringLiteral("FL_%1Model").arg(step));
  }
  ColourTeams({{"FL_TeamRebel", "#8b5a2b"}, {"FL_TeamCommando", "#2e5e3a"}});
  BuildChatPage("%n  can be used to insert the killer's/victim's name.");
}

}  // namespace orvane
