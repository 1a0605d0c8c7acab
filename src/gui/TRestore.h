// "Restore Original Files...": puts a mod's files back from the ".bak"
// copies made when the launcher first found it, after a confirmation.
#pragma once

#include <QDialog>

#include "core/LauncherState.h"

class QListWidget;
class QPlainTextEdit;

namespace orvane {

class TBitBtnWithColor;

class TRestore final : public QDialog {
  Q_OBJECT

 public:
  TRestore(LauncherState& state, QWidget* parent);
  void BRestoreClick();

 private:
  void ShowFiles();

  LauncherState& state_;
  QListWidget* mods_ = nullptr;
  QPlainTextEdit* files_ = nullptr;
  TBitBtnWithColor* b_restore_ = nullptr;
  TBitBtnWithColor* b_close_ = nullptr;
};

}  // namespace orvane
