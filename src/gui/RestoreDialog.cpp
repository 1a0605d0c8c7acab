#include "gui/RestoreDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/Backup.h"
#include "gui/ErrorBox.h"
#include "gui/widgets/ColorButton.h"
#include "gui/widgets/GameText.h"
#include "gui/widgets/Pictures.h"
#include "platform/FileError.h"

namespace orvane {

RestoreDialog::RestoreDialog(LauncherState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setObjectName(QStringLiteral("Restore"));
  setWindowTitle(QStringLiteral("Restore Original Files"));
  ApplyLauncherLook(this);
  setFixedSize(460, 260);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(
      QStringLiteral("Put a mod's files back as they were when Orvane first found it:"), this));
  auto* row = new QHBoxLayout;
  mods_ = new QListWidget(this);
  mods_->setObjectName(QStringLiteral("LB_Mods"));
  mods_->setFixedWidth(130);
  files_ = new QPlainTextEdit(this);
  files_->setObjectName(QStringLiteral("M_Files"));
  files_->setReadOnly(true);
  row->addWidget(mods_);
  row->addWidget(files_, 1);
  layout->addLayout(row, 1);
  auto* buttons = new QHBoxLayout;
  b_restore_ = new ColorButton(QStringLiteral("Restore"), this);
  b_restore_->setObjectName(QStringLiteral("BRestore"));
  b_close_ = new ColorButton(QStringLiteral("Close"), this);
  b_close_->setObjectName(QStringLiteral("BClose"));
  buttons->addStretch();
  buttons->addWidget(b_restore_);
  buttons->addWidget(b_close_);
  layout->addLayout(buttons);

  for (const std::string& key : ModsWithBackups(state_)) {
    auto* item = new QListWidgetItem(FromGame(key), mods_);
    item->setData(Qt::UserRole, QString::fromStdString(key));
  }
  connect(mods_, &QListWidget::currentRowChanged, this, &RestoreDialog::ShowFiles);
  connect(b_restore_, &QPushButton::clicked, this, &RestoreDialog::OnRestoreClicked);
  connect(b_close_, &QPushButton::clicked, this, &RestoreDialog::reject);
  if (mods_->count() > 0) {
    mods_->setCurrentRow(0);
  } else {
    files_->setPlainText(QStringLiteral("No installed mod has a \".bak\" copy to restore."));
  }
  ShowFiles();
}

void RestoreDialog::ShowFiles() {
  QListWidgetItem* item = mods_->currentItem();
  b_restore_->setEnabled(item != nullptr);
  if (item == nullptr) return;
  const RestorePlan plan = PlanRestore(state_, item->data(Qt::UserRole).toString().toStdString());
  QString text = QStringLiteral("These files get their original contents back:\n");
  for (const RestoreFile& file : plan.files)
    text += QStringLiteral("  ") + FromGame(file.file) + '\n';
  if (plan.game_cfg_seeded) {
    text += QStringLiteral(
        "\ngame.cfg has no original copy: Orvane made it from Half-Life's own, so it stays.");
  }
  files_->setPlainText(text);
}

void RestoreDialog::OnRestoreClicked() {
  QListWidgetItem* item = mods_->currentItem();
  if (item == nullptr) return;
  const std::string key = item->data(Qt::UserRole).toString().toStdString();
  const std::string caption = ToGame(item->text());
  if (!AskYesNo(this, "Do you really want to put back the original files of " + caption +
                          " ? Your changes to them will be lost.")) {
    return;
  }
  const std::optional<WriterLock> lock = LockFilesForWriting(this, state_);
  if (!lock) return;
  try {
    RestoreOriginalFiles(PlanRestore(state_, key));
  } catch (const FileError& e) {
    ShowErrorBox(this, "Can't restore the file " + e.host_file() + ".", e.detail());
    return;
  }
  accept();
}

}  // namespace orvane
