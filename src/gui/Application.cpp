#include "gui/Application.h"

#include <QWidget>
#include <exception>

#include "gui/ErrorBox.h"
#include "platform/FileError.h"

namespace orvane {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Orvane"));
  setStyle(QStringLiteral("Fusion"));  // the same look on every desktop
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const FileError& e) {
    ShowErrorBox(activeWindow(), "Can't use the file " + e.host_file() + ".", e.detail());
  } catch (const std::exception& e) {
    ShowErrorBox(activeWindow(), "Something went wrong.", e.what());
  } catch (...) {
    ShowErrorBox(activeWindow(), "Something went wrong.", "An unknown error.");
  }
  return false;
}

}  // namespace orvane
