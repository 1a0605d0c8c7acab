// The shape that every mod's configuration window shares, as a view of the
// mod's settings document: tabbed pages, the four bottom buttons, the
// first-activation load, the modified flag and the close prompt, Restore
// Default and Restore Config, Apply with its checks, the "Maps" page, the
// game type with the ten team rows and the model preview, and the bot roster.
//
// A mod window supplies only its pages, built from the document's parts
// through the Build* calls; the document holds every value and rule, and the
// window keeps what belongs to a window: the modified flag, the
// first-activation marker, TrackChanges while it fills controls, focus and
// the preview.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/LauncherState.h"
#include "core/ModTable.h"
#include "services/EditorSettings.h"

class QBoxLayout;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTableWidget;
class QTabWidget;
class QToolButton;

namespace orvane {

class MapsPage;
class PictureView;
class ColorButton;
class ModelPreviewWindow;

class OptionControls;
class RosterPanel;
class TeamsBox;

class BotEditorForm : public QDialog {
  Q_OBJECT

 public:
  // The window owns the document it shows.
  BotEditorForm(LauncherState& state, std::unique_ptr<EditorSettings> settings, QWidget* parent);
  ~BotEditorForm() override;

  bool modified() const { return modified_; }
  bool loaded() const { return loaded_; }
  void MarkModified() { modified_ = true; }
  const Roster& roster() const { return settings_.roster; }
  EditorSettings& settings() { return settings_; }

  // The four buttons.
  void OnExitClicked();
  void OnApplyConfigClicked();
  void OnRestoreDefaultClicked();
  void OnRestoreConfigClicked();

  // Opens per-map configuration files in the text editor: the first selected
  // available map's name + ext in dir (which ends with "\").
  void EditMapConfig(const std::vector<std::string>& selected_entries, const std::string& dir,
                     const std::string& ext);

 protected:
  // Parts of the window: they fill, mark and show the preview as the window does.
  friend class RosterPanel;
  friend class TeamsBox;
  // While alive, the window is filling its controls from the document: the
  // change handlers then leave the document and the modified mark alone.
  class FillingControls {
   public:
    explicit FillingControls(BotEditorForm& form) : form_(form) { ++form_.filling_; }
    ~FillingControls() { --form_.filling_; }
    FillingControls(const FillingControls&) = delete;
    FillingControls& operator=(const FillingControls&) = delete;

   private:
    BotEditorForm& form_;
  };
  // A change made by the player, not by filling.
  bool PlayerChange() const { return filling_ == 0; }

  // The shared parts, built when the mod asks for them.
  QWidget* AddPage(const QString& object_name, const QString& caption);
  QWidget* AddPage(const char* suffix, const QString& caption);  // "TS_<prefix>_<suffix>"
  MapsPage* BuildMapsPage(QWidget* page);
  // A text page of the document as a memo in parent's layout.
  QPlainTextEdit* BuildTextPage(QWidget* parent, size_t index);
  // A button of the document's own actions.
  QToolButton* BuildAction(QWidget* parent, const char* name, const QString& caption,
                           const QString& hint);
  // Opens a game file in the text editor (a missing one opens empty).
  void EditFile(const std::string& path);
  // A window's controls beyond the document's parts, shown with the rest.
  virtual void ShowMore() {}
  // An editable table of the document's texts (a bot's skill table) in the
  // page's layout: cell(row, column) is the text a cell shows and edits; an
  // edit marks the window modified. Filled with the other controls.
  using GridCell = std::function<std::string&(size_t row, size_t column)>;
  QTableWidget* BuildGrid(QWidget* page, const QString& name, const QStringList& columns,
                          const QStringList& rows, int column_width, GridCell cell);
  QTabWidget* pages() const { return pages_; }
  // "Game Type" (deathmatch / teamplay, number of teams) and "Teams Settings".
  QGroupBox* BuildGameType(QWidget* parent);
  QGroupBox* BuildTeamRows(QWidget* parent);
  // The "Game" page of the standard game.cfg mods: game type and options
  // (and the mod's more options) on the left, the team rows on the right.
  void BuildStandardGamePage(QWidget* page, OptionValues& game, OptionValues* more = nullptr);
  // Side-by-side columns on a page, each laid out top to bottom.
  std::vector<QWidget*> AddColumns(QWidget* page, int count);
  // A caption's label (a note, a legend) in parent's layout; "\r" breaks lines.
  QLabel* AddNote(QWidget* parent, const char* name, const std::string& text);
  // Under the maps: the bold legend of the map marks (<prefix>_MapLabel) and,
  // when config_ext is given, "Edit config" (<prefix>_BEditCfg) for the
  // selected map's file config_dir + map + config_ext. Returns the row.
  QWidget* AddMapLegend(QWidget* page, const std::string& legend, const std::string& config_dir,
                        const std::string& config_ext);
  // That "Game" page, "Maps", and "Bots" with the bot options and the roster.
  void BuildStandardPages(OptionValues& game, OptionValues& bots);
  // One of the document's option tables, in group boxes on the page.
  OptionControls* BuildOptions(QWidget* page, OptionValues& table, int check_columns = 1);
  // The roster page's list, buttons and the selected bot's properties; the
  // mod's bot options, when given, above the list.
  void BuildRoster(QWidget* page, OptionValues* beside = nullptr);

  QString ControlName(const char* suffix) const;  // "<prefix>_<suffix>"

  LauncherState& state_;
  std::unique_ptr<EditorSettings> owned_settings_;
  EditorSettings& settings_;
  const ModInfo& mod_;
  MapsPage* maps_ = nullptr;

 protected:
  // A model in the preview window, when it is open, captioned with the team's name.
  void ShowPreviewModel(const QString& team_name, const QString& model);
  // The preview window has just opened: a window without team rows shows its own team.
  virtual void PreviewOpened() {}
  void OnOpenPreviewClicked();
  // A team drop-down's model in the preview window, when it is open.
  void ShowTeamPreview(QComboBox* team);
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;  // Escape: the same as the Exit button

 private:
  int filling_ = 0;  // FillingControls alive
  void RunLoad();
  void ShowDocument();  // every control from the document
  // Options and text pages (and the roster), after a rule changed them.
  void ShowValues(bool roster = true);
  void ShowStates();
  void OptionChanged(const std::string& control);
  std::optional<std::string> BrowseFile(const OptionInfo& row);
  void ShowMessages(const Messages& messages);
  bool CheckAndSave();  // false: a check failed or a file could not be written
  void Finish(int result);
  void ControlChanged();  // a change by the player (not by code filling controls)

  bool loaded_ = false;  // the first showing loads the document
  bool modified_ = false;
  bool closing_ = false;

  std::vector<std::pair<QTableWidget*, GridCell>> grids_;
  QTabWidget* pages_ = nullptr;
  ColorButton* b_close_ = nullptr;
  ColorButton* b_restore_def_ = nullptr;
  ColorButton* b_restore_conf_ = nullptr;
  ColorButton* b_apply_conf_ = nullptr;
  std::vector<std::unique_ptr<OptionControls>> options_;
  std::vector<std::pair<size_t, QPlainTextEdit*>> memos_;
  QPointer<ModelPreviewWindow> preview_;
  std::unique_ptr<TeamsBox> teams_;
  std::unique_ptr<RosterPanel> roster_;
};

}  // namespace orvane
