// A mod's settings as a plain document: what its configuration window shows
// and what orvanectl config drives. It holds the values (option tables, game
// type and teams, the play list, the roster), loads them from the mod's files
// in order, resets them, checks them and saves them all or nothing, and keeps
// the rules that tie them together. Messages that the window shows in boxes
// are returned as values.
//
// A mod's document supplies its option tables and parts (in the window's
// order), its file reading, bot-file reading, checks and writing; the base
// does the sequences and the shared parts.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/LauncherState.h"
#include "core/ModTable.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "services/MapLists.h"
#include "services/Models.h"
#include "services/OptionTable.h"
#include "services/Roster.h"
#include "services/ServerFiles.h"
#include "services/Teams.h"

namespace orvane {

struct Message {
  std::string text;
  std::string detail;  // "" when the text says it all
};
using Messages = std::vector<Message>;
// "Can't read the file <host path>." over what is wrong (a line and what was expected).
Message CantReadFile(std::string_view path, std::string detail);

// The selected bot's controls beyond its name and model: option rows bound
// to the roster entry, each row's field the entry's text that it shows.
using BotProperties = std::vector<OptionRow<BotEntry>>;

// The "Maps" page as values: the sorted available entries and the play list
// (starting map first).
struct PlayMaps {
  ListView available;
  ListView play;
};

// The parts of a mod's window in page order, for show and for the window.
struct DocumentPart {
  enum Kind { kGameType, kOptions, kTeams, kRosterProperties, kTextPage } kind;
  OptionValues* options = nullptr;  // kOptions
  size_t page = 0;                  // kTextPage: its index
};

// A free text page (chat lines and the like), kept as its lines.
struct TextPage {
  std::string name;  // the memo's object name
  std::vector<std::string> lines;
};

// Whether a control can be used now; its caption is disabled with it and
// hidden with it unless the caption stays to say what is missing.
struct ControlState {
  bool enabled = true;
  bool visible = true;
  bool caption_stays = false;
};

// orvanectl's one-line form of a text page: lines joined by "\n", a
// backslash doubled.
std::string EscapeLines(const std::vector<std::string>& lines);
std::vector<std::string> UnescapeLines(std::string_view text);

class EditorSettings {
 public:
  EditorSettings(LauncherState& state, std::string_view mod_key);
  virtual ~EditorSettings();
  EditorSettings(const EditorSettings&) = delete;
  EditorSettings& operator=(const EditorSettings&) = delete;

  LauncherState& state() const { return state_; }
  const ModInfo& mod() const { return mod_; }
  std::string ModDirectory() const;
  std::string File(std::string_view name) const;          // ModDir\name
  std::string Control(std::string_view suffix) const;     // "<prefix>_<suffix>"
  std::string Controls(std::string_view suffixes) const;  // "a|b" as "<prefix>_a|<prefix>_b"
  // A roster button's name: "<prefix>_<suffix>", or the name the mod's
  // window gives it.
  std::string RosterButton(std::string_view suffix) const;

  // The sequences. Load and RestoreDefault go on after a broken file and
  // return one message per problem; Save throws FileError naming the file
  // that could not be written, and then no file was replaced.
  Messages Load();
  Messages RestoreDefault();
  std::vector<std::string> Checks() const;
  void Save();
  FileBatch SaveBatch() const;  // what Save writes, in order
  // The files Save would write that changed on disk since Load (or the last
  // Save): someone else wrote them, and Save would write over their change.
  std::vector<std::string> ChangedOnDisk() const;

  // The parts.
  const std::vector<DocumentPart>& parts() const { return parts_; }
  bool has_teams() const { return has_teams_; }
  bool has_roster() const { return has_roster_; }
  const std::vector<std::string>& models() const { return models_; }  // drop-down items
  // The selected bot's properties; a change by the player goes into the
  // table, then into the entry through BotPropertyChanged.
  OptionValues& bot_properties() { return *bot_properties_; }
  std::string_view name_drops() const { return name_drops_; }
  int name_length() const { return 32; }

  Teams teams;
  PlayMaps maps;
  Roster roster;
  ModelBox bot_model;  // the model drop-down of the selected bot

  const std::string& map_dispo_name() const { return map_dispo_name_; }
  const std::string& map_cycle_name() const { return map_cycle_name_; }
  const std::string& picture_name() const { return picture_name_; }
  // Team row k's drop-down (from 0) and the label of the number of teams.
  std::string TeamControl(size_t k) const;
  std::string TeamCountLabel() const { return Control(team_words_.second); }
  TextPage& text_page(size_t index) { return text_pages_[index]; }
  const TextPage& text_page(size_t index) const { return text_pages_[index]; }

  // The rules between controls. A control's state now (a disabled or hidden
  // one is refused by Set); a player's change of an option, which may change
  // other values (true then) and may read a file (its problems as messages).
  virtual ControlState OptionState(std::string_view control) const {
    (void)control;
    return {};
  }
  bool OptionChanged(std::string_view control, Messages& messages);
  // A button of the mod's own (not the roster's): true when it marks the
  // window modified. A file it writes at once that cannot be written is a
  // message.
  bool HasAction(std::string_view control) const;
  bool RunAction(std::string_view control, Messages& messages);
  // The value of an option row by control name, as orvanectl shows it.
  std::string OptionText(std::string_view control) const;

  // The kinds of game of AddGameTypes (empty for DeathMatch / Teamplay) and
  // the one chosen.
  const std::vector<std::string>& game_types() const { return game_types_; }
  const std::string& game_type_control() const { return game_type_control_; }
  int game_type() const { return teams.teamplay ? game_type_ : 0; }

  // The player's changes (the window calls these; orvanectl through Set).
  void SetGameType(int kind) {
    game_type_ = kind;
    teams.SetGameType(kind > 0);
  }
  void SetTeamCount(int n, bool editing) { teams.SetCount(n, editing); }
  // The current entry of the roster changed: its model becomes the drop-down's.
  void CurrentBotChanged();
  // bot_properties as the current entry holds them (after the entry changed elsewhere).
  void RefreshBotProperties();
  const BotEntry* CurrentBot() const;
  // Plain or random create; false with the message to show when the mod
  // refuses it or a random draw has nothing to draw from.
  bool CreateBot(bool random, std::mt19937& draw, Message* refusal);
  bool MoveBot(int step);
  bool DeleteSelectedBots();
  // The name edit's text after the dropped characters; the current entry
  // takes it when it is not empty. Returns the text the edit keeps.
  std::string SetBotName(std::string_view typed);
  // The < or > button, or the drop-down's own choice (bot_model already
  // set); the picture to show when the model changed.
  std::optional<std::string> StepModel(ModelStepAction action);
  // The row of bot_properties changed: the current entry takes its value; a
  // radio group's change refills the model drop-down.
  void BotPropertyChanged(size_t row);

  // By control name, as orvanectl config reads and sets them: ControlScript's
  // Show and Set on this document. Set applies one change as the player would
  // make it; the refusal (naming the control and what it accepts) when the
  // control is unknown, disabled, or the value is not one it takes.
  std::vector<std::pair<std::string, std::string>> Show() const;
  std::optional<std::string> Set(std::string_view control, std::string_view value,
                                 Messages* messages = nullptr);
  // The values the control takes from a list, or the refusal of an unknown
  // control (ControlScript::Items).
  std::vector<std::string> Items(std::string_view control, std::string* refusal) const;

 protected:
  // The parts in the window's page order.
  void AddGameType() { parts_.push_back({DocumentPart::kGameType}); }
  // A game type of more kinds than DeathMatch and Teamplay, as one control
  // whose value is the kind's caption; every kind but the first is played
  // in teams.
  void AddGameTypes(std::string control, std::vector<std::string> kinds);
  void AddOptions(OptionValues& table);
  void AddTeams();
  void AddRoster(const BotProperties& properties, std::string_view name_drops, bool required);
  size_t AddTextPage(std::string name);  // its index
  using Action = std::function<bool(Messages&)>;
  // writes_now: the button writes a file at once. From a script it changes
  // nothing, since set writes the same file with the others, or nothing.
  void AddAction(std::string name, Action action, bool writes_now = false);
  void SetMapListNames(std::string dispo, std::string cycle);
  void SetPictureName(std::string name) { picture_name_ = std::move(name); }
  // The words of the team controls' names when they are not "team" and "label_numteam".
  void SetTeamControlWords(std::string team, std::string count_label) {
    team_words_ = {std::move(team), std::move(count_label)};
  }
  // The prefix of the move and delete buttons when it is not the mod's.
  void SetMoveButtonsPrefix(std::string prefix) { move_buttons_prefix_ = std::move(prefix); }

  // What a mod supplies.
  virtual void ResetValues() {}  // values beyond the tables and the shared parts
  virtual void ReadFiles(Messages& messages) = 0;
  virtual void ReadBotFile(Messages& messages) = 0;
  virtual void ModChecks(std::vector<std::string>& failed) const { (void)failed; }
  virtual void WriteFiles(FileBatch& batch) const = 0;
  virtual BotEntry NewEntry() const { return {}; }
  virtual void RandomizeEntry(BotEntry& entry, std::mt19937& draw) const {
    (void)entry;
    (void)draw;
  }
  // Why no bot may be created now ("" when it may).
  virtual std::string CreateRefusal() const { return {}; }
  // The model drop-down of an entry (nullptr: none is current) and the
  // entry's position in it; by default the player models, found by name.
  virtual std::vector<std::string> ModelItems(const BotEntry* entry) const;
  virtual int ModelPosition(const BotEntry& entry, const std::vector<std::string>& items) const;
  // A random bot's model is drawn from the player models.
  virtual bool RandomModelFromCatalogue() const { return true; }

 public:
  // The name of the selected bot's picture.
  virtual std::string PictureName() const { return bot_model.text; }
  // The caption of the model drop-down.
  virtual std::string ModelCaption() const { return "Model"; }

 protected:
  // "Available Maps" before sorting; the launcher's catalogue by default.
  virtual std::vector<std::string> AvailableMaps() const;
  // The directory listings the load under way shares among its parts (null
  // outside Load: each asks the disk itself).
  DirectoryListings* LoadListings() const { return listings_; }
  // The player models the drop-downs offer; the launcher's catalogue by default.
  virtual std::vector<std::string> ModelList() const;
  // Controls beyond the parts (a grid), shown after them and set by name:
  // SetExtra returns nullopt when the control is not one of them.
  virtual void ShowExtra(std::vector<std::pair<std::string, std::string>>& lines) const {
    (void)lines;
  }
  virtual std::optional<std::optional<std::string>> SetExtra(std::string_view control,
                                                             std::string_view value) {
    (void)control;
    (void)value;
    return std::nullopt;
  }
  // After a player's change of that option (see OptionChanged).
  virtual bool AfterOptionChange(std::string_view control, Messages& messages) {
    (void)control;
    (void)messages;
    return false;
  }

  // Runs one read; a broken file becomes a message and the load goes on.
  static void Step(Messages& messages, const std::function<void()>& read);
  static Message MissingFile(std::string_view file, std::string_view dir);
  void SetRoster(std::vector<BotEntry> entries);  // the first entry current

  // The starting map (where KRV.ini keeps it) and the map cycle appended to
  // the play list: maps of the launcher's catalogue, or of maps_dir.
  void ReadPlayList(Messages& messages, std::string_view extra_ext = "",
                    std::string_view extra_dir = "");
  void ReadPlayListFrom(Messages& messages, std::string_view maps_dir,
                        std::string_view extra_ext = "", std::string_view extra_dir = "");
  // The standard game.cfg of Botman, Jumbot and Phineas, with the teams.
  void ReadStandardGame(BoundOptions<StandardGameCfg>& options, Messages& messages);
  void WriteStandardGame(const BoundOptions<StandardGameCfg>& options, FileBatch& batch) const;

  std::string team_text_;
  std::string move_buttons_prefix_;
  // The directory listings of the load under way (none outside Load), which
  // the map lists share.
  DirectoryListings* listings_ = nullptr;
  std::vector<std::string> game_types_;
  std::string game_type_control_;
  int game_type_ = 0;

 private:
  friend class ControlScript;  // walks the parts, the roster's properties and the actions
  void Reset();

  LauncherState& state_;
  const ModInfo& mod_;
  std::vector<DocumentPart> parts_;
  std::vector<std::string> models_;
  bool has_teams_ = false;
  bool has_roster_ = false;
  bool roster_required_ = false;
  std::unique_ptr<BoundOptions<BotEntry>> bot_properties_;
  std::string name_drops_;
  std::vector<TextPage> text_pages_;
  // The files this document writes, as they were on disk when it read them.
  std::vector<std::pair<std::string, FileStamp>> loaded_;
  // The files of a planned save (its paths only count), as on disk now. Also
  // says, when given messages, which of those files is a directory.
  void RememberFiles(const FileBatch& plan, Messages* messages = nullptr);
  struct NamedAction {
    std::string name;
    Action run;
    bool writes_now;
  };
  std::vector<NamedAction> actions_;
  std::string map_dispo_name_;
  std::string map_cycle_name_;
  std::string picture_name_;
  std::pair<std::string, std::string> team_words_{"team", "label_numteam"};
};

// The values of a standard game.cfg page: its options, with the control
// names of the mod's prefix.
std::vector<OptionRow<StandardGameCfg>> StandardGameRows(std::string_view prefix);

}  // namespace orvane
