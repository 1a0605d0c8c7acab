#include "gui/CommandLineDialog.h"

#include <QLabel>
#include <QLineEdit>

#include "core/CommandLine.h"
#include "gui/ErrorBox.h"
#include "gui/widgets/ColorButton.h"
#include "gui/widgets/GameText.h"
#include "gui/widgets/Pictures.h"
#include "platform/FileError.h"

namespace orvane {

CommandLineDialog::CommandLineDialog(LauncherState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setObjectName(QStringLiteral("CommLine"));
  setWindowTitle(QStringLiteral("Additional commands"));
  // No cancel: Apply with acceptable text is the way out.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  ApplyLauncherLook(this);
  setFixedSize(406, 110);
  auto* label = new QLabel(
      QStringLiteral("Here you can type any commands that will be set when HL starts."), this);
  label->setObjectName(QStringLiteral("Label1"));
  label->setGeometry(12, 12, 383, 18);
  text_line_ = new QLineEdit(this);
  text_line_->setValidator(new GameTextValidator(text_line_));
  text_line_->setObjectName(QStringLiteral("TextLine"));
  text_line_->setGeometry(12, 38, 383, 22);
  b_apply_ = new ColorButton(QStringLiteral("Apply"), this);
  b_apply_->setObjectName(QStringLiteral("BApply"));
  b_apply_->setGeometry(163, 74, 80, 26);
  b_apply_->setDefault(true);
  connect(b_apply_, &QPushButton::clicked, this, &CommandLineDialog::OnApplyClicked);
}

void CommandLineDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (parentWidget() != nullptr) {
    move(parentWidget()->geometry().center() - rect().center());
  }
  try {
    text_line_->setText(FromGame(StoredCommand(state_)));
  } catch (const FileError& e) {
    ShowErrorBox(this, "Can't read the file " + e.host_file() + ".", e.detail());
  }
}

void CommandLineDialog::OnApplyClicked() {
  const std::string text = ToGame(text_line_->text());
  const std::string word = ReservedWordIn(text);
  if (!word.empty()) {
    ShowErrorBox(this, ReservedWordMessage(word));
    return;
  }
  const std::optional<WriterLock> lock = LockFilesForWriting(this, state_);
  if (!lock) return;
  try {
    StoreCommand(state_, text);
  } catch (const FileError& e) {
    ShowErrorBox(this, "Can't write the file " + e.host_file() + ".", e.detail());
    return;
  }
  accept();
}

}  // namespace orvane
