#include "gui/GameDirectoryDialog.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

#include "core/GameDirectory.h"
#include "gui/ErrorBox.h"
#include "gui/widgets/ColorButton.h"
#include "gui/widgets/GameText.h"
#include "gui/widgets/Pictures.h"

namespace orvane {
namespace {

constexpr const char* kLocationHL = "Enter the location of your Half-Life program :";
constexpr const char* kLocationCS = "Enter the location of your Counter-Strike program :";

}  // namespace

GameDirectoryDialog::GameDirectoryDialog(LauncherState& state, RegistryStore& registry,
                                         QWidget* parent)
    : QDialog(parent), state_(state), registry_(registry) {
  browse_ = [](QWidget* owner, const QString& start) {
    return QFileDialog::getExistingDirectory(owner, QStringLiteral("Game Directory"), start);
  };
  BuildControls();
  ConnectControls();
  // Creation: the field shows HLPath; Cancel puts back what is remembered here.
  hl_dir_->setText(FromGame(state_.hl_path));
  remembered_dir_ = state_.hl_path;
  remembered_exe_ = state_.hl_exe;
  if (state_.hl_exe == kCounterStrikeProgram) {
    rb_cs_->setChecked(true);
    lab_exe_->setText(QStringLiteral("cstrike.exe"));
    lab_location_->setText(QString::fromLatin1(kLocationCS));
  }
}

void GameDirectoryDialog::BuildControls() {
  setObjectName(QStringLiteral("Rep"));
  setWindowTitle(QStringLiteral("Game Directory"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  ApplyLauncherLook(this);
  setFixedSize(421, 159);

  auto* group = new QGroupBox(this);
  group->setGeometry(6, 2, 409, 118);
  label3_ = new QLabel(QStringLiteral("What do you play with :"), group);
  label3_->setObjectName(QStringLiteral("Label3"));
  label3_->setGeometry(10, 10, 160, 18);
  rb_hl_ = new QRadioButton(QStringLiteral("Half-Life"), group);
  rb_hl_->setObjectName(QStringLiteral("RB_HL"));
  rb_hl_->setGeometry(176, 10, 90, 18);
  rb_hl_->setChecked(true);
  rb_cs_ = new QRadioButton(QStringLiteral("Counter-Strike retail"), group);
  rb_cs_->setObjectName(QStringLiteral("RB_CS"));
  rb_cs_->setGeometry(266, 10, 140, 18);
  lab_location_ =
      new QLabel(QStringLiteral("Enter the location of your Half Life program :"), group);
  lab_location_->setObjectName(QStringLiteral("Lab_location"));
  lab_location_->setGeometry(10, 44, 390, 18);
  lab_exe_ = new QLabel(QStringLiteral("HL.exe"), group);
  lab_exe_->setObjectName(QStringLiteral("Lab_exe"));
  lab_exe_->setGeometry(10, 74, 70, 22);
  hl_dir_ = new QLineEdit(group);
  hl_dir_->setObjectName(QStringLiteral("HLDir"));
  hl_dir_->setGeometry(82, 74, 290, 22);
  browse_button_ = new QToolButton(group);
  browse_button_->setObjectName(QStringLiteral("HLDirBrowse"));
  browse_button_->setText(QStringLiteral("..."));
  browse_button_->setToolTip(QStringLiteral("Browse for the folder"));
  browse_button_->setGeometry(374, 74, 26, 22);

  b_apply_ = new ColorButton(QStringLiteral("Apply"), this);
  b_apply_->setObjectName(QStringLiteral("BApply"));
  b_apply_->setGeometry(124, 126, 80, 26);
  b_apply_->setDefault(true);
  b_cancel_ = new ColorButton(QStringLiteral("Cancel"), this);
  b_cancel_->setObjectName(QStringLiteral("BCancel"));
  b_cancel_->setGeometry(216, 126, 80, 26);
  b_cancel_->setAutoDefault(false);
}

void GameDirectoryDialog::ConnectControls() {
  connect(rb_hl_, &QRadioButton::clicked, this, [this] {
    state_.hl_exe = std::string(kHalfLifeProgram);
    ShowProgram();
  });
  connect(rb_cs_, &QRadioButton::clicked, this, [this] {
    state_.hl_exe = std::string(kCounterStrikeProgram);
    ShowProgram();
  });
  connect(hl_dir_, &QLineEdit::textEdited, this, &GameDirectoryDialog::HLDirEdited);
  connect(hl_dir_, &QLineEdit::editingFinished, this, &GameDirectoryDialog::HLDirFinished);
  connect(browse_button_, &QToolButton::clicked, this, &GameDirectoryDialog::OnBrowseClicked);
  connect(b_apply_, &QPushButton::clicked, this, &GameDirectoryDialog::OnApplyClicked);
  connect(b_cancel_, &QPushButton::clicked, this, &GameDirectoryDialog::reject);
}

void GameDirectoryDialog::ShowProgram() {
  const bool cs = state_.hl_exe == kCounterStrikeProgram;
  lab_exe_->setText(QString::fromStdString(state_.hl_exe));
  lab_location_->setText(QString::fromLatin1(cs ? kLocationCS : kLocationHL));
}

void GameDirectoryDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (parentWidget() != nullptr) {
    move(parentWidget()->geometry().center() - rect().center());
  }
  if (activated_) return;
  activated_ = true;
  // Activation checks what creation put in the field.
  QTimer::singleShot(0, this, &GameDirectoryDialog::Validate);
}

bool GameDirectoryDialog::Validate() {
  if (GameProgramIn(state_.hl_path, state_.hl_exe)) return true;
  const std::string message = GameProgramMessage(state_.hl_path, state_.hl_exe);
  if (!message.empty()) ShowErrorBox(this, message);
  state_.hl_path.clear();
  const QSignalBlocker block(hl_dir_);
  hl_dir_->clear();
  typed_length_ = 0;
  return false;
}

// Every change takes effect in memory at once; a whole path arriving in one
// change (pasted) is checked at once too, a typed character is not.
void GameDirectoryDialog::HLDirEdited(const QString& text) {
  state_.hl_path = ToGame(text);
  const int grown = static_cast<int>(text.size()) - typed_length_;
  typed_length_ = static_cast<int>(text.size());
  if (grown > 1) Validate();
}

void GameDirectoryDialog::HLDirFinished() {
  // Leaving the field for Cancel is no finished path: Cancel puts the old one back.
  if (focusWidget() == b_cancel_) return;
  state_.hl_path = ToGame(hl_dir_->text());
  if (!state_.hl_path.empty()) Validate();
}

void GameDirectoryDialog::OnBrowseClicked() {
  const QString start = hl_dir_->text().isEmpty() ? QStringLiteral("C:\\") : hl_dir_->text();
  const QString chosen = browse_(this, start);
  if (chosen.isEmpty()) return;
  {
    const QSignalBlocker block(hl_dir_);
    hl_dir_->setText(chosen);
  }
  typed_length_ = static_cast<int>(chosen.size());
  state_.hl_path = ToGame(chosen);
  Validate();
}

void GameDirectoryDialog::OnApplyClicked() {
  state_.hl_path = ToGame(hl_dir_->text());
  if (Validate()) {
    // Another Orvane writing has been said in a box; nothing is stored then.
    if (const std::optional<WriterLock> lock = LockFilesForWriting(this, state_)) {
      try {
        if (!StoreGameDirectory(registry_, state_.hl_path, state_.hl_exe)) {
          ShowErrorBox(this, "Can't store the game directory.",
                       "The launcher's settings can't be read: " + registry_.file().string());
        }
      } catch (const std::exception& e) {
        ShowErrorBox(this, "Can't store the game directory.", e.what());
      }
    }
  }
  // Start-up runs again either way (the main window does it when this closes).
  accept();
}

void GameDirectoryDialog::reject() {
  // The program first: checked against the program just chosen, the old
  // directory would be refused and emptied.
  state_.hl_exe = remembered_exe_;
  if (!remembered_dir_.empty()) {
    hl_dir_->setText(FromGame(remembered_dir_));
    state_.hl_path = remembered_dir_;
    Validate();
  }
  QDialog::reject();
}

}  // namespace orvane
