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
    : BotEditorForm(state, std::make_unique<CstrikeSettings>(state), parent) {
  CstrikeSettings& doc = document();
  setWindowTitle(QStringLiteral("Counter Strike - ") + FromGame(doc.bot()));

  QWidget* game = AddPage("Game", QStringLiteral("Game"));
  const std::vector<QWidget*> game_columns = AddColumns(game, 2);
  BuildOptions(game_columns[0], doc.game);
  BuildOptions(game_columns[1], doc.version);
  BuildOptions(game_columns[1], doc.misc);
  for (QWidget* column : game_columns) qobject_cast<QBoxLayout*>(column->layout())->addStretch();

  QWidget* maps = AddPage("Maps", QStringLiteral("Maps"));
  AddNote(maps, "Label84", "Available maps for " + doc.bot());
  BuildMapsPage(maps);
  auto* below = new QWidget(maps);
  auto* below_layout = new QHBoxLayout(below);
  below_layout->setContentsMargins(0, 0, 0, 0);
  QLabel* legend = AddNote(below, "CS_MapLabel", doc.MapLegend());
  QFont bold = legend->font();
  bold.setBold(true);
  legend->setFont(bold);
  below_layout->addStretch();
  if (!doc.profile().map_config_ext.empty()) {
    auto* edit_cfg = new QToolButton(below);
    edit_cfg->setObjectName(QStringLiteral("CS_BEditCfg"));
    edit_cfg->setText(QStringLiteral("Edit config"));
    edit_cfg->setToolTip(QStringLiteral("Edit the configuration file for this map"));
    below_layout->addWidget(edit_cfg);
    connect(edit_cfg, &QToolButton::clicked, this, [this] {
      EditMapConfig(maps_->SelectedAvailable(), document().ModDirectory() + "\\maps\\",
                    document().profile().map_config_ext);
    });
  }
  maps->layout()->addWidget(below);
  BuildOptions(maps, doc.waypoints);

  QWidget* bots = AddPage("Bots", QStringLiteral("Bots"));
  BuildRoster(bots, &doc.skills);
  // The teams in their colours.
  for (const auto& [name, colour] :
       {std::pair{"CS_BotT", "#b22222"}, std::pair{"CS_BotCT", "#1f4e9c"}}) {
    if (auto* radio = findChild<QRadioButton*>(QString::fromLatin1(name))) {
      radio->setStyleSheet(QStringLiteral("QRadioButton { background: %1; color: white; }")
                               .arg(QString::fromLatin1(colour)));
    }
  }

  if (doc.HasChatPage()) {
    QWidget* chat = AddPage("Chat", QStringLiteral("Bots Chat"));
    BuildTextPage(chat, doc.chat_page);
    AddNote(chat, "Label75",
            doc.bot() == kPodBot ? "%s  can be used to insert the player's name"
                                 : "%n  can be used to insert the player's name.");
  }
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
