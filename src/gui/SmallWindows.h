// The three small windows: TextEditorWindow, a plain text editor for the bot add-ons'
// configuration files; ModelPreviewWindow, the picture of a team's model docked beside
// an editor window; AboutWindow, the about box that is also the splash.
#pragma once

#include <QDialog>
#include <QWidget>
#include <string>
#include <string_view>

#include "core/LauncherState.h"
#include "core/ModTable.h"

class QLabel;
class QPlainTextEdit;

namespace orvane {

class PictureView;
class ColorButton;

class TextEditorWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit TextEditorWindow(QWidget* parent = nullptr);

  // Opens path (a missing file gives an empty page that Save creates), shows
  // the window modally and returns when it closes.
  static void Edit_File(const std::string& path, QWidget* parent);
  // The non-modal half of Edit_File, for tests.
  void Open(const std::string& path);

 private:
  void OnSaveClicked();

  std::string path_;
  QPlainTextEdit* memo_ = nullptr;
};

class ModelPreviewWindow final : public QWidget {
  Q_OBJECT

 public:
  // Lives until closed (deleted then), showing the models of mod.
  ModelPreviewWindow(const LauncherState& state, const ModInfo& mod, QWidget* parent);

  // The model of a team drop-down: "Team 3 - gina" and gina's picture.
  void ShowModel(const QString& control_name, const QString& model);

 private:
  const LauncherState& state_;
  const ModInfo& mod_;
  PictureView* image_ = nullptr;
};

class AboutWindow final : public QDialog {
  Q_OBJECT

 public:
  // As a splash: "Loading. Please wait..." shows and clicks do nothing. From
  // the menu: the line is hidden and a click on the picture closes it.
  AboutWindow(bool splash, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool splash_;
  QLabel* image_ = nullptr;
};

}  // namespace orvane
