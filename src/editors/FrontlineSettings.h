// Front Line Force's settings document, for the bot chosen in the main
// window (AgroBot, HPB Bot or another of FLF.ini): the nine-line game.cfg,
// settings.scr when the mod has one, FL_Bots.ini, mapcycle.txt with the
// starting map, and the bot's chat file.
#pragma once

#include "editors/FrontlineFiles.h"
#include "editors/TeamBotSettings.h"

namespace orvane {

// The classes of the class drop-down (Model = position + 1).
const std::vector<std::string>& FlClassTable();

class FrontlineSettings final : public TeamBotSettings {
 public:
  // The document for chosen_bot, the bot chosen in the main window.
  FrontlineSettings(LauncherState& state, std::string chosen_bot);

  BoundOptions<FrontlineConfig> game;
  BoundOptions<FrontlineConfig> skills;  // beside the roster

  ControlState OptionState(std::string_view control) const override;

 protected:
  void ReadFiles(Messages& messages) override;
  void ReadBotFile(Messages& messages) override;
  void WriteFiles(FileBatch& batch) const override;

 private:
  FrontlineConfig Collected() const;
  void ReadBots(Messages& messages);
};

}  // namespace orvane
