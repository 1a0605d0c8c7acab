#include "core/ErrorBox.h"

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

}  // namespace orvane
