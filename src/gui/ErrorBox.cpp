#include "gui/ErrorBox.h"

#include <QMessageBox>
#include <QString>

namespace orvane {

void ShowErrorBox(QWidget* parent, const std::string& message, const std::string& detail) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Orvane"), QString::fromStdString(message),
                  QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("ErrorBox"));
  if (!detail.empty()) box.setInformativeText(QString::fromStdString(detail));
  box.exec();
}

std::optional<WriterLock> LockFilesForWriting(QWidget* parent, const LauncherState& state) {
  std::optional<WriterLock> lock = WriterLock::Take(state.host_data_dir);
  if (!lock)
    ShowErrorBox(parent, "Can't write the files now.", std::string(kMsgAnotherWriter) + ".");
  return lock;
}

bool AskYesNo(QWidget* parent, const std::string& question) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Orvane"), QString::fromStdString(question),
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setObjectName(QStringLiteral("Question"));
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace orvane
