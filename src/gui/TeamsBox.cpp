#include "gui/TeamsBox.h"
#include "gui/FormParts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringListModel>
#include <QToolButton>
#include <vector>

#include "gui/widgets/GameText.h"
#include "gui/widgets/Pictures.h"

namespace orvane {
TeamsBox::TeamsBox(BotEditorForm& form, EditorSettings& settings)
    : form_(form), settings_(settings) {}

QGroupBox* TeamsBox::BuildGameType(QWidget* parent) {
  auto* group = new QGroupBox(QStringLiteral("Game Type"), parent);
  auto* layout = new QGridLayout(group);
  const std::vector<std::string>& kinds = settings_.game_types();
  if (kinds.empty()) {
    deathmatch_ = new QRadioButton(QStringLiteral("DeathMatch"), group);
    deathmatch_->setObjectName(form_.ControlName("deathmatch"));
    deathmatch_->setToolTip(QStringLiteral("Allows you to play a deathmatch"));
    teamplay_ = new QRadioButton(QStringLiteral("Teamplay"), group);
    teamplay_->setObjectName(form_.ControlName("teamplay"));
    teamplay_->setToolTip(QStringLiteral("Allows you to play a teams match"));
    game_kinds_ = {deathmatch_, teamplay_};
  } else {
    // One radio button per kind, in a group named as the control.
    group->setObjectName(Q(settings_.game_type_control()));
    for (size_t k = 0; k < kinds.size(); ++k) {
      auto* radio = new QRadioButton(Q(kinds[k]), group);
      radio->setObjectName(Q(settings_.game_type_control()) + QString::number(k));
      game_kinds_.push_back(radio);
    }
  }
  auto* kind_buttons = new QButtonGroup(group);
  for (size_t k = 0; k < game_kinds_.size(); ++k) {
    kind_buttons->addButton(game_kinds_[k], static_cast<int>(k));
    layout->addWidget(game_kinds_[k], static_cast<int>(k / 2), static_cast<int>(k % 2));
  }
  const int row = static_cast<int>((game_kinds_.size() + 1) / 2);
  label_numteam_ = new QLabel(QStringLiteral("Number of teams"), group);
  label_numteam_->setObjectName(Q(settings_.TeamCountLabel()));
  numteam_ = new QSpinBox(group);
  numteam_->setObjectName(form_.ControlName("numteam"));
  numteam_->setRange(kMinTeams, kMaxTeams);
  numteam_->setToolTip(QStringLiteral("Maximum number of teams in your game"));
  numteam_->findChild<QLineEdit*>()->setReadOnly(true);  // one step at a time, never typed
  numteam_->installEventFilter(this);
  layout->addWidget(label_numteam_, row, 0);
  layout->addWidget(numteam_, row, 1);
  connect(kind_buttons, &QButtonGroup::idClicked, this, &TeamsBox::GameTypeClicked);
  connect(numteam_, &QSpinBox::valueChanged, this, &TeamsBox::NumTeamChanged);
  return group;
}

QGroupBox* TeamsBox::BuildTeamRows(QWidget* parent) {
  auto* group = new QGroupBox(QStringLiteral("Teams Settings"), parent);
  auto* layout = new QFormLayout(group);
  // One list of models shared by the ten rows: ten copies of a player's
  // thousands of models cost more than the rest of the window.
  models_ = new QStringListModel(this);
  for (int k = 0; k < 10; ++k) {
    const QString number = QString::number(k + 1);
    auto* label =
        new QLabel(k == 0 ? QStringLiteral("Your Team") : QStringLiteral("Team ") + number, group);
    label->setObjectName(form_.ControlName("label_team") + number);
    auto* box = new QComboBox(group);
    box->setObjectName(Q(settings_.TeamControl(static_cast<size_t>(k))));
    box->setModel(models_);
    box->setToolTip(QStringLiteral("Select a team name"));
    box->installEventFilter(this);
    connect(box, &QComboBox::currentIndexChanged, this, [this, box, k](int index) {
      settings_.teams.selected[static_cast<size_t>(k)] = index;
      form_.ControlChanged();
      form_.ShowTeamPreview(box);
    });
    layout->addRow(label, box);
    row_labels_[static_cast<size_t>(k)] = label;
    rows_[static_cast<size_t>(k)] = box;
  }
  auto* preview = SmallButton(QStringLiteral("Open_Preview"), QStringLiteral("Preview"),
                              QStringLiteral("Open team model preview"), group);
  preview->setIcon(QIcon(Picture(QStringLiteral("EditConf"), 16)));
  preview->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  layout->addRow(preview);
  connect(preview, &QToolButton::clicked, &form_, &BotEditorForm::OnOpenPreviewClicked);
  return group;
}

void TeamsBox::Show() {
  const Teams& teams = settings_.teams;
  if (!game_kinds_.empty()) {
    const size_t kind = settings_.game_types().empty() ? (teams.teamplay ? 1 : 0)
                                                       : static_cast<size_t>(settings_.game_type());
    Quietly(game_kinds_[kind], [](QRadioButton* radio) { radio->setChecked(true); });
    Quietly(numteam_, [&teams](QSpinBox* spin) { spin->setValue(teams.count); });
    label_numteam_->setEnabled(teams.CountEnabled());
    numteam_->setEnabled(teams.CountEnabled());
  }
  for (size_t k = 0; k < rows_.size(); ++k) {
    if (rows_[k] == nullptr) continue;
    Quietly(rows_[k], [&teams, k](QComboBox* box) { box->setCurrentIndex(teams.selected[k]); });
    row_labels_[k]->setEnabled(teams.row_enabled[k]);
    rows_[k]->setEnabled(teams.row_enabled[k]);
  }
}

void TeamsBox::GameTypeClicked(int kind) {
  settings_.SetGameType(kind);
  Show();
  form_.ShowStates();  // options that only a team game offers
  form_.ControlChanged();
}

void TeamsBox::NumTeamChanged(int value) {
  if (!form_.PlayerChange() || !settings_.teams.teamplay) return;
  settings_.SetTeamCount(value, team_editing_);
  Show();
  form_.MarkModified();
}

void TeamsBox::ShowModels() {
  if (rows_[0] == nullptr && game_kinds_.empty()) return;
  QStringList models;
  models.reserve(static_cast<qsizetype>(settings_.models().size()));
  for (const std::string& model : settings_.models()) models << Q(model);
  if (models_ != nullptr) {
    std::vector<QSignalBlocker> quiet;  // the rows follow the list without reporting a change
    quiet.reserve(rows_.size());
    for (QComboBox* box : rows_) quiet.emplace_back(box);
    models_->setStringList(models);
  }
  Show();  // each row's choice, on the new list
}

bool TeamsBox::eventFilter(QObject* watched, QEvent* event) {
  // Editing the number: while the spin edit has the focus, the rows follow it.
  if (watched == numteam_) {
    if (event->type() == QEvent::FocusIn) team_editing_ = true;
    if (event->type() == QEvent::FocusOut) team_editing_ = false;
  }
  if (auto* team = qobject_cast<QComboBox*>(watched); team != nullptr) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
      form_.ShowTeamPreview(team);
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace orvane
