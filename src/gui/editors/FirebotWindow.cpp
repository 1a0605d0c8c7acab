#include "gui/editors/FirebotWindow.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "gui/widgets/GameText.h"

namespace orvane {
namespace {

constexpr const char* kRowTitles[] = {" Min Delay",    " Max Delay",    " Aim Offset X",
                                      " Aim Offset Y", " Aim Offset Z", " Headshot %"};

}  // namespace

FirebotWindow::FirebotWindow(LauncherState& state, QWidget* parent)
    : BotEditorForm(state, std::make_unique<FirebotSettings>(state), parent) {
  setWindowTitle(QStringLiteral("Fire Bot"));
  FirebotSettings& doc = document();
  QWidget* game = AddPage("Game", QStringLiteral("Game"));
  const std::vector<QWidget*> columns = AddColumns(game, 2);
  BuildOptions(columns[0], doc.game);
  BuildOptions(columns[1], doc.misc);
  for (QWidget* column : columns) qobject_cast<QBoxLayout*>(column->layout())->addStretch();

  QWidget* maps = AddPage("Maps", QStringLiteral("Maps"));
  BuildMapsPage(maps);
  BuildOptions(maps, doc.maps_options);
  AddMapLegend(maps, "+ Self config", doc.ConfigDir() + "\\", ".cfg");
  QLabel* warning = AddNote(
      maps, nullptr, "(warning : some KRV settings can be\roverriden from one map to another)");
  warning->setAlignment(Qt::AlignCenter);

  QWidget* bots = AddPage("Bots", QStringLiteral("Bots"));
  BuildRoster(bots, &doc.bots);
  for (const auto& [name, colour] :
       {std::pair{"FB_TeamRed", "#b22222"}, std::pair{"FB_TeamBlue", "#1f4e9c"}}) {
    if (auto* radio = findChild<QRadioButton*>(QString::fromLatin1(name))) {
      radio->setStyleSheet(QStringLiteral("QRadioButton { background: %1; color: white; }")
                               .arg(QString::fromLatin1(colour)));
    }
  }

  QWidget* page = AddPage("Skills", QStringLiteral("Skills"));
  QStringList levels;
  for (int level = 1; level <= 5; ++level) levels << QStringLiteral("   Skill %1").arg(level);
  QStringList rows;
  for (const char* title : kRowTitles) rows << QString::fromLatin1(title);
  QTableWidget* grid = BuildGrid(
      page, QStringLiteral("FB_Skills"), levels, rows, 80,
      [this](size_t row, size_t level) -> std::string& { return document().skills[row][level]; });
  grid->verticalHeader()->setDefaultSectionSize(24);
  AddNote(page, nullptr,
          "MIN / MAX DELAY specifies the Reaction Time in Seconds.\r"
          "AIM OFFSET X/Y/Z are the offsets for aiming (where Z is the Up Direction).\r"
          "HEADSHOT specifies (in percent) the probability of aiming at the Head.");
}

}  // namespace orvane
