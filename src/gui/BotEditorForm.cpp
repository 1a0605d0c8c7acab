#include "gui/BotEditorForm.h"

#include <map>

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <chrono>
#include <map>

#include "core/LauncherSettings.h"
#include "gui/ErrorBox.h"
#include "gui/ListBoxes.h"
#include "gui/MapsPage.h"
#include "gui/OptionControls.h"
#include "gui/SmallWindows.h"
#include "gui/widgets/ColorButton.h"
#include "gui/widgets/GameText.h"
#include "gui/widgets/MarkedSlider.h"
#include "gui/widgets/PictureView.h"
#include "gui/widgets/Pictures.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/StringUtil.h"
#include "services/Converters.h"
#include "services/MapLists.h"
#include "services/Models.h"

namespace orvane {
namespace {

// Where the preview docks, from the editor's top left corner.
constexpr int kPreviewLeft = 583;
constexpr int kPreviewTop = 22;

constexpr const char* kMsgSave = "Do you want to save your settings ?";
constexpr const char* kMsgDelete = "Are you sure you want to delete selected bot(s) ?";

QString Q(std::string_view text) { return FromGame(text); }

// Sets a control from the document without reporting it as a change.
template <typename Widget, typename Set>
void Quietly(Widget* widget, Set set) {
  const QSignalBlocker block(widget);
  set(widget);
}

QToolButton* SmallButton(const QString& name, const QString& caption, const QString& hint,
                         QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(caption);
  button->setToolTip(hint);
  return button;
}

}  // namespace

BotEditorForm::BotEditorForm(LauncherState& state, std::unique_ptr<EditorSettings> settings,
                             QWidget* parent)
    : QDialog(parent),
      state_(state),
      owned_settings_(std::move(settings)),
      settings_(*owned_settings_),
      mod_(settings_.mod()),
      random_(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())) {
  setObjectName(Q(mod_.window_name));
  // No system menu or close box: Exit and Apply are the ways out.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  ApplyLauncherLook(this);
  setFixedSize(kPreviewLeft - 4, 540);

  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->setObjectName(Q(mod_.page_control));
  layout->addWidget(pages_);

  auto* buttons = new QHBoxLayout;
  b_close_ = new ColorButton(Q(mod_.exit_caption), this);
  b_close_->setObjectName(QStringLiteral("BClose"));
  b_close_->SetPicture(QStringLiteral("Quit"), 16);
  b_restore_def_ = new ColorButton(QStringLiteral("Restore Default"), this);
  b_restore_def_->setObjectName(QStringLiteral("BRestoreDef"));
  b_restore_conf_ = new ColorButton(QStringLiteral("Restore Config"), this);
  b_restore_conf_->setObjectName(QStringLiteral("BRestoreConf"));
  b_apply_conf_ = new ColorButton(QStringLiteral("Apply Config"), this);
  b_apply_conf_->setObjectName(QStringLiteral("BApplyConf"));
  for (ColorButton* b : {b_close_, b_restore_def_, b_restore_conf_, b_apply_conf_}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  layout->addLayout(buttons);
  connect(b_close_, &QPushButton::clicked, this, &BotEditorForm::OnExitClicked);
  connect(b_apply_conf_, &QPushButton::clicked, this, &BotEditorForm::OnApplyConfigClicked);
  connect(b_restore_def_, &QPushButton::clicked, this, &BotEditorForm::OnRestoreDefaultClicked);
  connect(b_restore_conf_, &QPushButton::clicked, this, &BotEditorForm::OnRestoreConfigClicked);
}

BotEditorForm::~BotEditorForm() {
  if (preview_) delete preview_.data();
}

QString BotEditorForm::ControlName(const char* suffix) const {
  return Q(mod_.prefix) + '_' + QString::fromLatin1(suffix);
}

QWidget* BotEditorForm::AddPage(const QString& object_name, const QString& caption) {
  auto* page = new QWidget(pages_);
  page->setObjectName(object_name);
  new QVBoxLayout(page);
  pages_->addTab(page, caption);
  return page;
}

QWidget* BotEditorForm::AddPage(const char* suffix, const QString& caption) {
  return AddPage(QStringLiteral("TS_") + ControlName(suffix), caption);
}

// ---- first activation, the document and the four buttons ----

void BotEditorForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (first_activation_ != "N") return;
  first_activation_ = "O";
  // After the window is on screen, as an activation handler runs.
  QTimer::singleShot(0, this, &BotEditorForm::RunLoad);
}

void BotEditorForm::RunLoad() {
  Messages messages;
  {
    // Reading the files is filling the controls: no change handler reacts.
    FillingControls filling(*this);
    messages = settings_.Load();
  }
  ShowDocument();
  ShowMessages(messages);
  modified_ = false;
}

void BotEditorForm::ShowMessages(const Messages& messages) {
  for (const Message& m : messages) ShowErrorBox(this, m.text, m.detail);
}

void BotEditorForm::ShowDocument() {
  FillingControls filling(*this);
  if (maps_ != nullptr) maps_->Show();
  if (teams_[0] != nullptr || !game_kinds_.empty()) {
    QStringList models;
    for (const std::string& model : settings_.models()) models << Q(model);
    for (QComboBox* box : teams_) {
      if (box == nullptr) continue;
      Quietly(box, [&models](QComboBox* b) {
        b->clear();
        b->addItems(models);
      });
    }
    ShowTeams();
  }
  if (roster_list_ != nullptr) {
    Quietly(bot_model_, [this](QComboBox* b) {
      b->clear();
      for (const std::string& model : settings_.models()) b->addItem(Q(model));
    });
  }
  ShowValues();
}

void BotEditorForm::ShowValues(bool roster) {
  FillingControls filling(*this);
  for (const auto& options : options_) options->Show();
  for (const auto& [index, memo] : memos_) {
    QStringList lines;
    for (const std::string& line : settings_.text_page(index).lines) lines << Q(line);
    Quietly(memo, [&lines](QPlainTextEdit* m) { m->setPlainText(lines.join('\n')); });
  }
  if (roster && roster_list_ != nullptr) {
    ShowRoster();
    ShowSelectedEntry();
  }
  for (const auto& [grid, cell] : grids_) {
    const QSignalBlocker block(grid);
    for (int row = 0; row < grid->rowCount(); ++row) {
      for (int column = 0; column < grid->columnCount(); ++column) {
        grid->setItem(row, column,
                      new QTableWidgetItem(
                          FromGame(cell(static_cast<size_t>(row), static_cast<size_t>(column)))));
      }
    }
  }
  ShowMore();
}

void BotEditorForm::ShowStates() {
  for (const auto& options : options_) options->ShowStates();
}

void BotEditorForm::OptionChanged(const std::string& control) {
  if (!PlayerChange()) return;
  MarkModified();
  Messages messages;
  if (settings_.OptionChanged(control, messages)) ShowValues();
  ShowStates();
  ShowMessages(messages);
}

std::optional<std::string> BotEditorForm::BrowseFile(const OptionInfo& row) {
  std::string start = settings_.ModDirectory();
  if (!row.browse_dir.empty()) start += "\\" + row.browse_dir;
  if (row.browse_filter == "directory") {
    // A directory inside the mod's, named as the game names it.
    const QString host_mod = QString::fromStdString(HostPath(settings_.ModDirectory()).string());
    const QString chosen = QFileDialog::getExistingDirectory(this, QString(), host_mod);
    if (chosen.isEmpty()) return std::nullopt;
    QString relative = QDir(host_mod).relativeFilePath(chosen);
    if (relative == QStringLiteral(".")) relative.clear();
    relative.replace('/', '\\');
    return settings_.ModDirectory() + (relative.isEmpty() ? "" : "\\" + ToGame(relative));
  }
  // "Caption (*.ext)|*.ext" as Qt writes a filter: "Caption (*.ext)".
  const QString filter = Q(row.browse_filter).section('|', 0, 0);
  const QString chosen = QFileDialog::getOpenFileName(
      this, QString(), QString::fromStdString(HostPath(start).string()), filter);
  if (chosen.isEmpty() || !QFileInfo::exists(chosen)) return std::nullopt;
  return ToGame(QFileInfo(chosen).fileName());
}

QPlainTextEdit* BotEditorForm::BuildTextPage(QWidget* parent, size_t index) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(Q(settings_.text_page(index).name));
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  if (auto* layout = qobject_cast<QBoxLayout*>(parent->layout())) layout->addWidget(memo, 1);
  connect(memo, &QPlainTextEdit::textChanged, this, [this, memo, index] {
    std::vector<std::string>& lines = settings_.text_page(index).lines;
    lines.clear();
    const QString text = memo->toPlainText();
    if (!text.isEmpty()) {
      for (const QString& line : text.split('\n')) lines.push_back(ToGame(line));
      // A last line break ends the last line, as the file's does.
      if (text.endsWith('\n')) lines.pop_back();
    }
    ControlChanged();
  });
  memos_.emplace_back(index, memo);
  return memo;
}

QToolButton* BotEditorForm::BuildAction(QWidget* parent, const char* name, const QString& caption,
                                        const QString& hint) {
  auto* button = SmallButton(QString::fromLatin1(name), caption, hint, parent);
  connect(button, &QToolButton::clicked, this, [this, button] {
    Messages messages;
    const bool modifies = settings_.RunAction(ToGame(button->objectName()), messages);
    ShowValues(false);  // a button of the mod's own leaves the roster alone
    ShowMessages(messages);
    if (modifies) MarkModified();
  });
  return button;
}

void BotEditorForm::EditFile(const std::string& path) { TextEditorWindow::Edit_File(path, this); }

void BotEditorForm::ControlChanged() {
  if (PlayerChange()) MarkModified();
}

void BotEditorForm::Finish(int result) {
  if (preview_) preview_->close();
  closing_ = true;
  done(result);
}

bool BotEditorForm::CheckAndSave() {
  // Each failed check has its own box; all are shown.
  const std::vector<std::string> failed = settings_.Checks();
  for (const std::string& message : failed) ShowErrorBox(this, message);
  if (!failed.empty()) return false;
  try {
    settings_.Save();
  } catch (const FileError& e) {
    // No file was replaced; the window stays with the player's values.
    ShowErrorBox(this, "Can't write the file " + e.file() + ".", e.what());
    return false;
  }
  return true;
}

void BotEditorForm::OnExitClicked() {
  if (modified_) {
    // A failed check or write keeps the window open, and the flag with it.
    if (AskYesNo(this, kMsgSave) && !CheckAndSave()) return;
    modified_ = false;
  }
  Finish(QDialog::Rejected);
}

void BotEditorForm::OnApplyConfigClicked() {
  if (!CheckAndSave()) return;
  modified_ = false;
  Finish(QDialog::Accepted);
}

void BotEditorForm::OnRestoreDefaultClicked() {
  if (!AskYesNo(this, "Do you really want to reload your default " + state_.selected_mod +
                          " settings ? ")) {
    return;
  }
  Messages messages;
  {
    FillingControls filling(*this);
    messages = settings_.RestoreDefault();
  }
  ShowDocument();
  ShowMessages(messages);
  MarkModified();
}

void BotEditorForm::OnRestoreConfigClicked() {
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
  OnExitClicked();
}

void BotEditorForm::reject() {
  if (closing_) {
    QDialog::reject();
  } else {
    OnExitClicked();
  }
}

void BotEditorForm::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  if (preview_) preview_->move(x() + kPreviewLeft, y() + kPreviewTop);
}

void BotEditorForm::EditMapConfig(const std::vector<std::string>& selected_entries,
                                  const std::string& dir, const std::string& ext) {
  if (selected_entries.empty()) return;
  TextEditorWindow::Edit_File(dir + MapEntryName(selected_entries.front()) + ext, this);
}

// ---- pages ----

MapsPage* BotEditorForm::BuildMapsPage(QWidget* page) {
  maps_ = new MapsPage(state_, settings_, settings_.maps, page);
  page->layout()->addWidget(maps_);
  connect(maps_, &MapsPage::Modified, this, &BotEditorForm::MarkModified);
  return maps_;
}

OptionControls* BotEditorForm::BuildOptions(QWidget* page, OptionValues& table, int check_columns) {
  OptionControls::Hooks hooks;
  hooks.changed = [this](const std::string& control) { OptionChanged(control); };
  hooks.state = [this](const std::string& control) { return settings_.OptionState(control); };
  hooks.browse = [this](const OptionInfo& row) { return BrowseFile(row); };
  options_.push_back(
      std::make_unique<OptionControls>(page, table, std::move(hooks), check_columns));
  return options_.back().get();
}

void BotEditorForm::BuildStandardGamePage(QWidget* page, OptionValues& game, OptionValues* more) {
  auto* columns = new QHBoxLayout;
  qobject_cast<QVBoxLayout*>(page->layout())->addLayout(columns);
  auto* left = new QWidget(page);
  auto* left_layout = new QVBoxLayout(left);
  left_layout->setContentsMargins(0, 0, 0, 0);
  left_layout->addWidget(BuildGameType(left));
  // With more options the check boxes go two by two to leave them room.
  const int check_columns = more != nullptr ? 2 : 1;
  BuildOptions(left, game, check_columns);
  if (more != nullptr) BuildOptions(left, *more, check_columns);
  left_layout->addStretch();
  columns->addWidget(left);
  columns->addWidget(BuildTeamRows(page));
}

std::vector<QWidget*> BotEditorForm::AddColumns(QWidget* page, int count) {
  auto* row = new QHBoxLayout;
  qobject_cast<QBoxLayout*>(page->layout())->addLayout(row, 1);
  std::vector<QWidget*> columns;
  for (int i = 0; i < count; ++i) {
    auto* column = new QWidget(page);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    row->addWidget(column, 1);
    columns.push_back(column);
  }
  return columns;
}

QTableWidget* BotEditorForm::BuildGrid(QWidget* page, const QString& name,
                                       const QStringList& columns, const QStringList& rows,
                                       int column_width, GridCell cell) {
  auto* grid =
      new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(columns.size()), page);
  grid->setObjectName(name);
  grid->setHorizontalHeaderLabels(columns);
  grid->setVerticalHeaderLabels(rows);
  grid->verticalHeader()->setFixedWidth(105);
  grid->horizontalHeader()->setDefaultSectionSize(column_width);
  page->layout()->addWidget(grid);
  connect(grid, &QTableWidget::cellChanged, this, [this, grid, cell](int row, int column) {
    cell(static_cast<size_t>(row), static_cast<size_t>(column)) =
        ToGame(grid->item(row, column)->text());
    MarkModified();
  });
  grids_.emplace_back(grid, std::move(cell));
  return grid;
}

QLabel* BotEditorForm::AddNote(QWidget* parent, const char* name, const std::string& text) {
  QString shown = Q(text);
  shown.replace('\r', '\n');
  auto* label = new QLabel(shown, parent);
  if (name != nullptr) label->setObjectName(QString::fromLatin1(name));
  if (auto* layout = qobject_cast<QBoxLayout*>(parent->layout())) layout->addWidget(label);
  return label;
}

QWidget* BotEditorForm::AddMapLegend(QWidget* page, const std::string& legend,
                                     const std::string& config_dir, const std::string& config_ext) {
  auto* below = new QWidget(page);
  auto* layout = new QHBoxLayout(below);
  layout->setContentsMargins(0, 0, 0, 0);
  QLabel* label = AddNote(below, nullptr, legend);
  label->setObjectName(ControlName("MapLabel"));
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  layout->addStretch();
  // Hidden where maps have no configuration files of their own (a bot without them).
  auto* edit_cfg = SmallButton(ControlName("BEditCfg"), QStringLiteral("Edit config"),
                               QStringLiteral("Edit the configuration file for this map"), below);
  layout->addWidget(edit_cfg);
  edit_cfg->setVisible(!config_ext.empty());
  connect(edit_cfg, &QToolButton::clicked, this, [this, config_dir, config_ext] {
    if (!config_ext.empty()) EditMapConfig(maps_->SelectedAvailable(), config_dir, config_ext);
  });
  page->layout()->addWidget(below);
  return below;
}

void BotEditorForm::BuildStandardPages(OptionValues& game, OptionValues& bots) {
  BuildStandardGamePage(AddPage("Game", QStringLiteral("Game")), game);
  BuildMapsPage(AddPage("Maps", QStringLiteral("Maps")));
  QWidget* page = AddPage("Bots", QStringLiteral("Bots"));
  BuildOptions(page, bots);
  BuildRoster(page);
}

// ---- game type and team rows ----

QGroupBox* BotEditorForm::BuildGameType(QWidget* parent) {
  auto* group = new QGroupBox(QStringLiteral("Game Type"), parent);
  auto* layout = new QGridLayout(group);
  const std::vector<std::string>& kinds = settings_.game_types();
  if (kinds.empty()) {
    deathmatch_ = new QRadioButton(QStringLiteral("DeathMatch"), group);
    deathmatch_->setObjectName(ControlName("deathmatch"));
    deathmatch_->setToolTip(QStringLiteral("Allows you to play a deathmatch"));
    teamplay_ = new QRadioButton(QStringLiteral("Teamplay"), group);
    teamplay_->setObjectName(ControlName("teamplay"));
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
  numteam_->setObjectName(ControlName("numteam"));
  numteam_->setRange(kMinTeams, kMaxTeams);
  numteam_->setToolTip(QStringLiteral("Maximum number of teams in your game"));
  numteam_->findChild<QLineEdit*>()->setReadOnly(true);  // one step at a time, never typed
  numteam_->installEventFilter(this);
  layout->addWidget(label_numteam_, row, 0);
  layout->addWidget(numteam_, row, 1);
  connect(kind_buttons, &QButtonGroup::idClicked, this, &BotEditorForm::GameTypeClicked);
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
    box->setObjectName(Q(settings_.TeamControl(static_cast<size_t>(k))));
    box->setToolTip(QStringLiteral("Select a team name"));
    box->installEventFilter(this);
    connect(box, &QComboBox::currentIndexChanged, this, [this, box, k](int index) {
      settings_.teams.selected[static_cast<size_t>(k)] = index;
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
  connect(preview, &QToolButton::clicked, this, &BotEditorForm::OnOpenPreviewClicked);
  return group;
}

void BotEditorForm::ShowTeams() {
  const Teams& teams = settings_.teams;
  if (!game_kinds_.empty()) {
    const size_t kind = settings_.game_types().empty() ? (teams.teamplay ? 1 : 0)
                                                       : static_cast<size_t>(settings_.game_type());
    Quietly(game_kinds_[kind], [](QRadioButton* radio) { radio->setChecked(true); });
    Quietly(numteam_, [&teams](QSpinBox* spin) { spin->setValue(teams.count); });
    label_numteam_->setEnabled(teams.CountEnabled());
    numteam_->setEnabled(teams.CountEnabled());
  }
  for (size_t k = 0; k < teams_.size(); ++k) {
    if (teams_[k] == nullptr) continue;
    Quietly(teams_[k], [&teams, k](QComboBox* box) { box->setCurrentIndex(teams.selected[k]); });
    team_labels_[k]->setEnabled(teams.row_enabled[k]);
    teams_[k]->setEnabled(teams.row_enabled[k]);
  }
}

void BotEditorForm::GameTypeClicked(int kind) {
  settings_.SetGameType(kind);
  ShowTeams();
  ShowStates();  // options that only a team game offers
  ControlChanged();
}

void BotEditorForm::NumTeamChanged(int value) {
  if (!PlayerChange() || !settings_.teams.teamplay) return;
  settings_.SetTeamCount(value, team_editing_);
  ShowTeams();
  MarkModified();
}

void BotEditorForm::ShowTeamPreview(QComboBox* team) {
  if (!preview_ || team == nullptr || team->currentIndex() < 0) return;
  preview_->ShowModel(team->objectName(), team->currentText());
}

void BotEditorForm::ShowPreviewModel(const QString& team_name, const QString& model) {
  // The preview's caption reads "Team <name> - <model>".
  if (preview_ && !model.isEmpty())
    preview_->ShowModel(QStringLiteral("XX_team") + team_name, model);
}

void BotEditorForm::OnOpenPreviewClicked() {
  if (preview_) return;  // open already (the pointer clears when it closes)
  preview_ = new ModelPreviewWindow(state_, mod_, this);
  preview_->move(x() + kPreviewLeft, y() + kPreviewTop);
  ShowTeamPreview(teams_[0]);
  PreviewOpened();
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
      OnDeleteBotClicked();
      return true;
    }
    // The model is chosen from the list or stepped, never typed.
    if (watched == bot_model_ && !key->text().isEmpty()) return true;
  }
  return QDialog::eventFilter(watched, event);
}

// ---- the roster ----

void BotEditorForm::BuildRoster(QWidget* page, OptionValues* beside) {
  // With options beside the list, they share its column and the selected
  // bot's properties have the other column's whole height.
  QBoxLayout* list_column = nullptr;
  QBoxLayout* props_column = nullptr;
  if (beside != nullptr) {
    const std::vector<QWidget*> columns = AddColumns(page, 2);
    BuildOptions(columns[0], *beside);
    list_column = qobject_cast<QBoxLayout*>(columns[0]->layout());
    props_column = qobject_cast<QBoxLayout*>(columns[1]->layout());
  } else {
    auto* row = new QHBoxLayout;
    qobject_cast<QBoxLayout*>(page->layout())->addLayout(row, 1);
    list_column = row;
    props_column = row;
  }

  auto* list_group = new QGroupBox(QStringLiteral("Bots List"), page);
  auto* list_layout = new QVBoxLayout(list_group);
  roster_list_ = new QListWidget(list_group);
  roster_list_->setObjectName(ControlName("ListBot"));
  roster_list_->setToolTip(QStringLiteral("Select a bot to view / modify its values"));
  roster_list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  roster_list_->installEventFilter(this);
  list_layout->addWidget(roster_list_);
  // Five buttons share a column that may be half the page: tight spacing keeps
  // every caption whole.
  list_layout->setContentsMargins(6, 6, 6, 6);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(2);
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
    made.push_back(SmallButton(Q(settings_.RosterButton(b.suffix)), QString::fromLatin1(b.caption),
                               QString::fromLatin1(b.hint), list_group));
    buttons->addWidget(made.back());
  }
  list_layout->addLayout(buttons);
  list_column->addWidget(list_group, 1);
  connect(made[0], &QToolButton::clicked, this, [this] { MoveBot(-1); });
  connect(made[1], &QToolButton::clicked, this, [this] { MoveBot(+1); });
  // Both create buttons share one handler, told apart by the button's name.
  for (QToolButton* create : {made[2], made[3]}) {
    connect(create, &QToolButton::clicked, this, [this, create] {
      OnCreateBotClicked(create->objectName() != ControlName("SBCreeBot"));
    });
  }
  connect(made[4], &QToolButton::clicked, this, &BotEditorForm::OnDeleteBotClicked);
  connect(roster_list_, &QListWidget::itemSelectionChanged, this, &BotEditorForm::OnRosterClicked);

  auto* props = new QGroupBox(QStringLiteral("Bot Properties"), page);
  props->setObjectName(QStringLiteral("GB_BotProp"));
  auto* form = new QFormLayout(props);
  // Room for the model picture under the mod's properties.
  form->setVerticalSpacing(3);
  form->setContentsMargins(6, 4, 6, 4);
  bot_name_ = new QLineEdit(props);
  bot_name_->setObjectName(ControlName("botname"));
  bot_name_->setMaxLength(settings_.name_length());
  form->addRow(QStringLiteral("Name"), bot_name_);
  connect(bot_name_, &QLineEdit::textEdited, this, &BotEditorForm::OnBotNameEdited);

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
  if (settings_.ModelCaption().empty()) {
    // A roster without models (Firebot's): no model row and no picture.
    for (QWidget* w : {static_cast<QWidget*>(prev), static_cast<QWidget*>(bot_model_),
                       static_cast<QWidget*>(next)})
      w->hide();
    delete model_row;
  } else {
    form->addRow(Q(settings_.ModelCaption()), model_row);
  }
  connect(prev, &QToolButton::clicked, this, [this] { StepModel(ModelStepAction::kPrevious); });
  connect(next, &QToolButton::clicked, this, [this] { StepModel(ModelStepAction::kNext); });
  connect(bot_model_, &QComboBox::activated, this, [this] { StepModel(ModelStepAction::kChosen); });

  const std::vector<RosterProperty>& properties = settings_.properties();
  // Properties of named sub-pages go on tabs of their own under the model.
  QTabWidget* sub_pages = nullptr;
  std::map<std::string, QFormLayout*> page_forms;
  QFormLayout* first_page_form = nullptr;
  QFormLayout* const main_form = form;
  for (size_t i = 0; i < properties.size(); ++i) {
    const RosterProperty& p = properties[i];
    form = main_form;
    if (!p.page.empty()) {
      if (sub_pages == nullptr) {
        sub_pages = new QTabWidget(props);
        main_form->addRow(sub_pages);
      }
      QFormLayout*& page_form = page_forms[p.page];
      if (page_form == nullptr) {
        auto* sub_page = new QWidget(sub_pages);
        sub_page->setObjectName(Q(p.page_name));
        page_form = new QFormLayout(sub_page);
        page_form->setVerticalSpacing(3);
        sub_pages->addTab(sub_page, Q(p.page));
        if (first_page_form == nullptr) first_page_form = page_form;
      }
      form = page_form;
    }
    QWidget* control = nullptr;
    if (p.kind == RosterProperty::kCheck) {
      auto* box = new QCheckBox(QString::fromLatin1(p.caption), props);
      connect(box, &QCheckBox::clicked, this, [this, i] { PropertyChanged(i); });
      control = box;
      form->addRow(box);
    } else if (p.kind == RosterProperty::kChoice || p.kind == RosterProperty::kChoiceIndex) {
      auto* box = new QComboBox(props);
      for (const QString& item : Q(p.marks).split('|')) box->addItem(item);
      // Long items must not squeeze the caption beside the drop-down.
      box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
      box->setMinimumContentsLength(12);
      connect(box, &QComboBox::activated, this, [this, i] { PropertyChanged(i); });
      control = box;
      form->addRow(QString::fromLatin1(p.caption), box);
    } else if (p.kind == RosterProperty::kSlider) {
      const MarkedSlider marked =
          MakeMarkedSlider(p.lo, p.hi, QString::fromLatin1(p.marks.c_str()), props);
      connect(marked.slider, &QSlider::valueChanged, this, [this, i] { PropertyChanged(i); });
      control = marked.slider;
      if (beside != nullptr) {
        // The marks get the group's whole width.
        form->addRow(new QLabel(QString::fromLatin1(p.caption), props));
        form->addRow(marked.box);
      } else {
        form->addRow(QString::fromLatin1(p.caption), marked.box);
      }
    } else if (p.kind == RosterProperty::kRadios) {
      auto* row_widget = new QWidget(props);
      auto* row_layout = new QGridLayout(row_widget);
      row_layout->setContentsMargins(0, 0, 0, 0);
      auto* group = new QButtonGroup(row_widget);
      const QStringList names = QString::fromLatin1(p.suffix).split('|');
      const QStringList captions = QString::fromLatin1(p.caption).split('|');
      // All on one line when the captions are short, else two a line.
      const int per_line =
          captions.join(QString()).size() <= 20 ? static_cast<int>(names.size()) : 2;
      for (int k = 0; k < names.size(); ++k) {
        auto* radio = new QRadioButton(captions.value(k), row_widget);
        radio->setObjectName(ControlName(names[k].toLatin1().constData()));
        radio->setToolTip(QString::fromLatin1(p.hint));
        radio->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
        group->addButton(radio, k);
        row_layout->addWidget(radio, k / per_line, k % per_line, Qt::AlignLeft);
      }
      connect(group, &QButtonGroup::idClicked, this, [this, i] { PropertyChanged(i); });
      control = row_widget;
      form->addRow(row_widget);
      property_controls_.push_back(control);
      continue;
    } else if (p.kind == RosterProperty::kSpin) {
      auto* spin = new QSpinBox(props);
      spin->setRange(p.lo, p.hi);
      connect(spin, &QSpinBox::valueChanged, this, [this, i] { PropertyChanged(i); });
      control = spin;
      form->addRow(QString::fromLatin1(p.caption), spin);
    } else {
      auto* edit = new QLineEdit(props);
      edit->setMaxLength(p.hi);
      connect(edit, &QLineEdit::textEdited, this, [this, i] { PropertyChanged(i); });
      control = edit;
      form->addRow(QString::fromLatin1(p.caption), edit);
    }
    control->setObjectName(ControlName(p.suffix));
    control->setToolTip(QString::fromLatin1(p.hint));
    property_controls_.push_back(control);
  }
  bot_pic_ = new PictureView(props);
  bot_pic_->setObjectName(Q(settings_.picture_name()));
  bot_pic_->setFixedSize(123, 150);
  bot_pic_->hide();
  // With sub-pages the picture goes on the first, beside the model.
  (first_page_form == nullptr ? main_form : first_page_form)->addRow(bot_pic_);
  props_column->addWidget(props, 1);
}

void BotEditorForm::ShowRoster() {
  // A hand-written entry may have no name; its line still stands for it.
  ShowList<BotEntry>(roster_list_, settings_.roster, [](const BotEntry& e) {
    return e.name.empty() ? QStringLiteral("(no name)") : Q(e.name);
  });
}

void BotEditorForm::ShowSelectedEntry() {
  FillingControls filling(*this);
  const BotEntry* current = settings_.CurrentBot();
  const BotEntry empty;
  const BotEntry& entry = current != nullptr ? *current : empty;
  bot_name_->setText(Q(entry.name));
  ShowModelBox();
  const std::vector<RosterProperty>& properties = settings_.properties();
  for (size_t i = 0; i < properties.size(); ++i) {
    const RosterProperty& p = properties[i];
    if (auto* slider = qobject_cast<QSlider*>(property_controls_[i])) {
      slider->setValue(current != nullptr ? ParseDecimalInt(entry.*(p.field)).value_or(p.reset)
                                          : p.reset);
    } else if (auto* spin = qobject_cast<QSpinBox*>(property_controls_[i])) {
      spin->setValue(current != nullptr ? ParseDecimalInt(entry.*(p.field)).value_or(p.reset)
                                        : p.reset);
    } else if (auto* edit = qobject_cast<QLineEdit*>(property_controls_[i])) {
      edit->setText(Q(entry.*(p.field)));
    } else if (auto* check = qobject_cast<QCheckBox*>(property_controls_[i])) {
      check->setChecked(current != nullptr ? YesOrOne(entry.*(p.field)) : p.reset != 0);
    } else if (auto* choice = qobject_cast<QComboBox*>(property_controls_[i])) {
      // No current bot: no item.
      choice->setCurrentIndex(current == nullptr ? -1
                              : p.kind == RosterProperty::kChoiceIndex
                                  ? ParseDecimalInt(entry.*(p.field)).value_or(-1)
                                  : choice->findText(Q(entry.*(p.field))));
    } else if (p.kind == RosterProperty::kRadios) {
      // No current bot, or a value of none of the buttons: none is checked.
      auto* group = property_controls_[i]->findChild<QButtonGroup*>();
      group->setExclusive(false);
      for (QAbstractButton* radio : group->buttons())
        radio->setChecked(current != nullptr &&
                          entry.*(p.field) == std::to_string(group->id(radio)));
      group->setExclusive(true);
    }
  }
  if (current != nullptr) {
    bot_pic_->LoadFile(ModelPicturePath(state_, mod_, settings_.PictureName()));
    bot_pic_->setVisible(!settings_.ModelCaption().empty());
  } else {
    bot_pic_->Clear();
    bot_pic_->hide();
  }
}

void BotEditorForm::ShowModelBox() {
  const ModelBox& box = settings_.bot_model;
  Quietly(bot_model_, [&box](QComboBox* b) {
    // Only a drop-down whose items depend on the bot (a team's models) is refilled.
    bool same = b->count() == static_cast<int>(box.items.size());
    for (int i = 0; same && i < b->count(); ++i)
      same = ToGame(b->itemText(i)) == box.items[static_cast<size_t>(i)];
    if (!same) {
      b->clear();
      for (const std::string& item : box.items) b->addItem(Q(item));
    }
    b->setCurrentIndex(box.selected);
  });
}

void BotEditorForm::OnRosterClicked() {
  TakeSelection(roster_list_, settings_.roster);
  settings_.CurrentBotChanged();
  ShowSelectedEntry();
}

void BotEditorForm::OnCreateBotClicked(bool random) {
  Message refusal;
  if (!settings_.CreateBot(random, random_, &refusal)) {
    ShowErrorBox(this, refusal.text, refusal.detail);
    return;
  }
  MarkModified();
  ShowRoster();
  ShowSelectedEntry();
}

void BotEditorForm::MoveBot(int step) {
  TakeSelection(roster_list_, settings_.roster);
  if (!settings_.MoveBot(step)) return;
  MarkModified();
  ShowRoster();
  ShowSelectedEntry();
}

void BotEditorForm::OnDeleteBotClicked() {
  TakeSelection(roster_list_, settings_.roster);
  const std::vector<bool>& selected = settings_.roster.selected;
  if (std::find(selected.begin(), selected.end(), true) == selected.end()) return;
  if (!AskYesNo(this, kMsgDelete)) return;
  settings_.DeleteSelectedBots();
  MarkModified();
  ShowRoster();
  ShowSelectedEntry();
}

void BotEditorForm::OnBotNameEdited(const QString& text) {
  const std::string typed = ToGame(text);
  if (!PlayerChange() || settings_.CurrentBot() == nullptr) {
    const std::string kept = DropCharacters(typed, settings_.name_drops());
    if (kept != typed) bot_name_->setText(Q(kept));
    return;
  }
  const std::string name = settings_.SetBotName(typed);
  if (name != typed) {
    const int cursor = bot_name_->cursorPosition() - static_cast<int>(typed.size() - name.size());
    bot_name_->setText(Q(name));
    bot_name_->setCursorPosition(std::max(cursor, 0));
  }
  if (name.empty()) return;
  roster_list_->item(settings_.roster.current)->setText(Q(name));
  MarkModified();
}

void BotEditorForm::StepModel(ModelStepAction action) {
  ModelBox& box = settings_.bot_model;
  box.selected = bot_model_->currentIndex();
  box.text = ToGame(bot_model_->currentText());
  const std::optional<std::string> picture = settings_.StepModel(action);
  if (!picture) return;
  Quietly(bot_model_, [&box](QComboBox* b) { b->setCurrentIndex(box.selected); });
  bot_pic_->LoadFile(*picture);
  bot_pic_->show();
  MarkModified();
}

void BotEditorForm::PropertyChanged(size_t property) {
  if (!PlayerChange() || settings_.CurrentBot() == nullptr) return;
  if (auto* slider = qobject_cast<QSlider*>(property_controls_[property])) {
    settings_.SetProperty(property, std::to_string(slider->value()));
  } else if (auto* spin = qobject_cast<QSpinBox*>(property_controls_[property])) {
    settings_.SetProperty(property, std::to_string(spin->value()));
  } else if (settings_.properties()[property].kind == RosterProperty::kRadios) {
    auto* group = property_controls_[property]->findChild<QButtonGroup*>();
    settings_.SetProperty(property, std::to_string(group->checkedId()));
    // The team's own models at the same position, and their picture.
    ShowModelBox();
    bot_pic_->LoadFile(ModelPicturePath(state_, mod_, settings_.PictureName()));
  } else if (auto* edit = qobject_cast<QLineEdit*>(property_controls_[property])) {
    settings_.SetProperty(property, ToGame(edit->text()));
  } else if (auto* check = qobject_cast<QCheckBox*>(property_controls_[property])) {
    settings_.SetProperty(property, check->isChecked() ? "1" : "0");
  } else if (auto* choice = qobject_cast<QComboBox*>(property_controls_[property])) {
    settings_.SetProperty(property,
                          settings_.properties()[property].kind == RosterProperty::kChoiceIndex
                              ? std::to_string(choice->currentIndex())
                              : ToGame(choice->currentText()));
  }
  MarkModified();
}

}  // namespace orvane
