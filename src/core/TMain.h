// The main window. For now it runs start-up and shows which of the ten mods
// are installed; the mod buttons and menus build on this.
#pragma once

#include <QMainWindow>

#include "core/LauncherState.h"
#include "core/Startup.h"
#include "platform/RegistryStore.h"

class QLabel;

namespace orvane {

class TMain final : public QMainWindow, public StartupReporter {
  Q_OBJECT

 public:
  TMain(LauncherState& state, RegistryStore& registry, StartupHooks hooks,
        QWidget* parent = nullptr);

  void ReportError(const std::string& message, const std::string& detail) override;
  void ShowInstalledMods();

 private:
  void BuildControls();

  LauncherState& state_;
  RegistryStore& registry_;
  StartupHooks hooks_;
  QLabel* mods_label_ = nullptr;
};

}  // namespace orvane
