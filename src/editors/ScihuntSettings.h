// Sci-hunt's settings document: game.cfg (game mode, arsenal file, rules),
// Shconfig.cfg, settings.scr, the Jumbot bots' files in botfiles (settings,
// roster, chat), the arsenal in arsenals, mapcycle.txt of its own maps and
// the waypoint keys.
#pragma once

#include "editors/JumbotSettings.h"
#include "editors/ScihuntFiles.h"
#include "services/EditorSettings.h"

namespace orvane {

// What the arsenal page's buttons append after "weapon_" and "ammo_".
const std::vector<std::string>& ArsenalWeapons();
const std::vector<std::string>& ArsenalAmmos();

class ScihuntSettings final : public JumbotBotsDocument {
 public:
  explicit ScihuntSettings(LauncherState& state);

  BoundOptions<ScihuntGameCfg> mode;     // "Game Type"
  BoundOptions<ScihuntGameCfg> game;     // "Game Settings"
  BoundOptions<ShConfig> scientists;     // "Sci-hunt options"
  BoundOptions<ScihuntGameCfg> physics;  // wall climbing and flying monsters
  BoundOptions<ShConfig> map_configs;    // Maps page
  BoundOptions<ShConfig> orders;         // Bots Chat page
  BoundOptions<ScihuntGameCfg> arsenal;  // the arsenal file
  BoundOptions<ShConfig> misc;           // Arsenals page
  size_t chat_kill_page;
  size_t chat_died_page;
  size_t arsenal_page;

  const std::string& BotFilesDir() const { return roster_dir(); }
  ScihuntGameCfg GameCfg() const;
  ShConfig Sh() const;
  // "Save" on the arsenal page writes the arsenal file at once.
  void SaveArsenal() const;

 protected:
  void ReadFiles(Messages& messages) override;
  void ReadBotFile(Messages& messages) override;
  void ModChecks(std::vector<std::string>& failed) const override;
  void WriteFiles(FileBatch& batch) const override;
  std::vector<std::string> AvailableMaps() const override;
  bool OnModOptionChanged(std::string_view control, Messages& messages) override;

 private:
  void ReadChat(Messages& messages, bool report_missing);
  void ReadArsenal(Messages& messages);
  void PutArsenal(FileBatch& batch) const;
};

}  // namespace orvane
