#include "editors/FrontlineSettings.h"

#include "editors/LaunchFiles.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "services/MapLists.h"
#include "services/ServerFiles.h"

namespace orvane {
namespace {

using C = FrontlineConfig;

std::vector<OptionRow<C>> GameRows() {
  const char* g = "Game Settings";
  // The reset turns friendly fire on and the flashlight off.
  return {
      {SpinRow("FL_timelimit", "Time Limit", g, 0, 90, 0, "Maximum time before changing map"),
       &C::timelimit},
      {SpinRow("FL_roundlimit", "Score Limit", g, 0, 999, 0, "Score before changing map"),
       &C::roundlimit},
      {CheckRow("FL_friendlyfire", "Friendly Fire", g, true, "Allows firing to teammates"),
       &C::friendlyfire},
      {CheckRow("FL_footsteps", "Footsteps", g, true, "Allows footsteps sounds"), &C::footsteps},
      {CheckRow("FL_flashlight", "Flashlight", g, false, "Allows players to use flashlight"),
       &C::flashlight},
      {CheckRow("FL_autoteambalance", "Auto Team Balance", g, true, "Keeps the teams even"),
       &C::autoteambalance},
      {CheckRow("FL_forcebalance", "Force Balance", g, true,
                "Players can't change to teams with more players"),
       &C::forcebalance},
      {CheckRow("FL_Botshoot", "Bots don't shoot", g, false, "The bots hold their fire"),
       &C::botdontshoot},
      {CheckRow("FL_dodge_bullets", "Bots dodge bullets", g, false, "AgroBot's bots dodge"),
       &C::dodge_bullets},
  };
}

std::vector<OptionRow<C>> SkillRows(const BotProfile& p) {
  return {{SliderRow("FL_defskill", "Bots default skill", "Bots skill", 1, p.MaxSkill(), 1,
                     "The skill of bots that have none of their own",
                     p.skill0_worst ? "Bad|Medium|Good" : "Good|Medium|Bad")
               .KeptOnReset(),
           &C::default_skill}};
}

}  // namespace

const std::vector<std::string>& FlClassTable() {
  static const std::vector<std::string> kClasses = {"Recon", "Assault", "Support"};
  return kClasses;
}

FrontlineSettings::FrontlineSettings(LauncherState& state, std::string chosen_bot)
    : TeamBotSettings(state,
                      {"Frontline", "FLF.ini", "FL_Bots.ini", "TeamAuto|TeamRebel|TeamCommando",
                       "Auto|Rebels|Commandos", FlClassTable()},
                      std::move(chosen_bot)),
      game(GameRows()),
      skills(SkillRows(profile())) {
  AddOptions(game);
  AddOptions(skills);
  AddTeamRoster();
}

ControlState FrontlineSettings::OptionState(std::string_view control) const {
  return {true, control != "FL_dodge_bullets" || bot() == kAgroBot};
}

FrontlineConfig FrontlineSettings::Collected() const {
  FrontlineConfig cfg;
  game.Collect(cfg);
  skills.Collect(cfg);
  return cfg;
}

void FrontlineSettings::ReadBots(Messages& messages) {
  SetRoster({});
  const std::string path = BotsIniPath();
  if (!FileExists(path)) return;
  Step(messages, [&] {
    FrontlineConfig cfg = Collected();
    TeamBotsIni ini = ReadTeamBotsIni(ReadFileBytes(path), path, Keys(), cfg, messages);
    static_cast<TeamBotOptions&>(cfg) = ini.options;
    game.Fill(cfg);
    skills.Fill(cfg);
    SetRoster(std::move(ini.roster));
  });
}

void FrontlineSettings::ReadFiles(Messages& messages) {
  ProfileMessages(messages);
  Step(messages, [&] {
    const std::string path = File("game.cfg");
    if (!FileExists(path)) return;
    FrontlineConfig cfg = Collected();
    ParseFrontlineGameCfg(ReadCfgLines(path), path, cfg);
    game.Fill(cfg);
  });
  ReadBots(messages);
  ReadCycleAndChat(messages);
}

void FrontlineSettings::ReadBotFile(Messages& messages) {
  ReadBots(messages);
  ReadChat(messages);
}

void FrontlineSettings::WriteFiles(FileBatch& batch) const {
  const FrontlineConfig cfg = Collected();
  batch.PutLines(File("game.cfg"), FrontlineGameCfgLines(cfg));
  PutTeamBotsIni(batch, BotsIniPath(), cfg, roster.items, profile().max_skill, "dodge_bullets");
  WriteMapCycle(state(), mod(), ModDirectory(), maps.play.items, batch);
  PutChat(batch);
  const std::string scr = File("settings.scr");
  if (FileExists(scr))
    batch.PutLines(scr, SettingsScrLines(ReadLines(scr), FrontlineScrBlocks(cfg)));
}

}  // namespace orvane
