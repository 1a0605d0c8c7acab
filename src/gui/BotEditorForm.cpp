#include "gui/BotEditorForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <chrono>

#include "gui/ErrorBox.h"
#include "core/LauncherSettings.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/StringUtil.h"
#include "gui/ListBoxes.h"
#include "services/MapLists.h"
#include "gui/MapsPage.h"
#include "services/Models.h"
#include "gui/SmallWindows.h"
#include "gui/widgets/ButtonWithColor.h"
#include "gui/widgets/GameText.h"
#include "gui/widgets/MarkedSlider.h"
#include "gui/widgets/PictureView.h"
#include "gui/widgets/Pictures.h"

namespace orvane {
namespace {

// Where the preview docks, from the editor's top left corner.
constexpr int kPreviewLeft = 583;
constexpr int kPreviewTop = 22;

constexpr const char* kMsgSave = "Do you want to save your settings ?";
constexpr const char* kMsgTeams = "You must select at least two teams for a teamplay.";
constexpr const char* kMsgStartMap = "You must select a starting map.";
constexpr const char* kMsgNoBot = "You must have at least one bot to play.";
constexpr const char* kMsgDelete = "Are you sure you want to delete selected bot(s) ?";

QString Q(std::string_view text) { return FromGame(text); }

QToolButton* SmallButton(const QString& name, const QString& caption, const QString& hint,
                         QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(caption);
  button->setToolTip(hint);
  return button;
}

}  // namespace

BotEditorForm::BotEditorForm(LauncherState& state, std::string_view mod_key, QWidget* parent)
    : QDialog(parent),
      state_(state),
      mod_(*FindMod(mod_key)),
      random_(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())) {
  setObjectName(Q(mod_.editor));
  // No system menu or close box: Exit and Apply are the ways out.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  ApplyLauncherLook(this);
  setFixedSize(kPreviewLeft - 4, 540);

  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("PC_") + Q(mod_.prefix));
  layout->addWidget(pages_);

  auto* buttons = new QHBoxLayout;
  b_close_ = new TBitBtnWithColor(Q(mod_.exit_caption), this);
  b_close_->setObjectName(QStringLiteral("BClose"));
  b_close_->SetPicture(QStringLiteral("Quit"), 16);
  b_restore_def_ = new TBitBtnWithColor(QStringLiteral("Restore Default"), this);
  b_restore_def_->setObjectName(QStringLiteral("BRestoreDef"));
  b_restore_conf_ = new TBitBtnWithColor(QStringLiteral("Restore Config"), this);
  b_restore_conf_->setObjectName(QStringLiteral("BRestoreConf"));
  b_apply_conf_ = new TBitBtnWithColor(QStringLiteral("Apply Config"), this);
  b_apply_conf_->setObjectName(QStringLiteral("BApplyConf"));
  for (TBitBtnWithColor* b : {b_close_, b_restore_def_, b_restore_conf_, b_apply_conf_}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  layout->addLayout(buttons);
  connect(b_close_, &QPushButton::clicked, this, &BotEditorForm::BCloseClick);
  connect(b_apply_conf_, &QPushButton::clicked, this, &BotEditorForm::BApplyConfClick);
  connect(b_restore_def_, &QPushButton::clicked, this, &BotEditorForm::BRestoreDefClick);
  connect(b_restore_conf_, &QPushButton::clicked, this, &BotEditorForm::BRestoreConfClick);
}

BotEditorForm::~BotEditorForm() {
  if (preview_) delete preview_.data();
}

QString BotEditorForm::ControlName(const char* suffix) const {
  return Q(mod_.prefix) + '_' + QString::fromLatin1(suffix);
}

std::string BotEditorForm::ModDirectory() const { return DirsOf(state_, mod_.key).dir; }

QWidget* BotEditorForm::AddPage(const char* suffix, const QString& caption) {
  auto* page = new QWidget(pages_);
  page->setObjectName(QStringLiteral("TS_") + ControlName(suffix));
  new QVBoxLayout(page);
  pages_->addTab(page, caption);
  return page;
}

// ---- first activation and the four buttons ----

void BotEditorForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (first_activation_ != "N") return;
  first_activation_ = "O";
  // After the window is on screen, as an activation handler runs.
  QTimer::singleShot(0, this, &BotEditorForm::RunLoad);
}

void BotEditorForm::RunLoad() {
  {
    FillingControls filling(state_);
    LoadSequence();
  }
  modified_ = false;
}

void BotEditorForm::LoadStep(const std::function<void()>& step) {
  try {
    step();
  } catch (const FileError& e) {
    ShowErrorBox(this, "Can't read the file " + e.file() + ".", e.what());
  }
}

void BotEditorForm::ControlChanged() {
  if (state_.track_changes == 1) MarkModified();
}

bool BotEditorForm::Checks() {
  bool ok = true;
  auto fail = [this, &ok](const std::string& message) {
    ShowErrorBox(this, message);
    ok = false;
  };
  const std::string dir = ModDirectory();
  if (dir.empty() || !DirectoryExists(dir)) fail("Can't find " + dir);
  if (teams_[0] != nullptr && Teamplay() &&
      (teams_[0]->currentIndex() < 0 || teams_[1]->currentIndex() < 0)) {
    fail(kMsgTeams);
  }
  if (maps_ != nullptr && maps_->play_maps().empty()) fail(kMsgStartMap);
  if (RosterRequired() && roster_.items.empty()) fail(kMsgNoBot);
  if (!ModChecks()) ok = false;
  return ok;
}

void BotEditorForm::Finish(int result) {
  if (preview_) preview_->close();
  closing_ = true;
  done(result);
}

bool BotEditorForm::CheckAndSave() {
  if (!Checks()) return false;
  try {
    SaveSequence();
  } catch (const FileError& e) {
    // Each file is written whole or not at all; the window stays with its values.
    ShowErrorBox(this, "Can't write the file " + e.file() + ".", e.what());
    return false;
  }
  return true;
}

void BotEditorForm::BCloseClick() {
  if (modified_) {
    // A failed check or write keeps the window open, and the flag with it.
    if (AskYesNo(this, kMsgSave) && !CheckAndSave()) return;
    modified_ = false;
    ClearRoster();
  }
  Finish(QDialog::Rejected);
}

void BotEditorForm::BApplyConfClick() {
  if (!CheckAndSave()) return;
  modified_ = false;
  Finish(QDialog::Accepted);
}

void BotEditorForm::BRestoreDefClick() {
  if (!AskYesNo(this, "Do you really want to reload your default " + state_.selected_mod +
                          " settings ? ")) {
    return;
  }
  {
    FillingControls filling(state_);
    ResetControls();
    LoadStep([this] { ReloadBotFile(); });
  }
  MarkModified();
}

void BotEditorForm::BRestoreConfClick() {
  if (AskYesNo(this, "Do you really want to reload your previous " + state_.selected_mod +
                         " settings ? ")) {
    RunLoad();
  }
}

void BotEditorForm::closeEvent(QCloseEvent* event) {
  if (closing_) {
    QDialog::closeEvent(event);
    return;
  }
  event->ignore();
  BCloseClick();
}

void BotEditorForm::reject() {
  if (closing_) {
    QDialog::reject();
  } else {
    BCloseClick();
  }
}

void BotEditorForm::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  if (preview_) preview_->move(x() + kPreviewLeft, y() + kPreviewTop);
}

void BotEditorForm::EditMapConfig(const std::vector<std::string>& selected_entries,
                                  const std::string& dir, const std::string& ext) {
  if (selected_entries.empty()) return;
  TEditor::Edit_File(dir + MapEntryName(selected_entries.front()) + ext, this);
}

// ---- maps ----

MapsPage* BotEditorForm::BuildMapsPage(QWidget* page) {
  maps_ = new MapsPage(state_, mod_, page);
  page->layout()->addWidget(maps_);
  connect(maps_, &MapsPage::Modified, this, &BotEditorForm::MarkModified);
  return maps_;
}

// ---- game type and team rows ----

QGroupBox* BotEditorForm::BuildGameType(QWidget* parent) {
  auto* group = new QGroupBox(QStringLiteral("Game Type"), parent);
  auto* layout = new QGridLayout(group);
  deathmatch_ = new QRadioButton(QStringLiteral("DeathMatch"), group);
  deathmatch_->setObjectName(ControlName("deathmatch"));
  deathmatch_->setToolTip(QStringLiteral("Allows you to play a deathmatch"));
  teamplay_ = new QRadioButton(QStringLiteral("Teamplay"), group);
  teamplay_->setObjectName(ControlName("teamplay"));
  teamplay_->setToolTip(QStringLiteral("Allows you to play a teams match"));
  label_numteam_ = new QLabel(QStringLiteral("Number of teams"), group);
  label_numteam_->setObjectName(ControlName("label_numteam"));
  numteam_ = new QSpinBox(group);
  numteam_->setObjectName(ControlName("numteam"));
  numteam_->setRange(kMinTeams, kMaxTeams);
  numteam_->setToolTip(QStringLiteral("Maximum number of teams in your game"));
  numteam_->findChild<QLineEdit*>()->setReadOnly(true);  // one step at a time, never typed
  numteam_->installEventFilter(this);
  layout->addWidget(deathmatch_, 0, 0);
  layout->addWidget(teamplay_, 0, 1);
  layout->addWidget(label_numteam_, 1, 0);
  layout->addWidget(numteam_, 1, 1);
  connect(deathmatch_, &QRadioButton::toggled, this, &BotEditorForm::SetGameType);
  connect(numteam_, &QSpinBox::valueChanged, this, &BotEditorForm::NumTeamChanged);
  return group;
}

QGroupBox* BotEditorForm::BuildTeamRows(QWidget* parent) {
  auto* group = new QGroupBox(QStringLiteral("Teams Settings"), parent);
  auto* layout = new QFormLayout(group);
  for (int k = 0; k < 10; ++k) {
    const QString number = QString::number(k + 1);
    auto* label =
        new QLabel(k == 0 ? QStringLiteral("Your Team") : QStringLiteral("Team ") + number, group);
    label->setObjectName(ControlName("label_team") + number);
    auto* box = new QComboBox(group);
    box->setObjectName(ControlName("team") + number);
    box->setToolTip(QStringLiteral("Select a team name"));
    box->installEventFilter(this);
    connect(box, &QComboBox::currentIndexChanged, this, [this, box] {
      ControlChanged();
      ShowTeamPreview(box);
    });
    layout->addRow(label, box);
    team_labels_[static_cast<size_t>(k)] = label;
    teams_[static_cast<size_t>(k)] = box;
  }
  auto* preview = SmallButton(QStringLiteral("Open_Preview"), QStringLiteral("Preview"),
                              QStringLiteral("Open team model preview"), group);
  preview->setIcon(QIcon(Picture(QStringLiteral("EditConf"), 16)));
  preview->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  layout->addRow(preview);
  connect(preview, &QToolButton::clicked, this, &BotEditorForm::Open_PreviewClick);
  return group;
}

bool BotEditorForm::Teamplay() const { return teamplay_ != nullptr && teamplay_->isChecked(); }

void BotEditorForm::SetTeamplay(bool teamplay) {
  (teamplay ? teamplay_ : deathmatch_)->setChecked(true);
  SetGameType();
}

void BotEditorForm::SetGameType() {
  const bool teamplay = Teamplay();
  label_numteam_->setEnabled(teamplay);
  numteam_->setEnabled(teamplay);
  for (size_t k = 0; k < teams_.size(); ++k) {
    const bool enabled = teamplay && k < 2;
    team_labels_[k]->setEnabled(enabled);
    teams_[k]->setEnabled(enabled);
  }
  if (teamplay) ApplyCountRule();
  ControlChanged();
}

void BotEditorForm::ApplyCountRule() {
  const int n = numteam_->value();
  for (int k = 3; k <= n; ++k) {
    team_labels_[static_cast<size_t>(k - 1)]->setEnabled(true);
    teams_[static_cast<size_t>(k - 1)]->setEnabled(true);
  }
  if (n < kMaxTeams) {
    QComboBox* next = teams_[static_cast<size_t>(n)];
    team_labels_[static_cast<size_t>(n)]->setEnabled(false);
    next->setEnabled(false);
    if (team_editing_) next->setCurrentIndex(-1);
  }
}

void BotEditorForm::NumTeamChanged() {
  if (state_.track_changes != 1 || !Teamplay()) return;
  ApplyCountRule();
  MarkModified();
}

void BotEditorForm::ResetTeams() {
  SetTeamplay(false);
  numteam_->setValue(kMinTeams);
  for (size_t k = 0; k < teams_.size(); ++k) {
    teams_[k]->setCurrentIndex(-1);
    team_labels_[k]->setEnabled(false);
    teams_[k]->setEnabled(false);
  }
}

void BotEditorForm::ApplyTeamList(const std::string& team_text) {
  const TeamRows rows = TeamListRows(state_, team_text);
  for (size_t k = 0; k < teams_.size(); ++k) teams_[k]->setCurrentIndex(rows.model_index[k]);
  numteam_->setValue(rows.count);
  if (Teamplay()) ApplyCountRule();
}

std::array<std::string, 10> BotEditorForm::TeamTexts() const {
  std::array<std::string, 10> texts;
  for (size_t k = 0; k < teams_.size(); ++k) {
    if (teams_[k] != nullptr) texts[k] = ToGame(teams_[k]->currentText());
  }
  return texts;
}

void BotEditorForm::FillModelLists() {
  QStringList models;
  for (const std::string& model : ModelChoices(state_)) models << Q(model);
  for (QComboBox* box : teams_) {
    if (box == nullptr) continue;
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(models);
    box->setCurrentIndex(-1);
  }
  if (bot_model_ != nullptr) {
    const QSignalBlocker block(bot_model_);
    bot_model_->clear();
    bot_model_->addItems(models);
    bot_model_->setCurrentIndex(-1);
  }
}

void BotEditorForm::ShowTeamPreview(QComboBox* team) {
  if (!preview_ || team->currentIndex() < 0) return;
  preview_->ShowModel(team->objectName(), team->currentText());
}

void BotEditorForm::Open_PreviewClick() {
  if (state_.preview_open && preview_) return;
  preview_ = new TPreview(state_, this);
  preview_->move(x() + kPreviewLeft, y() + kPreviewTop);
  ShowTeamPreview(teams_[0]);
  preview_->show();
}

bool BotEditorForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == numteam_) {
    if (event->type() == QEvent::FocusIn) team_editing_ = true;
    if (event->type() == QEvent::FocusOut) team_editing_ = false;
  }
  if (auto* team = qobject_cast<QComboBox*>(watched); team != nullptr && team != bot_model_) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
      ShowTeamPreview(team);
    }
  }
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == roster_list_ && key->key() == Qt::Key_Delete) {
      DelBotClick();
      return true;
    }
    // The model is chosen from the list or stepped, never typed.
    if (watched == bot_model_ && !key->text().isEmpty()) return true;
  }
  return QDialog::eventFilter(watched, event);
}

// ---- the roster ----

void BotEditorForm::BuildRoster(QWidget* page, const std::vector<RosterProperty>& properties,
                                std::string_view name_drops) {
  name_drops_ = std::string(name_drops);
  properties_ = properties;
  auto* row = new QHBoxLayout;
  qobject_cast<QBoxLayout*>(page->layout())->addLayout(row, 1);

  auto* list_group = new QGroupBox(QStringLiteral("Bots List"), page);
  auto* list_layout = new QVBoxLayout(list_group);
  roster_list_ = new QListWidget(list_group);
  roster_list_->setObjectName(ControlName("ListBot"));
  roster_list_->setToolTip(QStringLiteral("Select a bot to view / modify its values"));
  roster_list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  roster_list_->installEventFilter(this);
  list_layout->addWidget(roster_list_);
  auto* buttons = new QHBoxLayout;
  struct Button {
    const char* suffix;
    const char* caption;
    const char* hint;
  };
  static const Button kButtons[] = {
      {"SBUpBot", "Up", "Place a bot upper in the list"},
      {"SBDownBot", "Down", "Place a bot lower in the list"},
      {"SBCreeBot", "New", "Create a new bot"},
      {"SBCreeRandomBot", "Random", "Create a new bot with random values"},
      {"SBDelBot", "Delete", "Delete selected bot"},
  };
  std::vector<QToolButton*> made;
  for (const Button& b : kButtons) {
    made.push_back(SmallButton(ControlName(b.suffix), QString::fromLatin1(b.caption),
                               QString::fromLatin1(b.hint), list_group));
    buttons->addWidget(made.back());
  }
  list_layout->addLayout(buttons);
  row->addWidget(list_group, 1);
  connect(made[0], &QToolButton::clicked, this, [this] { MoveBot(-1); });
  connect(made[1], &QToolButton::clicked, this, [this] { MoveBot(+1); });
  // Both create buttons share one handler, told apart by the button's name.
  for (QToolButton* create : {made[2], made[3]}) {
    connect(create, &QToolButton::clicked, this,
            [this, create] { CreeBotClick(create->objectName() != ControlName("SBCreeBot")); });
  }
  connect(made[4], &QToolButton::clicked, this, &BotEditorForm::DelBotClick);
  connect(roster_list_, &QListWidget::itemSelectionChanged, this, &BotEditorForm::ListBotClick);

  auto* props = new QGroupBox(QStringLiteral("Bot Properties"), page);
  auto* form = new QFormLayout(props);
  bot_name_ = new QLineEdit(props);
  bot_name_->setObjectName(ControlName("botname"));
  bot_name_->setMaxLength(32);
  form->addRow(QStringLiteral("Name"), bot_name_);
  connect(bot_name_, &QLineEdit::textEdited, this, &BotEditorForm::BotNameChange);

  auto* model_row = new QHBoxLayout;
  auto* prev = SmallButton(ControlName("PrevMod"), QStringLiteral("<"),
                           QStringLiteral("Previous model"), props);
  bot_model_ = new QComboBox(props);
  bot_model_->setObjectName(ControlName("botmodel"));
  bot_model_->installEventFilter(this);
  auto* next =
      SmallButton(ControlName("NextMod"), QStringLiteral(">"), QStringLiteral("Next Model"), props);
  model_row->addWidget(prev);
  model_row->addWidget(bot_model_, 1);
  model_row->addWidget(next);
  form->addRow(QStringLiteral("Model"), model_row);
  connect(prev, &QToolButton::clicked, this, [this] { StepModel("Prev"); });
  connect(next, &QToolButton::clicked, this, [this] { StepModel("Next"); });
  connect(bot_model_, &QComboBox::activated, this, [this] { StepModel("All"); });

  for (size_t i = 0; i < properties_.size(); ++i) {
    const RosterProperty& p = properties_[i];
    QWidget* control = nullptr;
    if (p.kind == RosterProperty::kSlider) {
      const MarkedSlider marked = MakeMarkedSlider(p.lo, p.hi, QString::fromLatin1(p.marks), props);
      connect(marked.slider, &QSlider::valueChanged, this, [this, i] { PropertyChanged(i); });
      control = marked.slider;
      form->addRow(QString::fromLatin1(p.caption), marked.box);
    } else {
      auto* edit = new QLineEdit(props);
      connect(edit, &QLineEdit::textEdited, this, [this, i] { PropertyChanged(i); });
      control = edit;
      form->addRow(QString::fromLatin1(p.caption), edit);
    }
    control->setObjectName(ControlName(p.suffix));
    control->setToolTip(QString::fromLatin1(p.hint));
    property_controls_.push_back(control);
  }
  bot_pic_ = new PictureView(props);
  bot_pic_->setObjectName(ControlName("BotPic"));
  bot_pic_->setFixedSize(123, 150);
  bot_pic_->hide();
  form->addRow(bot_pic_);
  row->addWidget(props, 1);
}

void BotEditorForm::SetRoster(std::vector<BotEntry> entries) {
  roster_.Clear();
  for (BotEntry& entry : entries) roster_.Append(std::move(entry));
  if (!roster_.items.empty()) roster_.SelectOnly(0);
  ShowRoster();
  ShowSelectedEntry();
}

void BotEditorForm::ClearRoster() {
  roster_.Clear();
  if (roster_list_ != nullptr) {
    ShowRoster();
    ShowSelectedEntry();
  }
}

void BotEditorForm::ShowRoster() {
  ShowList<BotEntry>(roster_list_, roster_, [](const BotEntry& e) { return Q(e.name); });
}

void BotEditorForm::ShowSelectedEntry() {
  FillingControls filling(state_);
  const bool has = roster_.current >= 0 && roster_.current < roster_.size();
  const BotEntry empty;
  const BotEntry& entry = has ? roster_.items[static_cast<size_t>(roster_.current)] : empty;
  bot_name_->setText(Q(entry.name));
  bot_model_->setCurrentIndex(has ? bot_model_->findText(Q(entry.model), Qt::MatchExactly) : -1);
  for (size_t i = 0; i < properties_.size(); ++i) {
    const RosterProperty& p = properties_[i];
    if (auto* slider = qobject_cast<QSlider*>(property_controls_[i])) {
      slider->setValue(has ? ParseDecimalInt(entry.*(p.field)).value_or(p.reset) : p.reset);
    } else if (auto* edit = qobject_cast<QLineEdit*>(property_controls_[i])) {
      edit->setText(has ? Q(entry.*(p.field)) : QString());
    }
  }
  if (has) {
    bot_pic_->LoadFile(ModelPicturePath(state_, ToGame(bot_model_->currentText())));
    bot_pic_->show();
  } else {
    bot_pic_->Clear();
    bot_pic_->hide();
  }
}

void BotEditorForm::ListBotClick() {
  TakeSelection(roster_list_, roster_);
  ShowSelectedEntry();
}

void BotEditorForm::CreeBotClick(bool random) {
  BotEntry entry = NewEntry();
  if (random) {
    // An empty list has nothing to draw from: refused rather than guessed.
    if (state_.bot_names.empty() || bot_model_->count() == 0) {
      ShowErrorBox(this, "Can't create a random bot.",
                   state_.bot_names.empty() ? "The list of bot names (bot_names.txt) is empty."
                                            : "No player model is installed.");
      return;
    }
    const int names = static_cast<int>(state_.bot_names.size());
    entry.name = state_.bot_names[static_cast<size_t>(PickRandom(0, names - 1, random_))];
    entry.model = ToGame(bot_model_->itemText(PickRandom(0, bot_model_->count() - 1, random_)));
    RandomizeEntry(entry, random_);
  }
  AddRosterEntry(roster_, std::move(entry));
  MarkModified();
  ShowRoster();
  ShowSelectedEntry();
}

void BotEditorForm::MoveBot(int step) {
  TakeSelection(roster_list_, roster_);
  if (!MoveRosterEntry(roster_, step)) return;
  MarkModified();
  ShowRoster();
  ShowSelectedEntry();
}

void BotEditorForm::DelBotClick() {
  TakeSelection(roster_list_, roster_);
  if (std::find(roster_.selected.begin(), roster_.selected.end(), true) == roster_.selected.end()) {
    return;
  }
  if (!AskYesNo(this, kMsgDelete)) return;
  DeleteRosterEntries(roster_);
  MarkModified();
  ShowRoster();
  ShowSelectedEntry();
}

void BotEditorForm::BotNameChange(const QString& text) {
  const std::string typed = ToGame(text);
  const std::string name = DropCharacters(typed, name_drops_);
  if (name != typed) {
    const int cursor = bot_name_->cursorPosition() - static_cast<int>(typed.size() - name.size());
    bot_name_->setText(Q(name));
    bot_name_->setCursorPosition(std::max(cursor, 0));
  }
  if (state_.track_changes != 1 || roster_.current < 0 || name.empty()) return;
  roster_.items[static_cast<size_t>(roster_.current)].name = name;
  roster_list_->item(roster_.current)->setText(Q(name));
  MarkModified();
}

void BotEditorForm::StepModel(const char* action) {
  ModelBox box;
  for (int i = 0; i < bot_model_->count(); ++i)
    box.items.push_back(ToGame(bot_model_->itemText(i)));
  box.selected = bot_model_->currentIndex();
  box.text = ToGame(bot_model_->currentText());
  BotEntry* current =
      roster_.current >= 0 ? &roster_.items[static_cast<size_t>(roster_.current)] : nullptr;
  const ModelStep step = StepBotModel(state_, action, box, current);
  if (!step.changed) return;
  {
    const QSignalBlocker block(bot_model_);
    bot_model_->setCurrentIndex(box.selected);
  }
  bot_pic_->LoadFile(step.picture_path);
  bot_pic_->show();
  MarkModified();
}

void BotEditorForm::PropertyChanged(size_t property) {
  if (state_.track_changes != 1 || roster_.current < 0) return;
  const RosterProperty& p = properties_[property];
  BotEntry& entry = roster_.items[static_cast<size_t>(roster_.current)];
  if (auto* slider = qobject_cast<QSlider*>(property_controls_[property])) {
    entry.*(p.field) = std::to_string(slider->value());
  } else if (auto* edit = qobject_cast<QLineEdit*>(property_controls_[property])) {
    entry.*(p.field) = ToGame(edit->text());
  }
  MarkModified();
}

}  // namespace orvane
