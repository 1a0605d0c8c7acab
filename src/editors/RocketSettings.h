// Rocket Crowbar's settings document: game.cfg with the game type
// (DeathMatch, Teamplay or Capture the Flag) and its teams, settings.scr when
// the mod has one, mapcycle.txt with the starting map, and botdata.txt,
// where each bot has its own personality.
#pragma once

#include "editors/RocketFiles.h"
#include "services/EditorSettings.h"

namespace orvane {

class RocketSettings final : public EditorSettings {
 public:
  explicit RocketSettings(LauncherState& state);

  BoundOptions<RocketGameCfg> game;
  BoundOptions<RocketGameCfg> bots;  // "Number of bots"

 protected:
  void ReadFiles(Messages& messages) override;
  void ReadBotFile(Messages& messages) override;
  void WriteFiles(FileBatch& batch) const override;
  BotEntry NewEntry() const override { return NewRocketBot(); }
  void RandomizeEntry(BotEntry& entry, std::mt19937& draw) const override;

 private:
  RocketGameCfg Collected() const;
};

}  // namespace orvane
