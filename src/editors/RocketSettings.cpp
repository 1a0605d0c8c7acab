#include "editors/RocketSettings.h"

#include "platform/FileSystem.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "services/MapLists.h"
#include "services/Roster.h"
#include "services/ServerFiles.h"

namespace orvane {
namespace {

using G = RocketGameCfg;
constexpr const char* kBotFile = "botdata.txt";

std::vector<OptionRow<G>> GameRows() {
  const char* g = "Game Settings";
  return {
      {SpinRow("RC_fraglimit", "Frag Limit", g, 0, 999, 0,
               "Maximum Frag points before changing map (0 = infinite)"),
       &G::fraglimit},
      {SpinRow("RC_timelimit", "Time Limit", g, 0, 90, 0,
               "Maximum time before changing map (0 = infinite)"),
       &G::timelimit},
      {ChoiceRow("RC_falldamage", "Fall Damages", g, {"Normal", "Realistic", "None"}, 0,
                 "How much a fall hurts"),
       &G::falldamage},
      {SpinRow("RC_points_per_capture", "Capture frags", g, 0, 90, 10,
               "Points for a captured flag"),
       &G::points_per_capture},
      {SpinRow("RC_flag_return_time", "Return Time", g, 0, 90, 60,
               "Seconds before a dropped flag returns (0 = never)"),
       &G::flag_return_time},
      {SpinRow("RC_scikill", "Scientists", g, 0, 30, 0, "Scientists that re-spawn"), &G::scikill},
      {CheckRow("RC_friendlyfire", "Friendly Fire", g, false, "Allows firing to teammates"),
       &G::friendlyfire},
      {CheckRow("RC_weaponstay", "Weapons Stay", g, false, "Weapons stay after being taken"),
       &G::weaponstay},
      {CheckRow("RC_forcerespawn", "Force Respawn", g, false, "Players respawn at once"),
       &G::forcerespawn},
      {CheckRow("RC_footsteps", "Footsteps", g, true, "Allows footsteps sounds"), &G::footsteps},
      {CheckRow("RC_flashlight", "Flashlight", g, true, "Allows players to use flashlight"),
       &G::flashlight},
      {CheckRow("RC_autocrosshair", "AutoCrossHair", g, true, "Aiming help"), &G::autocrosshair},
      {CheckRow("RC_drunkrockets", "Drunken rockets", g, false, "Rockets that wander"),
       &G::drunkrockets},
      {CheckRow("RC_teamannoy", "Annoying weapons", g, false, "Team annoying weapons"),
       &G::teamannoy},
      {CheckRow("RC_allowrifts", "Shotgun Alt fire", g, true, "Shotgun rifts"), &G::allowrifts},
  };
}

std::vector<OptionRow<G>> BotRows() {
  return {{SpinRow("RC_minbots", "Number of bots", "Bots Settings", 1, 32, 3, "Bots in the game"),
           &G::minbots}};
}

BotProperties RocketBotProperties() {
  // Two sub-pages: the bot's properties, and its artificial intelligence.
  const auto properties = [](OptionInfo row) { return row.OnPage("Properties", "TabSheet1"); };
  const auto spin = [](const char* suffix, const char* caption, int lo, int hi,
                       std::string BotEntry::*field, const char* hint) {
    return OptionRow<BotEntry>{SpinRow(std::string("RC_") + suffix, caption, "", lo, hi, lo, hint)
                                   .OnPage("  I.A.", "TabSheet2"),
                               field};
  };
  return {
      {properties(
           SliderRow("RC_botskill", "Skill", "", 1, 3, 1, "The bot's skill", "Bad|Medium|Good")),
       &BotEntry::skill},
      {properties(ChoiceRow("RC_botweapon", "Favorite wepon", "", RocketWeapons(), 0,
                            "The weapon the bot prefers")),
       &BotEntry::weapon},
      {properties(CheckRow("RC_bothunter", "Hunter   ", "", true, "The bot hunts players")),
       &BotEntry::hunter},
      {properties(CheckRow("RC_botphysco", "Kill Scientists / Barneys", "", true,
                           "The bot kills scientists and guards")),
       &BotEntry::psycho},
      spin("botspeed", "Yaw Speed", 10, 720, &BotEntry::yaw_speed, "How fast the bot turns"),
      spin("botmemory", "Memory Length", 1, 60, &BotEntry::memory, "Seconds the bot remembers"),
      spin("botsight", "Sight Distance", 128, 8192, &BotEntry::sight, "How far the bot sees"),
      spin("botshot", "Maximum Shot Delta", 0, 180, &BotEntry::shot_delta, "The bot's aim error"),
      spin("botaware", "Full Awareness Range", 0, 8192, &BotEntry::awareness,
           "Distance within which the bot notices everything"),
      spin("botreaction", "Reaction Time", 1, 500, &BotEntry::reaction,
           "Hundredths of a second before the bot reacts"),
      spin("botwander", "Wander Rate", 10, 360, &BotEntry::wander, "How much the bot wanders"),
  };
}

}  // namespace

RocketSettings::RocketSettings(LauncherState& state)
    : EditorSettings(state, "Rocket"), game(GameRows()), bots(BotRows()) {
  AddGameTypes("RC_Teamplay", {"DeathMatch", "Teamplay", "Capture the Flag"});
  AddOptions(game);
  AddTeams();
  AddOptions(bots);
  AddRoster(RocketBotProperties(), " \"", true);
}

RocketGameCfg RocketSettings::Collected() const {
  RocketGameCfg cfg;
  game.Collect(cfg);
  bots.Collect(cfg);
  cfg.game_type = game_type();
  cfg.teams = teams.Texts(models());
  return cfg;
}

void RocketSettings::ReadFiles(Messages& messages) {
  Step(messages, [&] {
    const std::string path = File("game.cfg");
    if (!FileExists(path)) return;
    RocketGameCfg cfg = Collected();
    ParseRocketGameCfg(ReadCfgLines(path), path, cfg);
    game.Fill(cfg);
    bots.Fill(cfg);
    SetGameType(cfg.game_type);
    team_text_ = cfg.team_text;
  });
  ReadPlayList(messages);
  ReadBotFile(messages);
}

void RocketSettings::ReadBotFile(Messages& messages) {
  SetRoster({});
  const std::string path = File(kBotFile);
  if (!FileExists(path)) {
    messages.push_back(MissingFile(kBotFile, ModDirectory()));
    return;
  }
  Step(messages, [&] { SetRoster(ParseRocketBots(ReadLines(path), path, messages)); });
}

void RocketSettings::WriteFiles(FileBatch& batch) const {
  const RocketGameCfg cfg = Collected();
  batch.PutLines(File("game.cfg"), RocketGameCfgLines(cfg));
  WriteMapCycle(state(), mod(), ModDirectory(), maps.play.items, batch);
  batch.PutLines(File(kBotFile), [this] { return RocketBotLines(roster.items); });
  const std::string scr = File("settings.scr");
  if (FileExists(scr)) batch.PutLines(scr, SettingsScrLines(ReadLines(scr), RocketScrBlocks(cfg)));
}

void RocketSettings::RandomizeEntry(BotEntry& entry, std::mt19937& draw) const {
  const auto pick = [&draw](int lo, int hi) { return std::to_string(PickRandom(lo, hi, draw)); };
  entry.skill = pick(1, 3);
  entry.yaw_speed = pick(10, 720);
  entry.memory = pick(1, 60);
  entry.sight = pick(128, 8192);
  entry.shot_delta = pick(0, 180);
  entry.awareness = pick(0, 8192);
  entry.reaction = pick(1, 500);
  entry.wander = pick(10, 360);
  entry.hunter = pick(0, 1);
  entry.psycho = pick(0, 1);
  entry.weapon = RocketWeapons()[static_cast<size_t>(
      PickRandom(0, static_cast<int>(RocketWeapons().size()) - 1, draw))];
}

}  // namespace orvane
