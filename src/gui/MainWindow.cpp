#include "gui/MainWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <utility>

#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "gui/CommandLineDialog.h"
#include "gui/ErrorBox.h"
#include "gui/GameDirectoryDialog.h"
#include "gui/RestoreDialog.h"
#include "gui/widgets/ColorButton.h"
#include "gui/widgets/GameText.h"
#include "gui/widgets/Pictures.h"
#include "platform/FileSystem.h"
#include "platform/GameStart.h"
#include "platform/HostPath.h"

namespace orvane {
namespace {

constexpr int kClientWidth = 586;
constexpr int kClientHeight = 224;
constexpr int kButtonSide = 65;
constexpr int kStep = 77;
constexpr int kRowStep = 78;
constexpr int kRowEnd = 395;

QFrame* SunkenPanel(const char* name, QRect geometry, QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(geometry);
  return panel;
}

QToolButton* PictureButton(const QString& name, const QString& hint, const QString& picture,
                           QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setFixedSize(kButtonSide, kButtonSide);
  button->setIcon(QIcon(Picture(picture, kButtonSide - 8)));
  button->setIconSize(QSize(kButtonSide - 8, kButtonSide - 8));
  button->setAutoRaise(true);
  return button;
}

QLabel* BoldLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

// The hourglass for the length of a handler, whatever way it ends.
struct WaitCursor {
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

MainWindow::MainWindow(LauncherState& state, RegistryStore& registry, StartupHooks startup_hooks,
                       LaunchHooks launch_hooks, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      registry_(registry),
      startup_hooks_(std::move(startup_hooks)),
      launch_hooks_(std::move(launch_hooks)),
      start_program_(StartGame),
      open_document_(OpenDocument) {
  setObjectName(QStringLiteral("TMain"));
  setWindowTitle(QStringLiteral("Orvane"));
  // Fixed border, system menu and minimise box only.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  BuildControls();
  BuildMenus();
  ConnectControls();
  RunStartupGuarded(state_, registry_, startup_hooks_, *this);
  close_krv_item_->setChecked(state_.close_krv_checked);
  auto_start_item_->setChecked(state_.auto_start_checked);
}

void MainWindow::BuildControls() {
  ApplyLauncherLook(this);
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);

  panel2_ = SunkenPanel("Panel2", QRect(5, 4, 394, 177), client);
  auto* title = BoldLabel(QStringLiteral("Label4"), QStringLiteral("Select a Mod"), panel2_);
  title->move(8, 4);
  mod_group_ = new QButtonGroup(this);
  mod_group_->setExclusive(true);
  const auto& mods = Mods();
  for (size_t i = 0; i < mods.size(); ++i) {
    QToolButton* button = PictureButton(FromGame(mods[i].button), FromGame(mods[i].hint),
                                        FromGame(mods[i].key), panel2_);
    button->setCheckable(true);
    button->hide();
    mod_group_->addButton(button, static_cast<int>(i));
    mod_buttons_[i] = button;
  }

  panel1_ = SunkenPanel("Panel1", QRect(404, 4, 176, 177), client);
  label_sel_mod_ =
      BoldLabel(QStringLiteral("Label_SelMod"), QStringLiteral("Selected mod : none"), panel1_);
  label_sel_mod_->setGeometry(4, 1, 168, 20);
  sb_edit_conf_ = PictureButton(QStringLiteral("SB_EditConf"), QStringLiteral("Edit Mod Config"),
                                QStringLiteral("EditConf"), panel1_);
  sb_edit_conf_->move(53, 24);
  sb_edit_conf_->setEnabled(false);
  sb_hl_ = PictureButton(QStringLiteral("SB_HL"), QStringLiteral("Launch Half-Life"),
                         QStringLiteral("HL"), panel1_);
  sb_hl_->move(53, 102);
  sb_hl_->setEnabled(false);

  gb_select_bot_ = new QGroupBox(client);
  gb_select_bot_->setObjectName(QStringLiteral("GB_SelectBot"));
  gb_select_bot_->setGeometry(150, 181, 248, 39);
  gb_select_bot_->hide();
  lb_select_bot_ =
      BoldLabel(QStringLiteral("LB_SelectBot"), QStringLiteral("Current bot for"), gb_select_bot_);
  lb_select_bot_->setGeometry(8, 13, 136, 18);  // wide enough for "Current Bot for TFC"
  cb_select_bot_ = new QComboBox(gb_select_bot_);
  cb_select_bot_->setObjectName(QStringLiteral("CB_SelectBot"));
  cb_select_bot_->setEditable(true);
  cb_select_bot_->setInsertPolicy(QComboBox::InsertAlphabetically);
  cb_select_bot_->setGeometry(147, 11, 95, 22);

  b_close_ = new ColorButton(QStringLiteral("Quit KRV"), client);
  b_close_->setObjectName(QStringLiteral("BClose"));
  b_close_->setGeometry(481, 189, 87, 30);
  b_close_->SetPicture(QStringLiteral("Quit"), 16);
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("File   "));
  QAction* exit = file->addAction(QStringLiteral("Exit"));
  exit->setObjectName(QStringLiteral("MI_Exit"));
  connect(exit, &QAction::triggered, this, &MainWindow::OnExitClicked);

  QMenu* options = menuBar()->addMenu(QStringLiteral("Options"));
  QAction* commands = options->addAction(QStringLiteral("Additional commands"));
  commands->setObjectName(QStringLiteral("MI_Commands"));
  options->addSeparator();
  QAction* directory = options->addAction(QStringLiteral("Directory Setting"));
  directory->setObjectName(QStringLiteral("MI_Directory"));
  connect(commands, &QAction::triggered, this, [this] {
    CommandLineDialog dialog(state_, this);
    dialog.exec();
  });
  connect(directory, &QAction::triggered, this, &MainWindow::OpenDirectoryDialog);
  QAction* restore = options->addAction(QStringLiteral("Restore Original Files..."));
  restore->setObjectName(QStringLiteral("MI_Restore"));
  connect(restore, &QAction::triggered, this, [this] {
    RestoreDialog dialog(state_, this);
    dialog.exec();
  });
  options->addSeparator();
  close_krv_item_ = options->addAction(QStringLiteral("Close KRV when HL starts"));
  close_krv_item_->setObjectName(QStringLiteral("CB_CloseKRV"));
  close_krv_item_->setCheckable(true);
  connect(close_krv_item_, &QAction::triggered, this, &MainWindow::OnCloseOnLaunchToggled);
  auto_start_item_ = options->addAction(QStringLiteral("Automatic start"));
  auto_start_item_->setObjectName(QStringLiteral("CB_AutoStart"));
  auto_start_item_->setCheckable(true);
  connect(auto_start_item_, &QAction::triggered, this, &MainWindow::OnAutoStartToggled);

  QMenu* help = menuBar()->addMenu(QStringLiteral("?"));
  QAction* readme = help->addAction(QStringLiteral("View Readme.txt"));
  readme->setObjectName(QStringLiteral("MI_Readme"));
  connect(readme, &QAction::triggered, this, &MainWindow::OnViewReadmeClicked);
  help->addSeparator();
  QAction* about = help->addAction(QStringLiteral("About KRV..."));
  about->setObjectName(QStringLiteral("MI_About"));
  connect(about, &QAction::triggered, this, &MainWindow::OnAboutClicked);
}

void MainWindow::ConnectControls() {
  connect(mod_group_, &QButtonGroup::idClicked, this, &MainWindow::OnModButtonClicked);
  connect(cb_select_bot_, &QComboBox::currentTextChanged, this, &MainWindow::OnBotChoiceEdited);
  connect(sb_edit_conf_, &QToolButton::clicked, this, &MainWindow::OnEditConfigClicked);
  connect(sb_hl_, &QToolButton::clicked, this, &MainWindow::OnLaunchClicked);
  connect(b_close_, &QPushButton::clicked, this, &MainWindow::OnExitClicked);
}

void MainWindow::ReportError(const std::string& message, const std::string& detail) {
  ShowErrorBox(this, message, detail);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (activated_) return;  // coming back from our own windows is no new activation
  activated_ = true;
  setFixedSize(sizeHint());
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  // After the window is on screen, as an activation handler runs.
  QTimer::singleShot(0, this, &MainWindow::OnFirstActivation);
}

void MainWindow::OnFirstActivation() {
  if (!GameProgramFound(state_)) {
    OpenDirectoryDialog();
    return;
  }
  ShowModButtons();
}

void MainWindow::OpenDirectoryDialog() {
  GameDirectoryDialog dialog(state_, registry_, this);
  if (directory_browser_) dialog.SetFolderBrowser(directory_browser_);
  if (dialog.exec() == QDialog::Accepted) {
    // Start-up reads the stored values again and lays out what it finds.
    RunStartupGuarded(state_, registry_, startup_hooks_, *this);
  }
  ShowModButtons();
}

void MainWindow::ShowModButtons() {
  for (QToolButton* button : mod_buttons_) button->hide();
  ButtonCursor cursor;
  std::string catalogue_problems;
  const auto& mods = Mods();
  for (size_t i = 0; i < mods.size(); ++i) {
    state_.bot_choice.problem.clear();
    const bool shown = ModButtonShown(state_, mods[i]);
    if (!mods[i].catalogue.empty() && !state_.bot_choice.problem.empty()) {
      catalogue_problems += (catalogue_problems.empty() ? "" : "\n") + state_.bot_choice.problem;
    }
    if (!shown) continue;
    mod_buttons_[i]->move(cursor.left, cursor.top);
    mod_buttons_[i]->show();
    cursor.left += kStep;
    if (cursor.left == kRowEnd) {
      cursor.left = 10;
      cursor.top += kRowStep;
    }
  }
  // ModButtonShown refilled the choice for the catalogue mods; show the
  // selected mod's again.
  if (const ModInfo* mod = FindMod(state_.selected_mod);
      mod != nullptr && !mod->bot_caption.empty()) {
    LoadBotChoice(state_, mod->key);
    FillBotChoice();
  }
  update();
  if (!catalogue_problems.empty()) {
    ShowErrorBox(this, "Can't read a bot catalogue.", catalogue_problems);
  }
}

void MainWindow::OnModButtonClicked(int mod_index) {
  const ModInfo& mod = Mods()[static_cast<size_t>(mod_index)];
  sb_hl_->setEnabled(true);
  sb_edit_conf_->setEnabled(true);
  SelectMod(state_, mod.key);
  label_sel_mod_->setText(FromGame(mod.caption));
  if (mod.bot_caption.empty()) {
    gb_select_bot_->hide();
    return;
  }
  gb_select_bot_->show();
  lb_select_bot_->setText(FromGame(mod.bot_caption));
  FillBotChoice();
}

void MainWindow::FillBotChoice() {
  filling_bots_ = true;
  cb_select_bot_->clear();
  for (const std::string& name : state_.bot_choice.names) cb_select_bot_->addItem(FromGame(name));
  cb_select_bot_->setCurrentIndex(state_.bot_choice.selected);
  if (state_.bot_choice.selected < 0) cb_select_bot_->setEditText(QString());
  // The listed add-ons that cannot run here, so the player learns what to install.
  QString not_offered;
  for (const auto& [name, reason] : state_.bot_choice.unusable) {
    not_offered += (not_offered.isEmpty() ? "Not offered here:" : "") + QString("\n") +
                   FromGame(name) + ": " + FromGame(reason);
  }
  cb_select_bot_->setToolTip(not_offered);
  filling_bots_ = false;
}

void MainWindow::OnBotChoiceEdited(const QString& text) {
  if (filling_bots_) return;
  BotChoice& choice = state_.bot_choice;
  choice.text = ToGame(text);
  // An entry is selected only when the text is one of them, as typed.
  choice.selected = -1;
  for (size_t i = 0; i < choice.names.size(); ++i) {
    if (choice.names[i] == choice.text) choice.selected = static_cast<int>(i);
  }
  WriteModSetting(state_, state_.selected_mod, "Last Bot", choice.text);
}

void MainWindow::OnEditConfigClicked() {
  const ModInfo* mod = FindMod(state_.selected_mod);
  if (mod == nullptr) return;
  hide();
  if (!mod->bot_caption.empty() && state_.bot_choice.selected < 0) {
    ShowErrorBox(this, kMsgSelectBot);
  } else if (window_hooks_.create_editor) {
    // Every mod has its window; the hook is absent only where no window is wanted.
    if (const std::unique_ptr<QDialog> editor = window_hooks_.create_editor(mod->key, this)) {
      editor->move(x() + 4, y() + 22);
      editor->exec();
    }
  }
  show();
  raise();
  activateWindow();
}

void MainWindow::OnLaunchClicked() {
  LaunchResult result;
  {
    // The launch-time files are written under the lock; the game starts after them.
    const std::optional<WriterLock> lock = LockFilesForWriting(this, state_);
    if (!lock) return;
    WaitCursor wait;
    const auto confirm = [this](const std::string& warning) {
      QApplication::setOverrideCursor(Qt::ArrowCursor);
      const bool yes = AskYesNo(this, warning + "\n\nStart anyway?");
      QApplication::restoreOverrideCursor();
      return yes;
    };
    result = LaunchSelectedMod(state_, launch_hooks_, start_program_, confirm);
  }
  switch (result.outcome) {
    case LaunchResult::kNoBot:
      ShowErrorBox(this, kMsgSelectBot);
      return;
    case LaunchResult::kCancelled:
      return;
    case LaunchResult::kStartFailed:
      // Not minimised and not closed: the player must see that nothing started.
      ShowErrorBox(this, "Can't start " + LaunchProgramName(state_) + ".", result.error);
      return;
    case LaunchResult::kWritten:
    case LaunchResult::kStarted:
      break;
  }
  showMinimized();
  if (close_krv_item_->isChecked()) close();
}

void MainWindow::StoreOption(const char* name, const std::string& value) {
  if (!registry_.WriteString(kLauncherKey, name, value)) {
    ShowErrorBox(this, std::string("Can't store the option ") + name + ".", registry_.error());
  }
}

void MainWindow::OnCloseOnLaunchToggled() {
  state_.close_krv_checked = close_krv_item_->isChecked();
  state_.close_krv = state_.close_krv_checked ? "O" : "N";
  StoreOption("CloseKRV", state_.close_krv);
}

void MainWindow::OnAutoStartToggled() {
  state_.auto_start_checked = auto_start_item_->isChecked();
  state_.auto_start = state_.auto_start_checked ? "O" : "N";
  StoreOption("AutoStart", state_.auto_start);
}

void MainWindow::OnViewReadmeClicked() {
  const std::string readme = state_.app_path + "\\readme.txt";
  if (!FileExists(readme)) return;
  const StartResult result = open_document_(readme);
  if (!result.started) ShowErrorBox(this, "Can't open readme.txt.", result.error);
}

void MainWindow::OnAboutClicked() {
  if (window_hooks_.show_about) window_hooks_.show_about(this);
}

void MainWindow::OnExitClicked() {
  ClearWorkLists(state_, launch_hooks_);
  close();
}

}  // namespace orvane
