#include "gui/BotEditorForm.h"
#include "gui/FormParts.h"

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
#include <map>

#include "core/LauncherSettings.h"
#include "gui/ErrorBox.h"
#include "gui/ListBoxes.h"
#include "gui/MapsPage.h"
#include "gui/OptionControls.h"
#include "gui/RosterPanel.h"
#include "gui/SmallWindows.h"
#include "gui/TeamsBox.h"
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

}  // namespace

BotEditorForm::BotEditorForm(LauncherState& state, std::unique_ptr<EditorSettings> settings,
                             QWidget* parent)
    : QDialog(parent),
      state_(state),
      owned_settings_(std::move(settings)),
      settings_(*owned_settings_),
      mod_(settings_.mod()),
      teams_(std::make_unique<TeamsBox>(*this, settings_)) {
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
  if (loaded_) return;
  loaded_ = true;
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
  teams_->ShowModels();
  if (roster_) roster_->ShowModels();
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
  if (roster && roster_) {
    roster_->ShowRoster();
    roster_->ShowSelectedEntry();
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

namespace {

std::string ChangedOnDiskQuestion(const std::vector<std::string>& files) {
  std::string names;
  for (size_t i = 0; i < files.size(); ++i) names += (i == 0 ? "" : "\n") + files[i];
  return std::string(files.size() == 1 ? "This file was" : "These files were") +
         " changed outside Orvane since this window opened it:\n" + names +
         "\n\nOverwrite with this window's settings? (No keeps your edits here; \"Restore "
         "Config\" reloads the files.)";
}

}  // namespace

bool BotEditorForm::CheckAndSave() {
  // Each failed check has its own box; all are shown.
  const std::vector<std::string> failed = settings_.Checks();
  for (const std::string& message : failed) ShowErrorBox(this, message);
  if (!failed.empty()) return false;
  const std::optional<WriterLock> lock = LockFilesForWriting(this, state_);
  if (!lock) return false;
  // A file changed by someone else since this window read it is not written
  // over without the player's word; No keeps the window's edits.
  const std::vector<std::string> changed = settings_.ChangedOnDisk();
  if (!changed.empty() && !AskYesNo(this, ChangedOnDiskQuestion(changed))) return false;
  try {
    settings_.Save();
  } catch (const FileError& e) {
    // No file was replaced; the window stays with the player's values.
    ShowErrorBox(this, "Can't write the file " + e.host_file() + ".", e.detail());
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
  options_.push_back(std::make_unique<OptionControls>(
      page, table, std::move(hooks), OptionLayout{.check_columns = check_columns}));
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

// ---- game type and team rows: TeamsBox; the preview beside the window ----

QGroupBox* BotEditorForm::BuildGameType(QWidget* parent) { return teams_->BuildGameType(parent); }

QGroupBox* BotEditorForm::BuildTeamRows(QWidget* parent) { return teams_->BuildTeamRows(parent); }

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
  ShowTeamPreview(teams_->team(0));
  PreviewOpened();
  preview_->show();
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

  roster_ = std::make_unique<RosterPanel>(*this, state_, settings_);
  roster_->Build(page, list_column, props_column, beside != nullptr);
}

}  // namespace orvane
