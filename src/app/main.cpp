// The launcher: the host's environment, the first-run installation, then the
// main window and the message loop.
#include <QApplication>
#include <QDir>
#include <filesystem>

#include "core/ErrorBox.h"
#include "core/TMain.h"
#include "platform/FileError.h"
#include "platform/HostEnvironment.h"
#include "platform/Installation.h"
#include "services/MapLists.h"
#include "services/Models.h"

namespace {

// The shipped data files: beside an installed launcher, else the source tree's.
std::filesystem::path ShippedDataDir() {
  const std::filesystem::path installed =
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / ".." / "share" /
      "orvane" / "data";
  std::error_code ec;
  if (std::filesystem::is_directory(installed, ec)) return installed;
  return ORVANE_SOURCE_DATA_DIR;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orvane"));
  QApplication::setApplicationDisplayName(QStringLiteral("Orvane"));

  const orvane::HostEnvironment env = orvane::HostEnvironmentFromProcess();
  orvane::RegistryStore registry(env.registry_store, env.SystemReg());
  try {
    orvane::EnsureInstalled(registry, ShippedDataDir(), env.data_dir);
  } catch (const orvane::FileError& e) {
    orvane::ShowErrorBox(nullptr, "Can't install the launcher's data files.", e.what());
  }

  orvane::LauncherState state;
  state.host_data_dir = env.data_dir.string();
  // Start-up's catalogues come from the editor services.
  orvane::StartupHooks hooks;
  hooks.load_map_catalogue = [&state] { orvane::LoadMapCatalogue(state); };
  hooks.load_model_catalogue = [&state] { orvane::LoadModelCatalogue(state); };
  orvane::TMain window(state, registry, std::move(hooks));
  window.show();
  return QApplication::exec();
}
