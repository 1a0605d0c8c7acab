#include "gui/editors/TfcWindow.h"

#include <QBoxLayout>
#include <QGroupBox>

#include "gui/OptionControls.h"

namespace orvane {

TfcWindow::TfcWindow(LauncherState& state, QWidget* parent)
    : TeamBotForm(state, std::make_unique<TfcSettings>(state, state.bot_choice.text),
                  "Team Fortress Classic", parent) {
  TfcSettings& doc = document();
  QWidget* game = AddPage("Game", QStringLiteral("Game"));
  const std::vector<QWidget*> columns = AddColumns(game, 2);
  BuildOptions(columns[0], doc.game);
  if (QGroupBox* abot = BuildOptions(columns[1], doc.abot)->Group(QStringLiteral("Abot options")))
    abot->setObjectName(QStringLiteral("GB_Abot"));
  for (QWidget* column : columns) qobject_cast<QBoxLayout*>(column->layout())->addStretch();

  QWidget* maps = AddPage("Maps", QStringLiteral("Maps"));
  BuildTeamMapsPage(maps);
  // Under "Play Maps", for Abot only: the other bots' list is the taller.
  BuildOptions(maps, doc.addmap);

  QWidget* bots = AddPage("Bots", QStringLiteral("Bots"));
  BuildRoster(bots, &doc.skills);
  ColourTeams({{"TF_TeamBlue", "#1f4e9c"}, {"TF_TeamRed", "#b22222"}});
  BuildChatPage("%n  can be used to insert the player's name.");
}

}  // namespace orvane
