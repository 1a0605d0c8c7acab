#include "editors/PhineasSettings.h"

#include "platform/FileSystem.h"

namespace orvane {
namespace {

const std::vector<OptionRow<PhineasBotsIni>>& BotRows() {
  // Arrows only: these spin edits are not typed into.
  static const std::vector<OptionRow<PhineasBotsIni>> kRows = {
      {{OptionKind::kSpin, "PH_quantity", "Number of bots", "Bots Settings", 1, 30, 4,
        "Maximum number of bots in your game", "", false},
       &PhineasBotsIni::quantity},
      {{OptionKind::kSpin, "PH_spawndelay", "Spawn delay", "Bots Settings", 1, 30, 4,
        "Number of seconds bots await before joining", "", false},
       &PhineasBotsIni::spawn_delay},
      {{OptionKind::kSpin, "PH_initialdelay", "Initial delay", "Bots Settings", 1, 30, 4,
        "Number of seconds before the first bot spawns", "", false},
       &PhineasBotsIni::initial_delay},
      {{OptionKind::kCheck, "PH_Random", "Spawn randomly", "Bots Settings", 0, 1, 0,
        "The bots will appear in a random order instead of the file order"},
       &PhineasBotsIni::random},
  };
  return kRows;
}

BotProperties PhineasBotProperties() {
  return {
      {TextRow("PH_botparam2", "Shirt color", "", "", 3), &BotEntry::param2},
      {TextRow("PH_botParam1", "Pants color", "", "", 3), &BotEntry::param1},
  };
}

}  // namespace

PhineasSettings::PhineasSettings(LauncherState& state)
    : EditorSettings(state, "Phineas"), game(StandardGameRows("PH")), bots(BotRows()) {
  AddGameType();
  AddOptions(game);
  AddTeams();
  AddOptions(bots);
  // The roster may be empty: "Number of bots" is what must not be 0.
  AddRoster(PhineasBotProperties(), kPhineasNameDrops, false);
}

void PhineasSettings::ReadFiles(Messages& messages) {
  ReadStandardGame(game, messages);
  ReadPlayList(messages);
  ReadBotFile(messages);
}

void PhineasSettings::ReadBotFile(Messages& messages) {
  SetRoster({});
  const std::string path = File(kPhineasBotFile);
  if (!FileExists(path)) {
    messages.push_back(MissingFile(kPhineasBotFile, ModDirectory()));
    return;
  }
  Step(messages, [&] {
    PhineasBotsIni ini = bots.Collected();
    ReadPhineasBotsIni(path, ini);
    bots.Fill(ini);
    SetRoster(std::move(ini.roster));
  });
}

void PhineasSettings::ModChecks(std::vector<std::string>& failed) const {
  if (bots.Collected().quantity == 0)
    failed.emplace_back("You must have at least one bot to play.");
}

void PhineasSettings::WriteFiles(FileBatch& batch) const {
  WriteStandardGame(game, batch);
  WriteMapCycle(state(), mod(), ModDirectory(), maps.play.items, batch);
  batch.PutLines(File(kPhineasBotFile), [this] {
    PhineasBotsIni ini = bots.Collected();
    ini.roster = roster.items;
    return PhineasBotsIniLines(ini);
  });
}

BotEntry PhineasSettings::NewEntry() const { return BotEntry{"NewBot", "gordon", "10", "10", ""}; }

void PhineasSettings::RandomizeEntry(BotEntry& entry, std::mt19937& draw) const {
  entry.param1 = std::to_string(PickRandom(0, 255, draw));
  entry.param2 = std::to_string(PickRandom(0, 255, draw));
}

}  // namespace orvane
