#include "editors/CstrikeSettings.h"

#include <algorithm>

#include "core/LauncherSettings.h"
#include "editors/CsBotAddOns.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "services/Converters.h"

namespace orvane {
namespace {

using Opt = CsBotOptions;

std::vector<OptionRow<CsGameCfg>> GameRows() {
  const char* g = "Game Settings";
  return {
      {SpinRow("CS_timelimit", "Time Limit", g, 0, 90, 0, "Maximum time before changing map"),
       &CsGameCfg::timelimit},
      {SpinRow("CS_RoundTime", "Round Time", g, 0, 15, 5, "Minutes of a round"),
       &CsGameCfg::roundtime},
      {SpinRow("CS_maxrounds", "Max rounds", g, 0, 15, 0, "Rounds before changing map"),
       &CsGameCfg::maxrounds},
      {SpinRow("CS_FreezeTime", "Freeze Time", g, 0, 15, 1, "Seconds frozen at a round's start"),
       &CsGameCfg::freezetime},
      {SpinRow("CS_hostagepenalty", "Max hostage kills", g, 0, 15, 0,
               "Hostages a player may kill before being kicked"),
       &CsGameCfg::hostagepenalty},
      {SpinRow("CS_C4timer", "C4 timer duration", g, 15, 90, 35, "Seconds before the bomb blows"),
       &CsGameCfg::c4timer},
      {SpinRow("CS_limitteams", "Limit Teams", g, 0, 19, 2,
               "Players one team may have more than the other"),
       &CsGameCfg::limitteams},
      {CheckRow("CS_friendlyfire", "Friendly Fire", g, false, "Allows firing to teammates"),
       &CsGameCfg::friendlyfire},
      {CheckRow("CS_grenade", "Friendly Grenade damages", g, false, "Grenades hurt teammates"),
       &CsGameCfg::grenade},
      {CheckRow("CS_footsteps", "Footsteps", g, true, "Allows footsteps sounds"),
       &CsGameCfg::footsteps},
      {CheckRow("CS_flashlight", "Flashlight", g, true, "Allows players to use flashlight"),
       &CsGameCfg::flashlight},
      {CheckRow("CS_balance", "Auto balance teams", g, true, "Keeps the teams even"),
       &CsGameCfg::balance},
  };
}

std::vector<OptionRow<Opt>> VersionRows() {
  return {{RadioRow("RB_CS10|RB_CS71", "1.xx|b 7.1", "Counter-strike version", 0,
                    "The version of Counter-Strike you play"),
           &Opt::cs71}};
}

std::vector<OptionRow<Opt>> MiscRows() {
  const char* g = "Misc options";
  return {
      {CheckRow("CS_botchat", "Bots chat", g, true), &Opt::botchat},
      {CheckRow("CS_knifeonly", "Bots only use knife", g, false), &Opt::knifeonly},
      {CheckRow("CS_pistolonly", "Bots only use pistols and less", g, false), &Opt::pistolonly},
      {CheckRow("CS_subonly", "Bots only use sub weapons and less", g, false), &Opt::subonly},
      {CheckRow("CS_usesmoke", "Bots use smoke grenades", g, true), &Opt::usesmoke},
      {CheckRow("CS_detailnames", "Display detailed names", g, false), &Opt::detailnames},
      {CheckRow("CS_inhumanturns", "Inhuman turns", g, false), &Opt::inhumanturns},
      {CheckRow("CS_Navigation", "Best navigation type", g, true), &Opt::navigation},
      {SpinRow("CS_control_bot", "Controled bots", g, 0, 19, 3, "Bots that follow your orders")
           .WithLabel("Lab_control_bot"),
       &Opt::control_bot},
      {ChoiceRow("CS_botmenu", "Bot menu key", g, KeyDisplayNames(), -1,
                 "The key that opens the bots' menu in the game")
           .WithLabel("Lab_Botmenu"),
       &Opt::botmenu},
      {ChoiceIndexRow("CS_jointeam", "Bots join", g,
                      {"Any team", "Terrorists", "Counter-Terrorists"}, 0,
                      "The team every bot joins"),
       &Opt::join_team},
  };
}

std::vector<OptionRow<Opt>> SkillRows(const BotProfile& p, bool realbot) {
  const char* g = "Bots skill";
  const std::string marks = p.skill0_worst ? "Bad|Medium|Good" : "Good|Medium|Bad";
  return {
      {SliderRow("CS_defskill", realbot ? "Max Skill" : "Bots default skill", g, 1, p.MaxSkill(),
                 realbot ? std::min(50, p.MaxSkill()) : 1,
                 "The skill of bots that have none of their own", marks)
           .WithLabel("Label86"),
       &Opt::default_skill},
      {SliderRow("CS_minskill", "Min skill", g, 1, 50, 1, "The lowest skill of a bot", "")
           .WithLabel("Label16"),
       &Opt::minskill},
      {CheckRow("CS_Extraskill", "Extra Skill", g, false), &Opt::extraskill},
      {CheckRow("CS_forceskill", "Force Skill", g, false), &Opt::forceskill},
  };
}

std::vector<OptionRow<Opt>> AiRows() {
  const char* g = "Navigation";
  return {
      {SpinRow("PL_Waydist", "Waypoints sight distance", g, 0, 700, 300), &Opt::waydist},
      {SpinRow("PL_Bheight", "Acceptable height", g, 0, 300, 150), &Opt::bheight},
      {SpinRow("PL_pway", "Points for waypoints", g, 0, 50, 20), &Opt::pway},
      {SpinRow("PL_proad", "Points for good location", g, 0, 50, 5), &Opt::proad},
      {SpinRow("PL_pgoal", "Points for way to the goal", g, 0, 50, 4), &Opt::pgoal},
      {SpinRow("PL_pchange", "Points for corridors", g, 0, 50, 5), &Opt::pchange},
      {SpinRow("PL_plong", "Points for the longest way", g, 0, 50, 3), &Opt::plong},
      {SpinRow("PL_bsenss", "Sensitivity for side of bot", g, 25, 200, 50), &Opt::bsenss},
      {SpinRow("PL_bsensf", "Sensitivity for bot's forward", g, 25, 400, 75), &Opt::bsensf},
      {SpinRow("PL_bsensc", "Sensitivity for new corridors", g, 25, 300, 100), &Opt::bsensc},
  };
}

std::vector<OptionRow<CsWaypointField>> WaypointRows() {
  return {{TextRow("WayDir", "Waypoints directory", "", "", 0, "Where the bot's waypoint files are")
               .Browse("", "directory"),
           &CsWaypointField::dir}};
}

// The options every bot has, and those only some add-ons understand.
bool Shows(std::string_view control, const CsBotAddOn& add_on, const BotProfile& p) {
  static const std::string_view kAddOnOptions[] = {
      "CS_botchat",     "CS_knifeonly",    "CS_pistolonly",  "CS_subonly",    "CS_usesmoke",
      "CS_detailnames", "CS_inhumanturns", "CS_control_bot", "CS_Navigation", "CS_minskill",
      "CS_Extraskill",  "CS_forceskill",   "CS_jointeam",    "WayDir"};
  if (std::find(std::begin(kAddOnOptions), std::end(kAddOnOptions), control) !=
      std::end(kAddOnOptions)) {
    return add_on.Understands(control);
  }
  if (control == "CS_botmenu") return !p.bot_menu_command.empty();
  if (control.substr(0, 3) == "PL_") return add_on.ai_page;
  if (control == "CS_chatkill") return !p.chat_file.empty();
  return true;
}

constexpr const char* kSkillsPrefix = "CS_Skills_";

}  // namespace

const std::vector<std::string>& CsModelTable(std::string_view team) {
  static const std::vector<std::string> kAuto = {
      "<Random Model>", "Phoenix / US Seal", "L337 / GSG-9", "Artic / UK SAS", "Gorilla / GIGN"};
  static const std::vector<std::string> kTerrorists = {
      "<Random Model>", "Phoenix Connektion", "L337 Krew", "Artic Avengers", "Gorilla Warface"};
  static const std::vector<std::string> kCounter = {"<Random Model>", "US Seal Team 6",
                                                    "German GSG-9", "UK SAS", "French GIGN"};
  static const std::vector<std::string> kNone;
  if (team == "0") return kAuto;
  if (team == "1") return kTerrorists;
  if (team == "2") return kCounter;
  return kNone;
}

CstrikeSettings::CstrikeSettings(LauncherState& state, std::string chosen_bot)
    : TeamBotSettings(state,
                      {"CStrike",
                       "CStrike.ini",
                       "CS_Bots.ini",
                       "BotA|BotT|BotCT",
                       "Auto|Terrorists|Counter-Terrorists",
                       {}},
                      std::move(chosen_bot)),
      game(GameRows()),
      version(VersionRows()),
      misc(MiscRows()),
      skills(SkillRows(profile(), CsBotAddOnNamed(bot()).max_skill_caption)),
      ai(AiRows()),
      waypoints(WaypointRows()) {
  AddOptions(game);
  AddOptions(version);
  AddOptions(misc);
  AddOptions(waypoints);
  AddOptions(skills);
  AddTeamRoster();
  AddOptions(ai);
}

const CsBotAddOn& CstrikeSettings::add_on() const { return CsBotAddOnNamed(bot()); }
bool CstrikeSettings::HasAiPage() const { return add_on().ai_page; }
bool CstrikeSettings::HasSkillsPage() const { return !add_on().skill_table_dir.empty(); }

ControlState CstrikeSettings::OptionState(std::string_view control) const {
  return {true, Shows(control, add_on(), profile())};
}

std::string CstrikeSettings::FolderBase() const {
  const std::string_view base = add_on().folder_base;
  return base.empty() ? std::string() : std::string(base) + "\\";
}

std::string CstrikeSettings::SkillsPath() const {
  // The game's file system ignores case: an existing file of another case is that file.
  // Of two spellings, the first in name order, whichever order the disk lists them.
  const std::string dir = File(std::string(add_on().skill_table_dir));
  DirectoryListings own;
  const DirectoryListing& files = (LoadListings() != nullptr ? *LoadListings() : own).Of(dir);
  std::string_view found;
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string_view name = files.Name(i);
    if (ToLowerAscii(name) == "botskill.cfg" && (found.empty() || name < found)) found = name;
  }
  return dir + "\\" + (found.empty() ? std::string("Botskill.cfg") : std::string(found));
}

void CstrikeSettings::ResetValues() {
  // The waypoint directory of the add-ons that let the player choose one,
  // when it exists: inside cstrike the default stands instead, inside the
  // add-on's own directory its bare directory.
  const std::string ini = BotsIniPath();
  waypoint_dir_ = profile().waypoint_dir;
  const CsBotAddOn& a = add_on();
  if (!a.folder_key.empty()) {
    std::string f = GetProfileString(ini, "Default", a.folder_key, a.folder_default);
    if (Trim(f).empty() || !DirectoryExists(File(FolderBase() + f))) {
      f = a.folder_base.empty() ? std::string(a.folder_default) : std::string();
    }
    waypoint_dir_ = FolderBase() + f;
  }
  waypoints.SetText(0, ModDirectory() + "\\" + waypoint_dir_);
  pod = PodSkills{};
}

void CstrikeSettings::ReadFiles(Messages& messages) {
  ProfileMessages(messages);
  Step(messages, [&] {
    const std::string path = File("game.cfg");
    if (!FileExists(path)) return;
    CsGameCfg cfg = game.Collected();
    ParseCsGameCfg(ReadCfgLines(path), path, cfg);
    game.Fill(cfg);
  });
  ReadCsBots(messages);
  ReadCycleAndChat(messages);
  if (HasSkillsPage()) ReadSkills(messages);
}

void CstrikeSettings::ReadCsBots(Messages& messages) {
  SetRoster({});
  const std::string path = BotsIniPath();
  if (!FileExists(path)) return;
  Step(messages, [&] {
    CsBotsIni ini = ReadCsBotsIni(ReadFileBytes(path), path, profile().MaxSkill(), messages);
    for (BoundOptions<CsBotOptions>* table : {&version, &misc, &skills, &ai})
      table->Fill(ini.options);
    SetRoster(std::move(ini.roster));
  });
}

void CstrikeSettings::ReadSkills(Messages& messages) {
  const std::string path = SkillsPath();
  if (!FileExists(path)) return;
  Step(messages, [&] { pod = ParsePodSkills(ReadLines(path)); });
}

void CstrikeSettings::ReadBotFile(Messages& messages) {
  ReadCsBots(messages);
  ReadChat(messages);
  // The skill table is P.O.D.Bot's file, not a default of ours: read again.
  if (HasSkillsPage()) ReadSkills(messages);
}

void CstrikeSettings::WriteFiles(FileBatch& batch) const {
  const CsGameCfg cfg = game.Collected();
  batch.PutLines(File("game.cfg"), CsGameCfgLines(cfg));
  CsBotOptions options;
  for (const BoundOptions<CsBotOptions>* table : {&version, &misc, &skills, &ai})
    table->Collect(options);
  CsBotsIniWrite how;
  how.max_skill = profile().max_skill;
  // The folder is named inside the add-on's own directory (P.O.D.Bot's PodBot).
  how.folder_key = add_on().folder_key;
  const size_t base = FolderBase().size();
  how.folder = waypoint_dir_.size() > base ? waypoint_dir_.substr(base) : std::string();
  how.write_join_team = add_on().Understands("CS_jointeam");
  PutCsBotsIni(batch, BotsIniPath(), options, roster.items, how);
  WriteMapCycle(state(), mod(), ModDirectory(), maps.play.items, batch);
  PutChat(batch);
  if (HasSkillsPage()) batch.PutLines(SkillsPath(), PodSkillLines(pod));
  const std::string scr = File("settings.scr");
  if (FileExists(scr)) batch.PutLines(scr, SettingsScrLines(ReadLines(scr), CsScrBlocks(cfg)));
}

std::vector<std::string> CstrikeSettings::ModelItems(const BotEntry* entry) const {
  return entry != nullptr ? CsModelTable(entry->param1) : std::vector<std::string>();
}

bool CstrikeSettings::AfterOptionChange(std::string_view control, Messages& messages) {
  const size_t def = skills.RowOf("CS_defskill");
  const size_t min = skills.RowOf("CS_minskill");
  // "Min skill" never exceeds the default (RealBot's "Max Skill").
  if (control == "CS_minskill" && skills.value(min) > skills.value(def)) {
    skills.Set(def, skills.value(min));
    return true;
  }
  if (control == "CS_defskill" && skills.value(def) < skills.value(min)) {
    skills.Set(min, skills.value(def));
    return true;
  }
  if (control == "WayDir") {
    // The field holds the whole path; the bot's directory is the part after
    // the cstrike directory, and some add-ons' lies inside their own.
    const std::string text = waypoints.text(0);
    const std::string prefix = ModDirectory() + "\\";
    const std::string inside = prefix + FolderBase();
    if (text.size() < inside.size() ||
        ToLowerAscii(text.substr(0, inside.size())) != ToLowerAscii(inside)) {
      messages.push_back({bot() + " reads its waypoints from a directory inside " +
                              inside.substr(0, inside.size() - 1) + ".",
                          "The waypoint directory stays " + prefix + waypoint_dir_ + "."});
      waypoints.SetText(0, prefix + waypoint_dir_);
      return true;
    }
    waypoint_dir_ = text.substr(prefix.size());
    std::vector<std::string> available = AvailableMaps();
    SortNoCase(available);
    maps.available.Clear();
    maps.available.items = std::move(available);
    maps.available.selected.assign(maps.available.items.size(), false);
    maps.play.Clear();
    return true;
  }
  return false;
}

void CstrikeSettings::ShowExtra(std::vector<std::pair<std::string, std::string>>& lines) const {
  if (!HasSkillsPage()) return;
  for (size_t band = 0; band < kPodBands; ++band) {
    for (size_t param = 0; param < kPodParams; ++param) {
      lines.emplace_back(
          std::string(kSkillsPrefix) + std::to_string(band + 1) + "_" + std::to_string(param + 1),
          pod[band][param]);
    }
  }
}

std::optional<std::optional<std::string>> CstrikeSettings::SetExtra(std::string_view control,
                                                                    std::string_view value) {
  if (control.substr(0, std::string_view(kSkillsPrefix).size()) != kSkillsPrefix)
    return std::nullopt;
  if (!HasSkillsPage()) return std::optional<std::string>(std::string(control) + " is hidden now");
  const std::string_view cell = control.substr(std::string_view(kSkillsPrefix).size());
  const size_t bar = cell.find('_');
  const std::optional<int> band = ParseDecimalInt(cell.substr(0, bar));
  const std::optional<int> param =
      bar == std::string_view::npos ? std::nullopt : ParseDecimalInt(cell.substr(bar + 1));
  if (!band || !param || *band < 1 || *band > 6 || *param < 1 || *param > 8) {
    return std::optional<std::string>("unknown control " + std::string(control) +
                                      " (the skill table is CS_Skills_<band 1-6>_<row 1-8>)");
  }
  pod[static_cast<size_t>(*band - 1)][static_cast<size_t>(*param - 1)] = std::string(value);
  return std::optional<std::string>();
}

}  // namespace orvane
