#include "gui/editors/TFCstrike.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include "editors/CstrikeLaunch.h"
#include "gui/MapsPage.h"
#include "gui/widgets/GameText.h"

namespace orvane {
namespace {

constexpr const char* kBandTitles[] = {"    0 - 19",  "    20 - 39", "    40 - 59",
                                       "    60 - 79", "    80 - 99", "    100"};
constexpr const char* kParamTitles[] = {" Min Delay",      " Max Delay",    " Min Turn Speed",
                                        " Max Turn Speed", " Aim Offset X", " Aim Offset Y",
                                        " Aim Offset Z",   " Headshot %"};

}  // namespace

TFCstrike::TFCstrike(LauncherState& state, QWidget* parent)
    : TeamBotForm(state, std::make_unique<CstrikeSettings>(state), "Counter Strike", parent) {
  CstrikeSettings& doc = document();

  QWidget* game = AddPage("Game", QStringLiteral("Game"));
  const std::vector<QWidget*> game_columns = AddColumns(game, 2);
  BuildOptions(game_columns[0], doc.game);
  BuildOptions(game_columns[1], doc.version);
  BuildOptions(game_columns[1], doc.misc);
  for (QWidget* column : game_columns) qobject_cast<QBoxLayout*>(column->layout())->addStretch();

  QWidget* maps = AddPage("Maps", QStringLiteral("Maps"));
  BuildTeamMapsPage(maps);
  BuildOptions(maps, doc.waypoints);

  QWidget* bots = AddPage("Bots", QStringLiteral("Bots"));
  BuildRoster(bots, &doc.skills);
  ColourTeams({{"CS_BotT", "#b22222"}, {"CS_BotCT", "#1f4e9c"}});
  BuildChatPage(doc.bot() == kPodBot ? "%s  can be used to insert the player's name"
                                     : "%n  can be used to insert the player's name.");
  if (doc.HasAiPage()) {
    QWidget* ai = AddPage("AI", QStringLiteral("A.I."));
    AddNote(ai, "Label85",
            "the following parameters are used only\rif the map have no waypoints :");
    BuildOptions(ai, doc.ai);
    qobject_cast<QBoxLayout*>(ai->layout())->addStretch();
  }
  if (doc.HasSkillsPage()) {
    QWidget* page = AddPage("Skill", QStringLiteral("Skills"));
    skills_ = new QTableWidget(static_cast<int>(kPodParams), static_cast<int>(kPodBands), page);
    skills_->setObjectName(QStringLiteral("CS_Skills"));
    QStringList bands;
    for (const char* title : kBandTitles) bands << QString::fromLatin1(title);
    QStringList params;
    for (const char* title : kParamTitles) params << QString::fromLatin1(title);
    skills_->setHorizontalHeaderLabels(bands);
    skills_->setVerticalHeaderLabels(params);
    skills_->verticalHeader()->setFixedWidth(105);
    skills_->horizontalHeader()->setDefaultSectionSize(70);
    page->layout()->addWidget(skills_);
    connect(skills_, &QTableWidget::cellChanged, this, [this](int row, int column) {
      document().pod[static_cast<size_t>(column)][static_cast<size_t>(row)] =
          ToGame(skills_->item(row, column)->text());
      MarkModified();
    });
  }
}

void TFCstrike::ShowMore() {
  if (skills_ == nullptr) return;
  const QSignalBlocker block(skills_);
  for (size_t band = 0; band < kPodBands; ++band) {
    for (size_t param = 0; param < kPodParams; ++param) {
      skills_->setItem(static_cast<int>(param), static_cast<int>(band),
                       new QTableWidgetItem(FromGame(document().pod[band][param])));
    }
  }
}

}  // namespace orvane
