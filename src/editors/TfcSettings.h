// TFC's settings document, for the bot chosen in the main window (Abot, HPB
// Bot or another of TFC.ini): game.cfg with Abot's own lines when Abot is the
// bot, the four team-damage choices kept in KRV.ini and summed into
// mp_teamplay, TF_Bots.ini, mapcycle.txt with the starting map, and the
// bot's chat file.
#pragma once

#include "editors/TeamBotSettings.h"
#include "editors/TfcFiles.h"

namespace orvane {

// TFC's classes, as the class drop-down lists them (Model = position + 1).
const std::vector<std::string>& TfClassTable();

class TfcSettings final : public TeamBotSettings {
 public:
  // The document for chosen_bot, the bot chosen in the main window.
  TfcSettings(LauncherState& state, std::string chosen_bot);

  bool IsAbot() const;

  BoundOptions<TfcConfig> game;    // "Game Settings", damage choices included
  BoundOptions<TfcConfig> abot;    // "Abot options"
  BoundOptions<TfcConfig> addmap;  // under "Play Maps"
  BoundOptions<TfcConfig> skills;  // beside the roster

  ControlState OptionState(std::string_view control) const override;

 protected:
  void ReadFiles(Messages& messages) override;
  void ReadBotFile(Messages& messages) override;
  void WriteFiles(FileBatch& batch) const override;

 private:
  TfcConfig Collected() const;
  void Fill(const TfcConfig& cfg);
  void ReadDamage(Messages& messages);
  void ReadBots(Messages& messages);
};

}  // namespace orvane
