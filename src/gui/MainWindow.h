// The main window: the installed mods' buttons, the bot choice of the three
// mods that offer several, the editor and launch buttons, and the menus.
// Start-up runs when it is created; the launch logic lives in Launch.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "core/Launch.h"
#include "core/LauncherState.h"
#include "core/Startup.h"
#include "platform/Process.h"
#include "platform/RegistryStore.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QToolButton;

namespace orvane {

class ColorButton;

// What the main window opens that lives in higher layers: the mod editors
// and the about window. Filled by the application; empty in tests that need
// neither.
struct MainWindowHooks {
  // Creates the editor window of a mod, or null when it has none.
  std::function<std::unique_ptr<QDialog>(std::string_view mod_key, QWidget* parent)> create_editor;
  std::function<void(QWidget* parent)> show_about;
};

class MainWindow final : public QMainWindow, public StartupReporter {
  Q_OBJECT

 public:
  MainWindow(LauncherState& state, RegistryStore& registry, StartupHooks startup_hooks,
             LaunchHooks launch_hooks, QWidget* parent = nullptr);

  void ReportError(const std::string& message, const std::string& detail) override;

  // Lays out the buttons of the installed mods, in mod-table order.
  void ShowModButtons();

  // What starts the game and opens documents; tests put recorders here.
  void SetProgramStarter(ProgramStarter starter) { start_program_ = std::move(starter); }
  void SetDocumentOpener(std::function<StartResult(std::string_view)> opener) {
    open_document_ = std::move(opener);
  }
  void SetWindowHooks(MainWindowHooks hooks) { window_hooks_ = std::move(hooks); }
  // The folder browser of the directory dialog; tests put a stand-in here.
  void SetDirectoryBrowser(std::function<QString(QWidget*, const QString&)> browse) {
    directory_browser_ = std::move(browse);
  }
  // "Options" > "Directory Setting", and activation without the game program.
  void OpenDirectoryDialog();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void ConnectControls();

  void OnFirstActivation();
  void OnModButtonClicked(int mod_index);
  void FillBotChoice();
  void OnBotChoiceEdited(const QString& text);
  void OnEditConfigClicked();
  void OnLaunchClicked();
  void OnCloseOnLaunchToggled();
  void OnAutoStartToggled();
  void OnViewReadmeClicked();
  void OnAboutClicked();
  void OnExitClicked();
  // Stores an Options check item; tells the player when the store refuses.
  void StoreOption(const char* name, const std::string& value);

  LauncherState& state_;
  RegistryStore& registry_;
  StartupHooks startup_hooks_;
  LaunchHooks launch_hooks_;
  ProgramStarter start_program_;
  std::function<StartResult(std::string_view)> open_document_;
  MainWindowHooks window_hooks_;
  std::function<QString(QWidget*, const QString&)> directory_browser_;
  // Where the next mod button goes: the buttons fill rows from the left.
  struct ButtonCursor {
    int left = 10;
    int top = 24;
  };
  bool activated_ = false;
  bool filling_bots_ = false;

  QFrame* panel1_ = nullptr;
  QFrame* panel2_ = nullptr;
  std::array<QToolButton*, 10> mod_buttons_{};
  QButtonGroup* mod_group_ = nullptr;
  QLabel* label_sel_mod_ = nullptr;
  QToolButton* sb_edit_conf_ = nullptr;
  QToolButton* sb_hl_ = nullptr;
  QGroupBox* gb_select_bot_ = nullptr;
  QLabel* lb_select_bot_ = nullptr;
  QComboBox* cb_select_bot_ = nullptr;
  ColorButton* b_close_ = nullptr;
  QAction* close_krv_item_ = nullptr;
  QAction* auto_start_item_ = nullptr;
};

}  // namespace orvane
