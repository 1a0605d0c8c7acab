// The shape that every mod's configuration window shares: tabbed pages, the
// four bottom buttons, the first-activation load, the modified flag and the
// close prompt, Restore Default and Restore Config, Apply with its checks,
// the "Maps" page, the game type with the ten team rows and the model
// preview, and the bot roster with its operations.
//
// A mod window supplies its pages (building the shared parts it uses through
// the Build* calls), its option tables, and the five routines below; the
// base does the rest.
#pragma once

#include <QDialog>
#include <QPointer>
#include <array>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/LauncherState.h"
#include "core/ModTable.h"
#include "services/Roster.h"

class QBoxLayout;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTabWidget;

namespace orvane {

class MapsPage;
class PictureView;
class TBitBtnWithColor;
class TPreview;

// A control of the selected bot beyond its name and model.
struct RosterProperty {
  enum Kind { kSlider, kEdit } kind;
  const char* suffix;  // object name after the prefix: "Botskill" gives BM_Botskill
  const char* caption;
  int lo;
  int hi;
  int reset;  // a slider's value; an edit's text is empty
  std::string BotEntry::*field;
  const char* hint;
  const char* marks;  // a slider's marks, "|" separated
};

// Holds TrackChanges at 0 while code fills controls, and puts back what it was.
class FillingControls {
 public:
  explicit FillingControls(LauncherState& state) : state_(state), before_(state.track_changes) {
    state_.track_changes = 0;
  }
  ~FillingControls() { state_.track_changes = before_; }
  FillingControls(const FillingControls&) = delete;
  FillingControls& operator=(const FillingControls&) = delete;

 private:
  LauncherState& state_;
  int before_;
};

class BotEditorForm : public QDialog {
  Q_OBJECT

 public:
  BotEditorForm(LauncherState& state, std::string_view mod_key, QWidget* parent);
  ~BotEditorForm() override;

  bool modified() const { return modified_; }
  bool loaded() const { return first_activation_ == "O"; }
  void MarkModified() { modified_ = true; }
  const Roster& roster() const { return roster_; }

  // The four buttons.
  void BCloseClick();
  void BApplyConfClick();
  void BRestoreDefClick();
  void BRestoreConfClick();

  // Opens per-map configuration files in the text editor: the first selected
  // available map's name + ext in dir (which ends with "\").
  void EditMapConfig(const std::vector<std::string>& selected_entries, const std::string& dir,
                     const std::string& ext);

 protected:
  // What a mod window supplies.
  virtual void LoadSequence() = 0;   // reads every file into the controls
  virtual void ResetControls() = 0;  // the reset values
  virtual void ReloadBotFile() = 0;  // Restore Default's second half
  virtual void SaveSequence() = 0;   // writes every file
  virtual BotEntry NewEntry() const = 0;
  // Random create: the name and model are drawn already; the mod draws the rest.
  virtual void RandomizeEntry(BotEntry& entry, std::mt19937& random) const = 0;
  // Checks of the mod's own, after the common ones; each failure shows its box.
  virtual bool ModChecks() { return true; }
  virtual bool RosterRequired() const { return roster_list_ != nullptr; }

  // The shared parts, built when the mod asks for them.
  QWidget* AddPage(const char* suffix, const QString& caption);  // "TS_<prefix>_<suffix>"
  MapsPage* BuildMapsPage(QWidget* page);
  // "Game Type" (deathmatch / teamplay, number of teams) and "Teams Settings".
  QGroupBox* BuildGameType(QWidget* parent);
  QGroupBox* BuildTeamRows(QWidget* parent);
  // The roster page's list, buttons and the selected bot's properties.
  void BuildRoster(QWidget* page, const std::vector<RosterProperty>& properties,
                   std::string_view name_drops);

  // Team rows.
  bool Teamplay() const;
  void SetTeamplay(bool teamplay);
  void ResetTeams();
  void ApplyTeamList(const std::string& team_text);
  std::array<std::string, 10> TeamTexts() const;
  // The catalogue's models into the team rows and the bot-model drop-down.
  void FillModelLists();

  // The roster.
  void SetRoster(std::vector<BotEntry> entries);  // the first entry current and shown
  void ClearRoster();
  void ShowSelectedEntry();

  // Runs one step of a load; a broken file gets its error box and loading
  // goes on with the next file.
  void LoadStep(const std::function<void()>& step);
  // A change made by the player (not by code filling controls).
  void ControlChanged();

  QString ControlName(const char* suffix) const;  // "<prefix>_<suffix>"
  std::string ModDirectory() const;

  LauncherState& state_;
  const ModInfo& mod_;
  MapsPage* maps_ = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;  // Escape: the same as the Exit button
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RunLoad();
  bool Checks();
  bool CheckAndSave();  // false: a check failed or a file could not be written
  void Finish(int result);
  void SetGameType();
  void ApplyCountRule();
  void NumTeamChanged();
  void ShowTeamPreview(QComboBox* team);
  void Open_PreviewClick();
  void ShowRoster();
  void ListBotClick();
  void CreeBotClick(bool random);
  void MoveBot(int step);
  void DelBotClick();
  void BotNameChange(const QString& text);
  void StepModel(const char* action);
  void PropertyChanged(size_t property);

  std::string first_activation_ = "N";
  bool modified_ = false;
  bool team_editing_ = false;
  bool closing_ = false;
  std::mt19937 random_;

  QTabWidget* pages_ = nullptr;
  TBitBtnWithColor* b_close_ = nullptr;
  TBitBtnWithColor* b_restore_def_ = nullptr;
  TBitBtnWithColor* b_restore_conf_ = nullptr;
  TBitBtnWithColor* b_apply_conf_ = nullptr;

  QRadioButton* deathmatch_ = nullptr;
  QRadioButton* teamplay_ = nullptr;
  QLabel* label_numteam_ = nullptr;
  QSpinBox* numteam_ = nullptr;
  std::array<QLabel*, 10> team_labels_{};
  std::array<QComboBox*, 10> teams_{};
  QPointer<TPreview> preview_;

  Roster roster_;
  QListWidget* roster_list_ = nullptr;
  QLineEdit* bot_name_ = nullptr;
  QComboBox* bot_model_ = nullptr;
  PictureView* bot_pic_ = nullptr;
  std::string name_drops_;
  std::vector<RosterProperty> properties_;
  std::vector<QWidget*> property_controls_;
};

}  // namespace orvane
