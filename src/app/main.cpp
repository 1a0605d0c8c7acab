// The launcher: the host's environment, the first-run installation, then the
// main window and the message loop.
#include <QLabel>
#include <QVBoxLayout>
#include <filesystem>
#include <memory>

#include "app/Application.h"

#include "app/Wiring.h"
#include "core/ErrorBox.h"
#include "core/TMain.h"
#include "platform/FileError.h"
#include "platform/HostEnvironment.h"
#include "platform/Installation.h"
#include "widgets/Pictures.h"

namespace {

// The splash while start-up runs: the about window's text, without its button.
std::unique_ptr<QWidget> ShowSplash() {
  auto splash = std::make_unique<QWidget>(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
  splash->setObjectName(QStringLiteral("Splash"));
  orvane::ApplyLauncherLook(splash.get());
  auto* layout = new QVBoxLayout(splash.get());
  auto* picture = new QLabel(splash.get());
  picture->setPixmap(orvane::Picture(QStringLiteral("HL"), 65));
  picture->setAlignment(Qt::AlignCenter);
  layout->addWidget(picture);
  for (const char* text : {"<b>Orvane</b>", "VERSION 8.2", "Loading. Please wait..."}) {
    auto* label = new QLabel(QString::fromUtf8(text), splash.get());
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }
  splash->resize(260, 160);
  splash->show();
  QApplication::processEvents();
  return splash;
}

}  // namespace

int main(int argc, char** argv) {
  orvane::Application app(argc, argv);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::unique_ptr<QWidget> splash = ShowSplash();

  const orvane::HostEnvironment env = orvane::HostEnvironmentFromProcess();
  orvane::RegistryStore registry(env.registry_store, env.SystemReg());
  try {
    orvane::EnsureInstalled(registry, orvane::ShippedDataDir(), env.data_dir);
  } catch (const orvane::FileError& e) {
    orvane::ShowErrorBox(nullptr, "Can't install the launcher's data files.", e.what());
  }

  orvane::LauncherState state;
  state.host_data_dir = env.data_dir.string();
  orvane::TMain window(state, registry, orvane::LauncherStartupHooks(state, registry),
                       orvane::LauncherLaunchHooks());
  splash.reset();
  QApplication::restoreOverrideCursor();
  window.show();
  return QApplication::exec();
}
