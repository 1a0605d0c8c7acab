// The launcher: the host's environment, the first-run installation, then the
// main window and the message loop.
#include <filesystem>
#include <memory>

#include "gui/Application.h"

#include "app/Wiring.h"
#include "gui/EditorWindows.h"
#include "gui/ErrorBox.h"
#include "gui/MainWindow.h"
#include "gui/SmallWindows.h"
#include "platform/FileError.h"
#include "platform/HostEnvironment.h"
#include "platform/Installation.h"

int main(int argc, char** argv) {
  orvane::Application app(argc, argv);
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
