#include "editors/ActionSettings.h"

#include <algorithm>

#include "core/LauncherSettings.h"
#include "platform/FileSystem.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "services/MapLists.h"
#include "services/Roster.h"
#include "services/ServerFiles.h"

namespace orvane {
namespace {

using G = ActionGameCfg;
constexpr const char* kBotFile = "bots.ini";
constexpr const char* kNewTeam = "New Team/agent99";
constexpr const char* kNewSubTeam = "New SubTeam/agent99";

std::vector<OptionRow<G>> GameRows() {
  const char* g = "Game Settings";
  return {
      {ChoiceRow("AC_gametype", "Game Type", "Game Type",
                 {"Deathmatch", "Last Man Standing", "Last Man Standing with Equipement",
                  "Teamplay", "Teamplay without Rounds"},
                 0, "The kind of game"),
       &G::gametype},
      {SpinRow("AC_lives", "Number of Lives", g, 0, 10, 0, "Lives of a player (0 = no limit)"),
       &G::lives},
      {SpinRow("AC_fraglimit", "Frag Limit", g, 0, 999, 0,
               "Maximum Frag points before changing map (0 = infinite)"),
       &G::fraglimit},
      {SpinRow("AC_timelimit", "Time Limit", g, 0, 90, 0,
               "Maximum time before changing map (0 = infinite)"),
       &G::timelimit},
      {SpinRow("AC_roundtimelimit", "Round Limit", g, 0, 90, 0, "Minutes of a round"),
       &G::roundtimelimit},
      {RadioRow("AC_fallnorm|AC_fallreal", "Normal|Realistic", "Fall Damages", 0,
                "How much a fall hurts"),
       &G::fall_realistic},
      {CheckRow("AC_friendlyfire", "Friendly Fire", g, false, "Allows firing to teammates"),
       &G::friendlyfire},
      {CheckRow("AC_weaponstay", "Weapons Stay", g, false, "Weapons stay after being taken"),
       &G::weaponstay},
      {CheckRow("AC_forcerespawn", "Force Respawn", g, false, "Players respawn at once"),
       &G::forcerespawn},
      {CheckRow("AC_footsteps", "Footsteps", g, true, "Allows footsteps sounds"), &G::footsteps},
      {CheckRow("AC_flashlight", "Flashlight", g, true, "Allows players to use flashlight"),
       &G::flashlight},
      {CheckRow("AC_autocrosshair", "AutoCrossHair", g, true, "Aiming help"), &G::autocrosshair},
      {SpinRow("AC_teamkills", "Max teamkills", g, 0, 10, 0, "Team kills before action is taken"),
       &G::teamkills},
      {ChoiceRow("AC_tkdeal", "How to deal with TK", g,
                 {"Do nothing", "Punish for 2 rounds", "Vote Kick", "Auto Kick"}, 0,
                 "What happens to a team killer"),
       &G::tkdeal},
      {ChoiceRow(
           "AC_Gorelevel", "Gore level", g,
           {"Disabled", "Low", "Normal", "High", "Very High", "Excessive", "Getting ridiculous"}, 0,
           "How much blood is shown"),
       &G::gorelevel},
  };
}

std::vector<OptionRow<G>> BotRows() {
  return {{SpinRow("AC_bots", "Number of bots", "Bots Settings", 1, 16, 1, "Bots in the game"),
           &G::bots}};
}

std::string Before(const std::string& text, char c) { return text.substr(0, text.find(c)); }
std::string After(const std::string& text, char c) {
  const size_t at = text.find(c);
  return at == std::string::npos ? std::string() : text.substr(at + 1);
}

}  // namespace

ActionSettings::ActionSettings(LauncherState& state)
    : EditorSettings(state, "Action"), game(GameRows()), bots(BotRows()) {
  AddOptions(game);
  AddOptions(bots);
  AddRoster(
      {{SliderRow(Control("Botskill"), "Skill", "", 1, 5, 1, "The bot's skill", "Bad|Medium|Good"),
        &BotEntry::skill}},
      " \"'", false);
}

ActionGameCfg ActionSettings::Collected() const {
  ActionGameCfg cfg;
  game.Collect(cfg);
  bots.Collect(cfg);
  return cfg;
}

std::vector<std::string> ActionSettings::ModelList() const {
  // Action's own models: each folder m holding m.mdl.
  std::vector<std::string> models;
  const ModDirs& dirs = DirsOf(state(), "Action");
  if (dirs.extra.size() < 2 || !DirectoryExists(dirs.extra[1])) return models;
  const std::string dir = dirs.extra[1];
  ForEachDirectoryEntry(dir, "*", [&](std::string_view name, unsigned attributes) {
    if ((attributes & kAttrDirectory) == 0 || name == "." || name == "..") return;
    const std::string m(name);
    if (FileExists(dir + "\\" + m + "\\" + m + ".mdl")) models.push_back(m);
  });
  SortNoCase(models);
  return models;
}

std::vector<std::string> ActionSettings::AvailableMaps() const {
  const std::string maps_dir = File("maps");
  return MarkedMaps(maps_dir, {}, {maps_dir, ".wps"}, {}, LoadListings());
}

void ActionSettings::ResetValues() {
  team_tree = DefaultActionTeams();
  current_team = {};
}

void ActionSettings::ReadFiles(Messages& messages) {
  Step(messages, [&] {
    const std::string path = File("game.cfg");
    if (!FileExists(path)) return;
    ActionGameCfg cfg = Collected();
    ParseActionGameCfg(ReadCfgLines(path), path, cfg);
    game.Fill(cfg);
    bots.Fill(cfg);
  });
  Step(messages, [&] {
    const std::string path = File("teams.ini");
    if (FileExists(path)) team_tree = ParseTeamsIni(ReadLines(path));
  });
  ReadPlayListFrom(messages, File("maps"));
  ReadBotFile(messages);
  Step(messages, [&] {
    const std::string path = File("user.scr");
    if (!FileExists(path)) return;
    if (const std::optional<int> level = ReadGoreLevel(ReadLines(path))) {
      ActionGameCfg cfg = Collected();
      cfg.gorelevel = *level;
      game.Fill(cfg);
    }
  });
}

void ActionSettings::ReadBotFile(Messages& messages) {
  SetRoster({});
  const std::string path = File(kBotFile);
  if (!FileExists(path)) {
    messages.push_back(MissingFile(kBotFile, ModDirectory()));
    return;
  }
  Step(messages, [&] { SetRoster(ParseActionBots(ReadLines(path), path, messages)); });
}

void ActionSettings::WriteFiles(FileBatch& batch) const {
  const ActionGameCfg cfg = Collected();
  batch.PutLines(File("game.cfg"), ActionGameCfgLines(cfg));
  batch.PutLines(File("teams.ini"), TeamsIniLines(team_tree));
  WriteMapCycle(state(), mod(), ModDirectory(), maps.play.items, batch);
  batch.PutLines(File(kBotFile), [this] { return ActionBotsLines(roster.items); });
  const std::string scr = File("settings.scr");
  if (FileExists(scr)) batch.PutLines(scr, SettingsScrLines(ReadLines(scr), ActionScrBlocks(cfg)));
  const std::string user = File("user.scr");
  if (FileExists(user)) batch.PutLines(user, UserScrLines(ReadLines(user), cfg.gorelevel));
  NeutraliseServerConfigs(batch, ModDirectory(), ListenServerNames("Action"));
}

void ActionSettings::RandomizeEntry(BotEntry& entry, std::mt19937& draw) const {
  entry.skill = std::to_string(PickRandom(1, 5, draw));
}

// ---- the team tree ----

std::string ActionSettings::NodeText(const TeamNodeRef& node) const {
  if (node.team < 0 || node.team >= static_cast<int>(team_tree.size())) return {};
  const ActionTeam& team = team_tree[static_cast<size_t>(node.team)];
  if (node.sub < 0) return team.text;
  return node.sub < static_cast<int>(team.subs.size()) ? team.subs[static_cast<size_t>(node.sub)]
                                                       : std::string();
}

std::string ActionSettings::TeamName() const { return Before(NodeText(current_team), '/'); }
std::string ActionSettings::TeamModel() const { return After(NodeText(current_team), '/'); }

void ActionSettings::AddTeam() { team_tree.push_back({kNewTeam, {kNewSubTeam}}); }

std::string ActionSettings::AddSubTeam() {
  if (current_team.team < 0) return "Select a main team first.";
  if (current_team.sub >= 0)
    return "You can't add a Subteam to a Subteam. Select a Main team first.";
  team_tree[static_cast<size_t>(current_team.team)].subs.push_back(kNewSubTeam);
  return {};
}

std::string ActionSettings::DeleteRefusal() const {
  if (current_team.team < 0) return "Select a team first.";
  if (current_team.sub < 0 && current_team.team <= 1)
    return "You can't delete the two first main teams.";
  if (current_team.sub == 0) return "You can't delete the first subteam.";
  return {};
}

std::string ActionSettings::DeleteQuestion() const {
  return std::string("Are you sure to delete the ") + (current_team.sub >= 0 ? "sub" : "") +
         "team \"" + TeamName() + "\" ?";
}

void ActionSettings::DeleteTeamNode() {
  ActionTeam& team = team_tree[static_cast<size_t>(current_team.team)];
  if (current_team.sub >= 0) {
    team.subs.erase(team.subs.begin() + current_team.sub);
  } else {
    team_tree.erase(team_tree.begin() + current_team.team);
  }
  current_team = {};
}

void ActionSettings::SetTeamInfo(const std::string& name, const std::string& model) {
  if (current_team.team < 0) return;
  ActionTeam& team = team_tree[static_cast<size_t>(current_team.team)];
  (current_team.sub < 0 ? team.text : team.subs[static_cast<size_t>(current_team.sub)]) =
      name + "/" + model;
}

void ActionSettings::ShowExtra(std::vector<std::pair<std::string, std::string>>& lines) const {
  // The tree as "Main/model(Sub/model,...);..." and the selected node.
  std::string tree;
  for (const ActionTeam& team : team_tree) {
    if (!tree.empty()) tree += ";";
    std::string subs;
    for (const std::string& sub : team.subs) subs += (subs.empty() ? "" : ",") + sub;
    tree += team.text + "(" + subs + ")";
  }
  lines.emplace_back("AC_Teams", tree);
  lines.emplace_back("AC_TeamName", TeamName());
  lines.emplace_back("AC_TeamModel", TeamModel());
}

std::optional<std::optional<std::string>> ActionSettings::SetExtra(std::string_view control,
                                                                   std::string_view value) {
  using Result = std::optional<std::string>;
  if (control == "AC_Teams") {
    // "Main" or "Main>Sub", each a node's text: that node becomes the selected one.
    const size_t gt = value.find('>');
    const std::string main(value.substr(0, gt));
    for (size_t t = 0; t < team_tree.size(); ++t) {
      if (team_tree[t].text != main) continue;
      if (gt == std::string_view::npos) {
        current_team = {static_cast<int>(t), -1};
        return Result();
      }
      const auto& subs = team_tree[t].subs;
      const auto sub = std::find(subs.begin(), subs.end(), value.substr(gt + 1));
      if (sub != subs.end()) {
        current_team = {static_cast<int>(t), static_cast<int>(sub - subs.begin())};
        return Result();
      }
    }
    return Result(
        "AC_Teams accepts a team's text, or a team's and a sub-team's joined by \">\" "
        "(COPS/drake>SWAT/swat)");
  }
  if (control == "AddaTeam1") {
    if (value != "1") return Result("AddaTeam1 accepts 1 (choose the command)");
    AddTeam();
    return Result();
  }
  if (control == "AddaSubTeam1" || control == "DeleteTeam1") {
    if (value != "1") return Result(std::string(control) + " accepts 1 (choose the command)");
    if (control == "AddaSubTeam1") {
      const std::string refused = AddSubTeam();
      return refused.empty() ? Result() : Result(refused);
    }
    const std::string refused = DeleteRefusal();
    if (!refused.empty()) return Result(refused);
    DeleteTeamNode();
    return Result();
  }
  if (control == "AC_TeamName" || control == "AC_TeamModel") {
    if (current_team.team < 0)
      return Result(std::string(control) +
                    " is empty while no team is selected (select one with AC_Teams=TEXT)");
    if (control == "AC_TeamModel") {
      if (std::find(models().begin(), models().end(), value) == models().end())
        return Result("AC_TeamModel accepts one of Action's models");
      SetTeamInfo(TeamName(), std::string(value));
    } else {
      SetTeamInfo(std::string(value), TeamModel());
    }
    return Result();
  }
  return std::nullopt;
}

}  // namespace orvane
