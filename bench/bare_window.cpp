// The least a Qt Widgets program does to put one window on screen: what the
// launcher's own start is measured against (bench/main-window-start.sh).
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare Qt window"));
  window.resize(586, 244);
  window.show();
  return QApplication::exec();
}
