#include "support/WindowTest.h"

#include <QApplication>
#include <QMessageBox>

namespace orvane::test {

ModalAnswerer::ModalAnswerer() {
  QTimer::singleShot(10, [this] { Poll(); });
}

void ModalAnswerer::Poll() {
  if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
    texts_ << box->text() << box->informativeText();
    box->accept();
  }
}

}  // namespace orvane::test
