// Phineas's settings document: the standard game.cfg with its teams, the map
// cycle with the starting map kept in KRV.ini, and bots.ini (number of bots,
// spawn timing and order, and the roster with models and colours).
#pragma once

#include "editors/PhineasFiles.h"
#include "services/EditorSettings.h"

namespace orvane {

class PhineasSettings final : public EditorSettings {
 public:
  explicit PhineasSettings(LauncherState& state);

  BoundOptions<StandardGameCfg> game;
  BoundOptions<PhineasBotsIni> bots;

 protected:
  void ReadFiles(Messages& messages) override;
  void ReadBotFile(Messages& messages) override;
  void ModChecks(std::vector<std::string>& failed) const override;
  void WriteFiles(FileBatch& batch) const override;
  BotEntry NewEntry() const override;
  void RandomizeEntry(BotEntry& entry, std::mt19937& draw) const override;
};

}  // namespace orvane
