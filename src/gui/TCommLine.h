// The "Additional commands" dialog: extra game parameters appended to every
// launch, refusing the words the launcher already puts on the command line.
#pragma once

#include <QDialog>

#include "core/LauncherState.h"

class QLineEdit;

namespace orvane {

class TBitBtnWithColor;

class TCommLine final : public QDialog {
  Q_OBJECT

 public:
  TCommLine(LauncherState& state, QWidget* parent);
  void BApplyClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  LauncherState& state_;
  QLineEdit* text_line_ = nullptr;
  TBitBtnWithColor* b_apply_ = nullptr;
};

}  // namespace orvane
