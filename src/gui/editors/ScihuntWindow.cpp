#include "gui/editors/ScihuntWindow.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

namespace orvane {

ScihuntWindow::ScihuntWindow(LauncherState& state, QWidget* parent)
    : JumbotForm(state, std::make_unique<ScihuntSettings>(state), parent) {
  setWindowTitle(QStringLiteral("Scientist Hunt"));
  ScihuntSettings& doc = document();

  QWidget* game = AddPage(QStringLiteral("SH_TS_Game"), QStringLiteral("Game"));
  const std::vector<QWidget*> game_columns = AddColumns(game, 2);
  BuildOptions(game_columns[0], doc.mode);
  BuildOptions(game_columns[0], doc.game, 2);
  BuildOptions(game_columns[0], doc.jumbot.skill);
  BuildOptions(game_columns[1], doc.scientists);
  BuildOptions(game_columns[1], doc.physics);
  for (QWidget* column : game_columns) qobject_cast<QBoxLayout*>(column->layout())->addStretch();

  QWidget* maps = AddPage(QStringLiteral("SH_TS_Maps"), QStringLiteral("Maps"));
  BuildMapsPage(maps);
  auto* options = new QWidget(maps);
  auto* options_layout = new QHBoxLayout(options);
  options_layout->setContentsMargins(0, 0, 0, 0);
  BuildOptions(options, doc.map_configs);
  AddNote(options, nullptr,
          "(warning : some KRV settings can be\roverriden from one map to another)");
  maps->layout()->addWidget(options);
  BuildMapTools(maps, doc.ModDirectory() + "\\maps\\", doc.File("map_default.cfg"));

  QWidget* bots = AddPage(QStringLiteral("SH_TS_Bots"), QStringLiteral("Bots"));
  BuildRoster(bots, &doc.jumbot.bots);

  BuildAiPage(AddPage(QStringLiteral("SH_TS_AI"), QStringLiteral("A.I.")), doc.jumbot);

  QWidget* chat = AddPage(QStringLiteral("SH_TS_Chat"), QStringLiteral("Bots Chat"));
  BuildOptions(chat, doc.orders);
  BuildOptions(chat, doc.jumbot.chat);
  BuildTextPagePair(chat, "% can be used to insert the victim's name", doc.chat_kill_page,
                    "% can be used to insert the killer's name", doc.chat_died_page);

  QWidget* arsenals = AddPage(QStringLiteral("TabSheet6"), QStringLiteral("Arsenals"));
  BuildOptions(arsenals, doc.arsenal);
  const std::vector<QWidget*> columns = AddColumns(arsenals, 3);
  AddNote(columns[0], nullptr, "Players start each map with\rthe following equipment");
  BuildTextPage(columns[0], doc.arsenal_page);
  auto* file_buttons = new QHBoxLayout;
  file_buttons->addWidget(BuildAction(columns[0], "SH_AClear", QStringLiteral("Clear"),
                                      QStringLiteral("Empty the equipment list")));
  file_buttons->addWidget(BuildAction(columns[0], "SH_ASave", QStringLiteral("Save"),
                                      QStringLiteral("Write the arsenal file now")));
  qobject_cast<QBoxLayout*>(columns[0]->layout())->addLayout(file_buttons);
  for (const auto& [title, kind, list] : {std::tuple{"Add weapon", "weapon_", &ArsenalWeapons()},
                                          std::tuple{"Add ammos", "ammo_", &ArsenalAmmos()}}) {
    auto* group = new QGroupBox(QString::fromLatin1(title), columns[1]);
    auto* grid = new QGridLayout(group);
    grid->setSpacing(2);
    int i = 0;
    for (const std::string& caption : *list) {
      const std::string name = "SH_A" + std::string(kind) + caption;
      QToolButton* button =
          BuildAction(group, name.c_str(), QString::fromStdString(caption),
                      QStringLiteral("Add ") + QString::fromLatin1(kind) +
                          QString::fromStdString(caption) + QStringLiteral(" to the list"));
      button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
      grid->addWidget(button, i / 2, i % 2);
      ++i;
    }
    columns[1]->layout()->addWidget(group);
  }
  qobject_cast<QBoxLayout*>(columns[1]->layout())->addStretch();
  BuildOptions(columns[2], doc.misc);
  qobject_cast<QBoxLayout*>(columns[2]->layout())->addStretch();

  BuildWaypointsPage(AddPage(QStringLiteral("TabSheet7"), QStringLiteral("Waypoints")), doc.jumbot);
}

}  // namespace orvane
