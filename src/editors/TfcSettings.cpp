#include "editors/TfcSettings.h"

#include "core/LauncherSettings.h"
#include "editors/LaunchFiles.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "services/MapLists.h"
#include "services/ServerFiles.h"

namespace orvane {
namespace {

using C = TfcConfig;

const std::vector<std::string> kDamage = {"Full", "Half", "None"};

std::vector<OptionRow<C>> GameRows() {
  const char* g = "Game Settings";
  const auto damage = [g](const char* name, const char* on, const char* from) {
    return ChoiceRow(name, std::string("Damages taken on ") + on + "\nfrom a teammate " + from, g,
                     kDamage, 0, "How much a teammate's fire hurts");
  };
  return {
      {SpinRow("TF_timelimit", "Time Limit", g, 0, 90, 0, "Maximum time before changing map"),
       &C::timelimit},
      {SpinRow("TF_fraglimit", "Frag Limit", g, 0, 999, 0, "Frags before changing map"),
       &C::fraglimit},
      {SpinRow("TF_respawndelay", "Respawn delay", g, 0, 15, 0, "Seconds before a respawn"),
       &C::respawndelay},
      {CheckRow("TF_footsteps", "Footsteps", g, true, "Allows footsteps sounds"), &C::footsteps},
      {CheckRow("TF_Balance", "Balance teams", g, true, "Keeps the teams even"), &C::balance},
      {CheckRow("TF_Birthday", "Happy Birthday !", g, false, "Balloons and party hats"),
       &C::birthday},
      {CheckRow("TF_Botshoot", "Bots don't shoot", g, false, "The bots hold their fire"),
       &C::botdontshoot},
      {damage("TeamPlay_2", "body", "direct shot"), &C::damage_2},
      {damage("TeamPlay_8", "body", "deflagration"), &C::damage_8},
      {damage("TeamPlay_128", "armor", "direct shot"), &C::damage_128},
      {damage("TeamPlay_512", "armor", "deflagration"), &C::damage_512},
  };
}

std::vector<OptionRow<C>> AbotRows() {
  const char* g = "Abot options";
  return {
      {ChoiceRow("TF_gameplay", "Game Type", g, {"Normal", "Last Team Standing"}, 0,
                 "How a round is won"),
       &C::gameplay},
      {CheckRow("TF_Bottarget", "Bots don't target", g, false, "The bots ignore the objectives"),
       &C::bottarget},
      {CheckRow("TF_team_even", "Even teams", g, true, "Abot keeps the teams even"), &C::team_even},
  };
}

std::vector<OptionRow<C>> AddmapRows() {
  return {{CheckRow("TF_addmap", "Execute maps config files", "", false,
                    "This allows you to have your own custom game options depending on the "
                    "level."),
           &C::addmap}};
}

std::vector<OptionRow<C>> SkillRows(const BotProfile& p) {
  return {{SliderRow("TF_defskill", "Bots default skill", "Bots skill", 1, p.MaxSkill(), 1,
                     "The skill of bots that have none of their own",
                     p.skill0_worst ? "Bad|Medium|Good" : "Good|Medium|Bad")
               .KeptOnReset(),
           &C::default_skill}};
}

}  // namespace

const std::vector<std::string>& TfClassTable() {
  static const std::vector<std::string> kClasses = {
      "Scout",        "Sniper", "Soldier", "Demoman",  "Medic",
      "Heavy Weapon", "Pyro",   "Spy",     "Engineer", "<Random Class>"};
  return kClasses;
}

TfcSettings::TfcSettings(LauncherState& state, std::string chosen_bot)
    : TeamBotSettings(state,
                      {"TFC", "TFC.ini", "TF_Bots.ini", "TeamAuto|TeamBlue|TeamRed",
                       "Auto|Blue|Red", TfClassTable()},
                      std::move(chosen_bot)),
      game(GameRows()),
      abot(AbotRows()),
      addmap(AddmapRows()),
      skills(SkillRows(profile())) {
  AddOptions(game);
  AddOptions(abot);
  AddOptions(addmap);
  AddOptions(skills);
  AddTeamRoster();
  // The window's move and delete buttons keep the names they have always had.
  SetMoveButtonsPrefix("BM");
}

bool TfcSettings::IsAbot() const { return bot() == kAbot; }

ControlState TfcSettings::OptionState(std::string_view control) const {
  // Abot's group, and the map files only Abot executes.
  const bool abot_only = control == "TF_addmap" || abot.Find(control).has_value();
  return {true, !abot_only || IsAbot()};
}

TfcConfig TfcSettings::Collected() const {
  TfcConfig cfg;
  for (const BoundOptions<C>* table : {&game, &abot, &addmap, &skills}) table->Collect(cfg);
  return cfg;
}

void TfcSettings::Fill(const TfcConfig& cfg) {
  for (BoundOptions<C>* table : {&game, &abot, &addmap, &skills}) table->Fill(cfg);
}

void TfcSettings::ReadDamage(Messages& messages) {
  TfcConfig cfg = Collected();
  int* const positions[] = {&cfg.damage_2, &cfg.damage_8, &cfg.damage_128, &cfg.damage_512};
  for (size_t i = 0; i < kTeamDamageKeys.size(); ++i) {
    const std::string stored = ReadModSetting(state(), mod().key, kTeamDamageKeys[i]);
    const std::optional<int> n = ParseDecimalInt(Trim(stored));
    *positions[i] = n && *n >= 0 && *n <= 2 ? *n : 0;
    if (!Trim(stored).empty() && *positions[i] != n.value_or(-1)) {
      messages.push_back({"Can't read the file " + KrvIniPath(state()) + ".",
                          "[TFC] " + std::string(kTeamDamageKeys[i]) +
                              ": expected 0 (Full), 1 (Half) or 2 (None), found \"" + stored +
                              "\"; Full is chosen."});
    }
  }
  Fill(cfg);
}

void TfcSettings::ReadBots(Messages& messages) {
  SetRoster({});
  const std::string path = BotsIniPath();
  if (!FileExists(path)) return;
  Step(messages, [&] {
    TfcConfig cfg = Collected();
    TeamBotsIni ini = ReadTeamBotsIni(ReadFileBytes(path), path, Keys(), cfg, messages);
    static_cast<TeamBotOptions&>(cfg) = ini.options;
    Fill(cfg);
    SetRoster(std::move(ini.roster));
  });
}

void TfcSettings::ReadFiles(Messages& messages) {
  ProfileMessages(messages);
  ReadDamage(messages);
  Step(messages, [&] {
    const std::string path = File("game.cfg");
    if (!FileExists(path)) return;
    TfcConfig cfg = Collected();
    ParseTfcGameCfg(ReadCfgLines(path), path, cfg);
    Fill(cfg);
  });
  ReadBots(messages);
  ReadCycleAndChat(messages);
}

void TfcSettings::ReadBotFile(Messages& messages) {
  ReadBots(messages);
  ReadChat(messages);
}

void TfcSettings::WriteFiles(FileBatch& batch) const {
  const TfcConfig cfg = Collected();
  const int positions[] = {cfg.damage_2, cfg.damage_8, cfg.damage_128, cfg.damage_512};
  for (size_t i = 0; i < kTeamDamageKeys.size(); ++i) {
    WriteProfileString(batch, KrvIniPath(state()), mod().key, kTeamDamageKeys[i],
                       std::to_string(positions[i]));
  }
  batch.PutLines(File("game.cfg"), TfcGameCfgLines(cfg, IsAbot()));
  PutTeamBotsIni(batch, BotsIniPath(), cfg, roster.items, profile().max_skill, "addmap");
  WriteMapCycle(state(), mod(), ModDirectory(), maps.play.items, batch);
  PutChat(batch);
}

}  // namespace orvane
