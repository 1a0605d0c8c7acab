#include "support/WindowTest.h"

#include <QAbstractButton>
#include <QApplication>

namespace orvane::test {

ModalAnswerer::ModalAnswerer(QList<QMessageBox::StandardButton> answers)
    : answers_(std::move(answers)) {
  QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  timer_.start(10);
}

void ModalAnswerer::Poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  texts_ << box->text() << box->informativeText();
  QMessageBox::StandardButton answer = QMessageBox::Ok;
  if (!answers_.isEmpty()) {
    answer = answers_.takeFirst();
  } else if (box->button(QMessageBox::Yes) != nullptr) {
    answer = QMessageBox::Yes;
  }
  if (QAbstractButton* button = box->button(answer)) {
    button->click();
  } else {
    box->reject();
  }
}

}  // namespace orvane::test
