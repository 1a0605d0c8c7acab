// The application object: the launcher's default error report. An exception
// that escapes an event handler ends that handler and is shown in an error
// box; the launcher goes on.
#pragma once

#include <QApplication>

namespace orvane {

class Application final : public QApplication {
  Q_OBJECT

 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace orvane
