// The Action HL window: a view of Action's settings document, with its tree
// of teams and sub-teams and their pop-up menu.
#pragma once

#include "editors/ActionSettings.h"
#include "gui/BotEditorForm.h"

class QComboBox;
class QLineEdit;
class QMenu;
class QTreeWidget;

namespace orvane {

class ActionWindow final : public BotEditorForm {
  Q_OBJECT

 public:
  ActionWindow(LauncherState& state, QWidget* parent);

  ActionSettings& document() { return static_cast<ActionSettings&>(settings()); }
  QMenu* team_menu() { return team_menu_; }

 protected:
  void ShowMore() override;
  void PreviewOpened() override;

 private:
  QWidget* BuildTeams(QWidget* parent);
  void ShowTree();
  void OnTeamsChanged();
  void OnTeamInfoChanged();
  void AddaTeam1Click();
  void AddaSubTeam1Click();
  void DeleteTeam1Click();

  QTreeWidget* tree_ = nullptr;
  QMenu* team_menu_ = nullptr;
  QLineEdit* team_name_ = nullptr;
  QComboBox* team_model_ = nullptr;
};

}  // namespace orvane
