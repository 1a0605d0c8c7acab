// Helpers for the window tests (QtTest, offscreen).
#pragma once

#include <QList>
#include <QListWidget>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>

#include "gui/Application.h"
#include "support/Isolation.h"

namespace orvane::test {

// The control of that object name in the window; the test stops when there is none.
template <typename T>
T* Find(QWidget& window, const QString& name) {
  T* found = window.findChild<T*>(name);
  if (found == nullptr) qFatal("no control %s", qPrintable(name));
  return found;
}

// The lines of a list box.
inline QStringList Items(QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

// Answers the modal message boxes as they appear, recording their texts (the
// message, then the detail, for each box). Each box takes the next of the
// given answers; once they are used up, Yes where the box has it, else OK.
class ModalAnswerer {
 public:
  explicit ModalAnswerer(QList<QMessageBox::StandardButton> answers = {});
  const QStringList& texts() const { return texts_; }
  int boxes() const { return static_cast<int>(texts_.size() / 2); }

 private:
  void Poll();
  QList<QMessageBox::StandardButton> answers_;
  QStringList texts_;
  QTimer timer_;  // owned, so polling stops with the answerer
};

}  // namespace orvane::test

// The entry of a QtTest window test inside an isolated home, under the
// launcher's own application object (its default error report included).
#define ORVANE_WINDOW_TEST_MAIN(TestClass)  \
  int main(int argc, char** argv) {         \
    orvane::test::IsolatedHome home;        \
    orvane::Application app(argc, argv);    \
    TestClass test;                         \
    return QTest::qExec(&test, argc, argv); \
  }
