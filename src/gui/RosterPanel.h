// The roster part of a mod's window: the list of bots with its five buttons
// (up, down, new, random, delete) and the selected bot's properties (name,
// model with its picture, and the mod's own properties). A view of the
// document's roster; the window owns it and is told of every change.
#pragma once

#include <QObject>
#include <memory>
#include <random>
#include <vector>

#include "core/LauncherState.h"
#include "gui/BotEditorForm.h"
#include "gui/OptionControls.h"
#include "services/EditorSettings.h"

class QBoxLayout;
class QComboBox;
class QLineEdit;
class QListWidget;
class QWidget;

namespace orvane {

class PictureView;

class RosterPanel final : public QObject {
  Q_OBJECT

 public:
  RosterPanel(BotEditorForm& form, const LauncherState& state, EditorSettings& settings);

  // The "Bots List" group into list_column and "Bot Properties" into
  // props_column; beside_options: the mod's bot options share the list's
  // column, so the properties have a whole column to themselves.
  void Build(QWidget* page, QBoxLayout* list_column, QBoxLayout* props_column, bool beside_options);
  void ShowModels();  // the model drop-down's items: the document's models
  void ShowRoster();
  void ShowSelectedEntry();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowModelBox();
  void OnRosterClicked();
  void OnCreateBotClicked(bool random);
  void MoveBot(int step);
  void OnDeleteBotClicked();
  void OnBotNameEdited(const QString& text);
  void StepModel(ModelStepAction action);
  void PropertyChanged(const std::string& control);

  BotEditorForm& form_;
  const LauncherState& state_;
  EditorSettings& settings_;
  const ModInfo& mod_;
  std::mt19937 random_;

  QListWidget* roster_list_ = nullptr;
  QLineEdit* bot_name_ = nullptr;
  QComboBox* bot_model_ = nullptr;
  PictureView* bot_pic_ = nullptr;
  std::unique_ptr<OptionControls> bot_controls_;
};

}  // namespace orvane
