// The launcher: the host's environment, the first-run installation, then the
// main window and the message loop.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include <QIcon>

#include "gui/Application.h"

#include "app/Wiring.h"
#include "gui/EditorWindows.h"
#include "gui/ErrorBox.h"
#include "gui/MainWindow.h"
#include "gui/SmallWindows.h"
#include "gui/widgets/Pictures.h"
#include "platform/FileError.h"
#include "platform/HostEnvironment.h"
#include "platform/Installation.h"

namespace {

constexpr const char* kUsage =
    "usage: orvane [Qt options]\n"
    "       orvane --help | --version\n"
    "\n"
    "Opens Orvane's main window: a button for each Half-Life mod installed,\n"
    "the configuration window of each, and the launch of a LAN game against\n"
    "bots. The Qt options (such as -platform NAME or -display DISPLAY) are\n"
    "taken by Qt. orvanectl does the same from scripts; see orvane(6) and\n"
    "orvanectl(6).\n";

}  // namespace

int main(int argc, char** argv) {
  // Answered before Qt starts, so they work without a display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("orvane %s\n", orvane::OrvaneVersion());
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  orvane::Application app(argc, argv);
  // Qt has taken its own options out of argv: anything left is not ours either.
  if (argc > 1) {
    std::fprintf(stderr, "orvane: unknown option \"%s\" (orvane --help)\n", argv[1]);
    return 2;
  }
  QApplication::setApplicationVersion(QString::fromLatin1(orvane::OrvaneVersion()));
  // The desktop matches the windows to the menu entry, and its icon, by this id.
  QGuiApplication::setDesktopFileName(QStringLiteral(ORVANE_APP_ID));
  // Drawn by the launcher's own picture cache at the sizes window managers
  // ask for: an icon from a file name would load Qt's image and icon
  // plug-ins and search the icon theme before the first window shows.
  QIcon icon;
  for (const int side : {16, 32, 64})
    icon.addPixmap(orvane::Picture(QStringLiteral("Orvane"), side));
  QApplication::setWindowIcon(icon);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  // The about window as splash while start-up runs.
  auto splash = std::make_unique<orvane::AboutWindow>(true);
  splash->show();
  QApplication::processEvents();

  const orvane::HostEnvironment env = orvane::HostEnvironmentFromProcess();
  orvane::RegistryStore registry(env.registry_store, env.SystemReg());
  try {
    orvane::EnsureInstalled(registry, orvane::ShippedDataDir(), env.data_dir);
  } catch (const orvane::FileError& e) {
    orvane::ShowErrorBox(nullptr, "Can't install the launcher's data files.", e.what());
  }

  orvane::LauncherState state;
  state.host_data_dir = env.data_dir.string();
  state.steam_env = env.steam;
  orvane::MainWindow window(state, registry, orvane::LauncherStartupHooks(state, registry),
                            orvane::LauncherLaunchHooks());
  window.SetWindowHooks(orvane::LauncherWindowHooks(state));
  splash.reset();
  QApplication::restoreOverrideCursor();
  window.show();
  return QApplication::exec();
}
