// The "Additional commands" dialog: extra game parameters appended to every
// launch, refusing the words the launcher already puts on the command line.
#pragma once

#include <QDialog>

#include "core/LauncherState.h"

class QLineEdit;

namespace orvane {

class ColorButton;

class CommandLineDialog final : public QDialog {
  Q_OBJECT

 public:
  CommandLineDialog(LauncherState& state, QWidget* parent);
  void OnApplyClicked();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  LauncherState& state_;
  QLineEdit* text_line_ = nullptr;
  ColorButton* b_apply_ = nullptr;
};

}  // namespace orvane
