// The "Game Directory" dialog: where Half-Life is installed and which program
// starts it (hl.exe, or cstrike.exe for the retail Counter-Strike). It
// changes HLPath and HLExe in memory while open; Apply stores them. The path
// is checked when the player has finished it (Enter, leaving the field,
// Apply, or a whole path chosen in the folder browser or pasted), never at
// every keystroke, so a path can be typed.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "core/LauncherState.h"
#include "platform/RegistryStore.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace orvane {

class ColorButton;

class GameDirectoryDialog final : public QDialog {
  Q_OBJECT

 public:
  GameDirectoryDialog(LauncherState& state, RegistryStore& registry, QWidget* parent);

  // The folder browser: the desktop's own folder dialog; tests put a stand-in here.
  void SetFolderBrowser(std::function<QString(QWidget*, const QString&)> browse) {
    browse_ = std::move(browse);
  }
  // What the browse button does: asks the browser and takes the whole path.
  void OnBrowseClicked();

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;  // Escape and Cancel

 private:
  void BuildControls();
  void ConnectControls();
  void ShowProgram();
  bool Validate();
  void HLDirEdited(const QString& text);
  void HLDirFinished();
  void OnApplyClicked();

  LauncherState& state_;
  RegistryStore& registry_;
  std::function<QString(QWidget*, const QString&)> browse_;
  std::string remembered_dir_;
  std::string remembered_exe_;
  bool activated_ = false;
  int typed_length_ = 0;

  QLabel* label3_ = nullptr;
  QRadioButton* rb_hl_ = nullptr;
  QRadioButton* rb_cs_ = nullptr;
  QLabel* lab_location_ = nullptr;
  QLabel* lab_exe_ = nullptr;
  QLineEdit* hl_dir_ = nullptr;
  QToolButton* browse_button_ = nullptr;
  ColorButton* b_apply_ = nullptr;
  ColorButton* b_cancel_ = nullptr;
};

}  // namespace orvane
