// "Restore Original Files...": puts a mod's files back from the ".bak"
// copies made when the launcher first found it, after a confirmation.
#pragma once

#include <QDialog>

#include "core/LauncherState.h"

class QListWidget;
class QPlainTextEdit;

namespace orvane {

class ColorButton;

class RestoreDialog final : public QDialog {
  Q_OBJECT

 public:
  RestoreDialog(LauncherState& state, QWidget* parent);
  void OnRestoreClicked();

 private:
  void ShowFiles();

  LauncherState& state_;
  QListWidget* mods_ = nullptr;
  QPlainTextEdit* files_ = nullptr;
  ColorButton* b_restore_ = nullptr;
  ColorButton* b_close_ = nullptr;
};

}  // namespace orvane
