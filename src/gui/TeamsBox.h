// The teams part of a mod's window: "Game Type" (DeathMatch / Teamplay, or
// the mod's kinds of game, and the number of teams) and "Teams Settings" (a
// model drop-down per team and "Preview"). A view of the document's teams;
// the window owns it and is told of every change.
#pragma once

#include <QObject>
#include <array>
#include <vector>

#include "gui/BotEditorForm.h"
#include "services/EditorSettings.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QWidget;

class QStringListModel;

namespace orvane {

class TeamsBox final : public QObject {
  Q_OBJECT

 public:
  TeamsBox(BotEditorForm& form, EditorSettings& settings);

  QGroupBox* BuildGameType(QWidget* parent);
  QGroupBox* BuildTeamRows(QWidget* parent);
  void ShowModels();  // the rows' items, then Show
  void Show();        // the game type, the number and the rows from the document
  QComboBox* team(size_t k) const { return rows_[k]; }  // null until built

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void GameTypeClicked(int kind);
  void NumTeamChanged(int value);

  BotEditorForm& form_;
  EditorSettings& settings_;
  bool team_editing_ = false;  // the number of teams has the focus

  QRadioButton* deathmatch_ = nullptr;
  QRadioButton* teamplay_ = nullptr;
  std::vector<QRadioButton*> game_kinds_;  // in the order of the kinds
  QLabel* label_numteam_ = nullptr;
  QSpinBox* numteam_ = nullptr;
  std::array<QLabel*, 10> row_labels_{};
  std::array<QComboBox*, 10> rows_{};
  QStringListModel* models_ = nullptr;  // the rows' items, one list for all
};

}  // namespace orvane
