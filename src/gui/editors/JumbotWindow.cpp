#include "gui/editors/JumbotWindow.h"

#include <QBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "gui/MapsPage.h"

namespace orvane {

void JumbotForm::BuildAiPage(QWidget* page, JumbotOptions& jumbot) {
  const std::vector<QWidget*> columns = AddColumns(page, 3);
  BuildOptions(columns[0], jumbot.skills);
  BuildOptions(columns[1], jumbot.behaviour);
  BuildOptions(columns[2], jumbot.weapons);
  for (QWidget* column : columns) qobject_cast<QBoxLayout*>(column->layout())->addStretch();
}

void JumbotForm::BuildWaypointsPage(QWidget* page, JumbotOptions& jumbot) {
  BuildOptions(page, jumbot.waypoints);
  BuildOptions(page, jumbot.keys);
  qobject_cast<QBoxLayout*>(page->layout())->addStretch();
}

void JumbotForm::BuildTextPagePair(QWidget* page, const std::string& left_caption, size_t left,
                                   const std::string& right_caption, size_t right) {
  const std::vector<QWidget*> memos = AddColumns(page, 2);
  AddNote(memos[0], nullptr, left_caption);
  BuildTextPage(memos[0], left);
  AddNote(memos[1], nullptr, right_caption);
  BuildTextPage(memos[1], right);
}

void JumbotForm::BuildMapTools(QWidget* page, const std::string& config_dir,
                               const std::string& default_file) {
  auto* below = new QWidget(page);
  auto* layout = new QHBoxLayout(below);
  layout->setContentsMargins(0, 0, 0, 0);
  AddNote(below, (settings().Control("MapLabel")).c_str(), kMapLegend);
  layout->addStretch();
  const auto button = [below, layout](const QString& name, const QString& caption,
                                      const QString& hint) {
    auto* b = new QToolButton(below);
    b->setObjectName(name);
    b->setText(caption);
    b->setToolTip(hint);
    layout->addWidget(b);
    return b;
  };
  const QString prefix = QString::fromStdString(settings().Control(""));
  QToolButton* edit_cfg = button(prefix + QStringLiteral("BEditCfg"), QStringLiteral("Edit config"),
                                 QStringLiteral("Edit the selected map's own configuration"));
  QToolButton* edit_def =
      button(prefix + QStringLiteral("BEditDef"), QStringLiteral("Edit default"),
             QStringLiteral("Edit the configuration every map starts from"));
  page->layout()->addWidget(below);
  connect(edit_cfg, &QToolButton::clicked, this,
          [this, config_dir] { EditMapConfig(maps_->SelectedAvailable(), config_dir, ".cfg"); });
  connect(edit_def, &QToolButton::clicked, this, [this, default_file] { EditFile(default_file); });
}

JumbotWindow::JumbotWindow(LauncherState& state, QWidget* parent)
    : JumbotForm(state, std::make_unique<JumbotSettings>(state), parent) {
  setWindowTitle(QStringLiteral("Jumbot"));
  JumbotSettings& doc = document();
  BuildStandardGamePage(AddPage(QStringLiteral("JB_TS_Game"), QStringLiteral("Game")), doc.game,
                        &doc.jumbot.skill);

  QWidget* maps = AddPage(QStringLiteral("JB_TS_Maps"), QStringLiteral("Maps"));
  BuildMapsPage(maps);
  BuildMapTools(maps, doc.ModDirectory() + "\\mapcfgs\\", doc.File("mapcfgs\\default.cfg"));

  QWidget* bots = AddPage(QStringLiteral("JB_TS_Bots"), QStringLiteral("Bots"));
  BuildRoster(bots, &doc.jumbot.bots);

  BuildAiPage(AddPage(QStringLiteral("JB_TS_AI"), QStringLiteral("A.I.")), doc.jumbot);

  QWidget* chat = AddPage(QStringLiteral("JB_TS_BotChat"), QStringLiteral("Bots Chat"));
  BuildOptions(chat, doc.jumbot.chat);
  BuildTextPagePair(chat, "Chat lines", doc.chat_page, "Answers to orders", doc.orders_page);
  AddNote(chat, nullptr, "%s  can be used to insert the killer's / victim's name");

  BuildWaypointsPage(AddPage(QStringLiteral("TabSheet5"), QStringLiteral("Waypoints")), doc.jumbot);

  QWidget* morons = AddPage(QStringLiteral("TabSheet1"), QStringLiteral("Moron Bots"));
  BuildOptions(morons, doc.jumbot.morons);
  AddNote(morons, nullptr, "What the moron bots say");
  BuildTextPage(morons, doc.morons_page);
}

}  // namespace orvane
