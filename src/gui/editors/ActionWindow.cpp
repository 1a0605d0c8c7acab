#include "gui/editors/ActionWindow.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidget>

#include "gui/ErrorBox.h"
#include "gui/widgets/GameText.h"

namespace orvane {

ActionWindow::ActionWindow(LauncherState& state, QWidget* parent)
    : BotEditorForm(state, std::make_unique<ActionSettings>(state), parent) {
  setWindowTitle(QStringLiteral("Action Half-Life"));
  ActionSettings& doc = document();
  // The page names are the ones the window has always had.
  QWidget* game = AddPage(QStringLiteral("TS_PH_Game"), QStringLiteral("Game"));
  const std::vector<QWidget*> columns = AddColumns(game, 2);
  BuildOptions(columns[0], doc.game, 2);  // the check boxes two by two
  qobject_cast<QBoxLayout*>(columns[0]->layout())->addStretch();
  columns[1]->layout()->addWidget(BuildTeams(columns[1]));

  QWidget* maps = AddPage(QStringLiteral("TS_PH_Maps"), QStringLiteral("Maps"));
  BuildMapsPage(maps);
  AddMapLegend(maps, "* Waypoints", "", "");

  QWidget* bots = AddPage(QStringLiteral("TS_PH_Bots"), QStringLiteral("Bots"));
  BuildRoster(bots, &doc.bots);
}

QWidget* ActionWindow::BuildTeams(QWidget* parent) {
  auto* group = new QGroupBox(QStringLiteral("Teams and Subteams Settings"), parent);
  auto* layout = new QVBoxLayout(group);
  auto* warning = new QLabel(QStringLiteral("(warning : some maps use their own teams list)"));
  warning->setWordWrap(true);
  layout->addWidget(warning);
  tree_ = new QTreeWidget(group);
  tree_->setObjectName(QStringLiteral("AC_Teams"));
  tree_->setHeaderHidden(true);
  tree_->setToolTip(QStringLiteral("Right button to Add/Del teams."));
  tree_->setContextMenuPolicy(Qt::CustomContextMenu);
  layout->addWidget(tree_, 1);
  team_menu_ = new QMenu(tree_);
  team_menu_->setObjectName(QStringLiteral("AC_PopTeams"));
  const auto command = [this](const char* name, const char* caption, void (ActionWindow::*run)()) {
    QAction* action = team_menu_->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, run);
  };
  command("AddaTeam1", "Add a Team", &ActionWindow::AddaTeam1Click);
  command("AddaSubTeam1", "Add a SubTeam", &ActionWindow::AddaSubTeam1Click);
  command("DeleteTeam1", "Delete Team", &ActionWindow::DeleteTeam1Click);
  connect(tree_, &QTreeWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { team_menu_->popup(tree_->viewport()->mapToGlobal(at)); });
  connect(tree_, &QTreeWidget::itemSelectionChanged, this, &ActionWindow::OnTeamsChanged);

  auto* form = new QFormLayout;
  team_name_ = new QLineEdit(group);
  team_name_->setValidator(new GameTextValidator(team_name_));
  team_name_->setObjectName(QStringLiteral("AC_TeamName"));
  team_model_ = new QComboBox(group);
  team_model_->setObjectName(QStringLiteral("AC_TeamModel"));
  form->addRow(QStringLiteral("Name"), team_name_);
  form->addRow(QStringLiteral("Model"), team_model_);
  layout->addLayout(form);
  connect(team_name_, &QLineEdit::textEdited, this, &ActionWindow::OnTeamInfoChanged);
  connect(team_model_, &QComboBox::activated, this, &ActionWindow::OnTeamInfoChanged);

  auto* preview = new QToolButton(group);
  preview->setObjectName(QStringLiteral("Open_Preview"));
  preview->setText(QStringLiteral("Preview"));
  preview->setToolTip(QStringLiteral("Open team model preview"));
  layout->addWidget(preview, 0, Qt::AlignLeft);
  connect(preview, &QToolButton::clicked, this, &ActionWindow::OnOpenPreviewClicked);
  return group;
}

void ActionWindow::ShowMore() {
  const QSignalBlocker block(team_model_);
  team_model_->clear();
  for (const std::string& model : document().models()) team_model_->addItem(FromGame(model));
  ShowTree();
}

void ActionWindow::ShowTree() {
  const ActionSettings& doc = document();
  const QSignalBlocker block(tree_);
  tree_->clear();
  for (const ActionTeam& team : doc.team_tree) {
    auto* main = new QTreeWidgetItem(tree_, QStringList(FromGame(team.text)));
    for (const std::string& sub : team.subs) new QTreeWidgetItem(main, QStringList(FromGame(sub)));
  }
  tree_->expandAll();
  const TeamNodeRef& node = doc.current_team;
  if (node.team >= 0) {
    QTreeWidgetItem* item = tree_->topLevelItem(node.team);
    if (node.sub >= 0 && item != nullptr) item = item->child(node.sub);
    if (item != nullptr) tree_->setCurrentItem(item);
  }
  const QSignalBlocker name_block(team_name_);
  team_name_->setText(FromGame(doc.TeamName()));
  // A model not in the list leaves the drop-down on its previous entry.
  const int model = team_model_->findText(FromGame(doc.TeamModel()));
  if (model >= 0) {
    const QSignalBlocker model_block(team_model_);
    team_model_->setCurrentIndex(model);
  }
}

void ActionWindow::OnTeamsChanged() {
  QTreeWidgetItem* item = tree_->currentItem();
  TeamNodeRef node;
  if (item != nullptr) {
    QTreeWidgetItem* parent = item->parent();
    node.team = tree_->indexOfTopLevelItem(parent != nullptr ? parent : item);
    node.sub = parent != nullptr ? parent->indexOfChild(item) : -1;
  }
  document().current_team = node;
  ShowTree();
  ShowPreviewModel(FromGame(document().TeamName()), team_model_->currentText());
}

void ActionWindow::OnTeamInfoChanged() {
  if (document().current_team.team < 0) return;
  document().SetTeamInfo(ToGame(team_name_->text()), ToGame(team_model_->currentText()));
  QTreeWidgetItem* item = tree_->currentItem();
  if (item != nullptr) item->setText(0, FromGame(document().NodeText(document().current_team)));
  ShowPreviewModel(team_name_->text(), team_model_->currentText());
  MarkModified();
}

void ActionWindow::AddaTeam1Click() {
  document().AddTeam();
  ShowTree();
  MarkModified();
}

void ActionWindow::AddaSubTeam1Click() {
  const std::string refused = document().AddSubTeam();
  if (!refused.empty()) {
    ShowErrorBox(this, refused);
    return;
  }
  ShowTree();
  // Apply writes the new sub-team, so closing must ask before dropping it.
  MarkModified();
}

void ActionWindow::DeleteTeam1Click() {
  const std::string refused = document().DeleteRefusal();
  if (!refused.empty()) {
    ShowErrorBox(this, refused);
    return;
  }
  if (!AskYesNo(this, document().DeleteQuestion())) return;
  document().DeleteTeamNode();
  ShowTree();
  MarkModified();
}

void ActionWindow::PreviewOpened() {
  ShowPreviewModel(FromGame(document().TeamName()), team_model_->currentText());
}

}  // namespace orvane
