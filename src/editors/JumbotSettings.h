// Jumbot's settings document: the standard game.cfg with its teams,
// jumbot.cfg (the bots' settings, starting map included), mapcycle.txt, the
// roster file, three text pages and the waypoint keys (KRV.ini and
// config.cfg). JumbotOptions, the bot-settings tables, serves Sci-hunt's
// bots too, with its prefix and flavour.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "editors/JumbotFiles.h"
#include "services/EditorSettings.h"

namespace orvane {

// The four waypoint keys, as KRV.ini keeps their display names.
struct JumbotKeys {
  std::string makewp;
  std::string makewpj;
  std::string remwp;
  std::string writewpfile;
};

// jumbot.cfg's values as option tables, one per part of a page, and the
// rules between them.
class JumbotOptions {
 public:
  JumbotOptions(std::string_view prefix, JumbotFlavour flavour);

  BoundOptions<JumbotCfg> skill;      // Game page: difficulty (Jumbot: squads, leaders)
  BoundOptions<JumbotCfg> bots;       // Bots page: number, order, roster file, spawn delay
  BoundOptions<JumbotCfg> skills;     // A.I. page: the numbers
  BoundOptions<JumbotCfg> behaviour;  // A.I. page: the check boxes
  BoundOptions<JumbotCfg> weapons;    // A.I. page: "Weapons Preferences"
  BoundOptions<JumbotCfg> chat;       // Bots Chat page
  BoundOptions<JumbotCfg> waypoints;  // Waypoints page
  BoundOptions<JumbotCfg> morons;     // Moron Bots page (Jumbot only)
  BoundOptions<JumbotKeys> keys;      // Waypoints page: "Editing waypoints"

  JumbotCfg Cfg() const;  // every table's values
  void Fill(const JumbotCfg& cfg);
  std::array<std::string, 4> KeyTexts() const;
  // Limited FOV, limited sight and trip mines enable what they govern.
  std::optional<ControlState> State(std::string_view control) const;
  // "Play in edit mode" turned on: no bots, the waypoint files in use.
  bool EditModeChanged(std::string_view control);

  std::string Name(std::string_view suffix) const { return prefix_ + "_" + std::string(suffix); }
  const std::string& roster_file_control() const { return roster_file_; }

  // The key choices from KRV.ini (the mod's section); a name not in the key
  // table is left out.
  void ReadKeys(const LauncherState& state, std::string_view mod_key);
  // The keys to KRV.ini and the bindings to config_path: its lines (or, when
  // it is missing, valve\config.cfg's) without the old bindings, the new
  // ones at the end.
  void WriteKeys(const LauncherState& state, std::string_view mod_key,
                 const std::string& config_path, FileBatch& batch) const;

 private:
  std::string prefix_;
  JumbotFlavour flavour_;
  std::string roster_file_;
};

// A document whose bots are Jumbot's (Jumbot's own, Sci-hunt's): the
// bot-settings tables, the roster file in the roster directory, the default
// and random bots, and the rules: the dependent controls, edit mode, the
// roster file's name reloading the roster, and the roster checks.
class JumbotBotsDocument : public EditorSettings {
 public:
  JumbotBotsDocument(LauncherState& state, std::string_view mod_key, JumbotFlavour flavour,
                     std::string roster_dir);

  JumbotOptions jumbot;
  const std::string& roster_dir() const { return roster_dir_; }

  ControlState OptionState(std::string_view control) const override;

 protected:
  void AddJumbotRoster();
  // The roster from the roster file; a missing file is reported (and its
  // name emptied, so the checks ask for one) only when asked.
  void ReadRoster(Messages& messages, bool report_missing);
  // The roster file and the number of bots, unless in edit mode.
  void RosterChecks(std::vector<std::string>& failed) const;
  // The mod's own rules beyond the bots'.
  virtual ControlState ModState(std::string_view control) const {
    (void)control;
    return {};
  }
  virtual bool OnModOptionChanged(std::string_view control, Messages& messages) {
    (void)control;
    (void)messages;
    return false;
  }

 private:
  BotEntry NewEntry() const final;
  void RandomizeEntry(BotEntry& entry, std::mt19937& draw) const final;
  std::string CreateRefusal() const final;
  bool AfterOptionChange(std::string_view control, Messages& messages) final;

  JumbotFlavour flavour_;
  std::string roster_dir_;
};

class JumbotSettings final : public JumbotBotsDocument {
 public:
  explicit JumbotSettings(LauncherState& state);

  BoundOptions<StandardGameCfg> game;
  // The three text pages.
  size_t chat_page;
  size_t orders_page;
  size_t morons_page;

 protected:
  void ReadFiles(Messages& messages) override;
  void ReadBotFile(Messages& messages) override;
  void ModChecks(std::vector<std::string>& failed) const override;
  void WriteFiles(FileBatch& batch) const override;
  ControlState ModState(std::string_view control) const override;

 private:
  void ReadJumbotCfg(Messages& messages);
  void ReadTextPages(Messages& messages);
};

// The map legend under "Available Maps".
inline constexpr const char* kMapLegend = "* Waypoints\r+ Self config";

}  // namespace orvane
