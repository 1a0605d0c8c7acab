#include "editors/BotmanSettings.h"

#include "platform/FileSystem.h"

namespace orvane {
namespace {

const std::vector<OptionRow<BotmanBotCfg>>& BotRows() {
  static const std::vector<OptionRow<BotmanBotCfg>> kRows = {
      {{OptionKind::kSlider, "BM_defskill", "Bots default skill", "Bots Settings", 1, 5, 1, "",
        "Bad|Medium|Good"},
       &BotmanBotCfg::default_skill},
      {{OptionKind::kSpin, "BM_spawndelay", "Spawn delay", "Bots Settings", 1, 30, 4,
        "Number of seconds bots await before joining"},
       &BotmanBotCfg::spawn_delay},
  };
  return kRows;
}

BotProperties BotmanBotProperties() {
  return {{SliderRow("BM_Botskill", "Skill", "", 0, 5, 1,
                     "If skill is set to default, the bot will have the AI skill level",
                     "Default|Bad|Medium|Good"),
           &BotEntry::skill}};
}

}  // namespace

BotmanSettings::BotmanSettings(LauncherState& state)
    : EditorSettings(state, "Botman"), game(StandardGameRows("BM")), bots(BotRows()) {
  AddGameType();
  AddOptions(game);
  AddTeams();
  AddOptions(bots);
  AddRoster(BotmanBotProperties(), kBotmanNameDrops, true);
}

void BotmanSettings::ReadFiles(Messages& messages) {
  ReadStandardGame(game, messages);
  ReadBotFile(messages);
  ReadPlayList(messages);
}

void BotmanSettings::ReadBotFile(Messages& messages) {
  SetRoster({});
  const std::string path = File(kBotmanBotFile);
  if (!FileExists(path)) {
    messages.push_back(MissingFile(kBotmanBotFile, ModDirectory()));
    return;
  }
  Step(messages, [&] {
    BotmanBotCfg cfg = bots.Collected();
    // A map line or two: a lookup each beats listing the whole maps directory.
    const std::string& maps_dir = state().valve_maps_dir;
    ReadBotmanBotCfg(
        path, [&maps_dir](std::string_view map) { return IsValidMap(map, maps_dir, "", ""); }, cfg);
    for (std::string& map : cfg.start_maps) maps.play.Append(std::move(map));
    bots.Fill(cfg);
    SetRoster(std::move(cfg.roster));
  });
}

void BotmanSettings::WriteFiles(FileBatch& batch) const {
  const BotmanBotCfg cfg = bots.Collected();
  const std::vector<std::string>& play = maps.play.items;
  WriteStandardGame(game, batch);
  batch.PutLines(File(kBotmanBotFile), [&] {
    return BotmanBotCfgLines(play.empty() ? "" : play.front(), cfg.default_skill, cfg.spawn_delay,
                             roster.items);
  });
  WriteMapCycle(state(), mod(), ModDirectory(), play, batch);
  NeutraliseServerConfigs(batch, ModDirectory(), ListenServerNames("Botman"));
}

BotEntry BotmanSettings::NewEntry() const { return BotEntry{"NewBot", "gordon", "", "", "0"}; }

void BotmanSettings::RandomizeEntry(BotEntry& entry, std::mt19937& draw) const {
  entry.skill = std::to_string(PickRandom(1, 5, draw));
}

}  // namespace orvane
