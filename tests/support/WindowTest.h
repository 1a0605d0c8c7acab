// Helpers for the window tests (QtTest, offscreen).
#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>

namespace orvane::test {

// Answers the next modal boxes as they appear (OK), recording their texts:
// the message, then the detail, for each box.
class ModalAnswerer {
 public:
  ModalAnswerer();
  const QStringList& texts() const { return texts_; }

 private:
  void Poll();
  QStringList texts_;
  QTimer timer_;  // owned, so polling stops with the answerer
};

}  // namespace orvane::test

// The entry of a QtTest window test inside an isolated home.
#define ORVANE_WINDOW_TEST_MAIN(TestClass)  \
  int main(int argc, char** argv) {         \
    orvane::test::IsolatedHome home;        \
    QApplication app(argc, argv);           \
    TestClass test;                         \
    return QTest::qExec(&test, argc, argv); \
  }
