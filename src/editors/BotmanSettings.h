// Botman's settings document: the standard game.cfg with its teams, bot.cfg
// (starting map, default skill, spawn delay and the roster) and mapcycle.txt,
// with the Botman lines of listenserver.cfg commented out on save.
#pragma once

#include "editors/BotmanFiles.h"
#include "services/EditorSettings.h"

namespace orvane {

class BotmanSettings final : public EditorSettings {
 public:
  explicit BotmanSettings(LauncherState& state);

  BoundOptions<StandardGameCfg> game;
  BoundOptions<BotmanBotCfg> bots;

 protected:
  void ReadFiles(Messages& messages) override;
  void ReadBotFile(Messages& messages) override;
  void WriteFiles(FileBatch& batch) const override;
  BotEntry NewEntry() const override;
  void RandomizeEntry(BotEntry& entry, std::mt19937& draw) const override;
};

}  // namespace orvane
