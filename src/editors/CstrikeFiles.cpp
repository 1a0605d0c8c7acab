#include "editors/CstrikeFiles.h"

#include <algorithm>
#include <variant>

#include "platform/ProfileFile.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "services/CfgKeyTable.h"
#include "services/Converters.h"
#include "services/ServerFiles.h"

namespace orvane {
namespace {

// game.cfg in the order written; a text is a fixed value.
const std::vector<CfgKey<CsGameCfg>>& GameKeys() {
  static const std::vector<CfgKey<CsGameCfg>> kKeys = {
      {"mp_timelimit", &CsGameCfg::timelimit},
      {"mp_roundtime", &CsGameCfg::roundtime},
      {"mp_freezetime", &CsGameCfg::freezetime},
      {"mp_maxrounds", &CsGameCfg::maxrounds},
      {"mp_hostagepenalty", &CsGameCfg::hostagepenalty},
      {"mp_c4timer", &CsGameCfg::c4timer},
      {"mp_limitteams", &CsGameCfg::limitteams},
      {"mp_autokick", "1"},
      {"mp_friendlyfire", &CsGameCfg::friendlyfire},
      {"mp_chasecam", "0"},
      {"mp_footsteps", &CsGameCfg::footsteps},
      {"mp_flashlight", &CsGameCfg::flashlight},
      {"mp_friendly_grenade_damage", &CsGameCfg::grenade},
      {"mp_autoteambalance", &CsGameCfg::balance},
      {"sv_sendvelocity", "0"},
  };
  return kKeys;
}

using OptionField =
    std::variant<int CsBotOptions::*, bool CsBotOptions::*, std::string CsBotOptions::*>;

// [Default] after numbot and the skill, in the order written.
const std::vector<std::pair<std::string_view, OptionField>>& DefaultKeys() {
  static const std::vector<std::pair<std::string_view, OptionField>> kKeys = {
      {"minskill", &CsBotOptions::minskill},       {"extraskill", &CsBotOptions::extraskill},
      {"forceskill", &CsBotOptions::forceskill},   {"botchat", &CsBotOptions::botchat},
      {"knifeonly", &CsBotOptions::knifeonly},     {"pistolonly", &CsBotOptions::pistolonly},
      {"subonly", &CsBotOptions::subonly},         {"usesmoke", &CsBotOptions::usesmoke},
      {"detailnames", &CsBotOptions::detailnames}, {"inhumanturns", &CsBotOptions::inhumanturns},
      {"botmenu", &CsBotOptions::botmenu},         {"version", &CsBotOptions::cs71},
      {"control_bot", &CsBotOptions::control_bot}, {"navigation", &CsBotOptions::navigation},
  };
  return kKeys;
}

const std::vector<std::pair<std::string_view, int CsBotOptions::*>>& PlBotKeys() {
  static const std::vector<std::pair<std::string_view, int CsBotOptions::*>> kKeys = {
      {"waydist", &CsBotOptions::waydist}, {"bheight", &CsBotOptions::bheight},
      {"pway", &CsBotOptions::pway},       {"proad", &CsBotOptions::proad},
      {"pgoal", &CsBotOptions::pgoal},     {"pchange", &CsBotOptions::pchange},
      {"plong", &CsBotOptions::plong},     {"bsenss", &CsBotOptions::bsenss},
      {"bsensf", &CsBotOptions::bsensf},   {"bsensc", &CsBotOptions::bsensc},
  };
  return kKeys;
}

}  // namespace

std::vector<std::string> CsGameCfgLines(const CsGameCfg& cfg) {
  return CfgKeyLines(GameKeys(), cfg);
}

void ParseCsGameCfg(const std::vector<std::string>& lines, std::string_view path, CsGameCfg& cfg) {
  ParseCfgKeys(GameKeys(), lines, path, cfg);
}

std::vector<ScrBlock> CsScrBlocks(const CsGameCfg& cfg) {
  return {
      NumberBlock("mp_timelimit", "Level Rotation Time (Min.)", "-1.000000",
                  std::to_string(cfg.timelimit)),
      NumberBlock("mp_roundtime", "Round Time (Min.)", "15.000000", std::to_string(cfg.roundtime)),
      NumberBlock("mp_freezetime", "Freeze Time (Sec.)", "15.000000",
                  std::to_string(cfg.freezetime)),
      BoolBlock("mp_autokick", "Kick idle and disruptive players", true),
      BoolBlock("mp_friendlyfire", "Friendly Fire", cfg.friendlyfire),
      BoolBlock("mp_chasecam", "Chasecam only", false),
      BoolBlock("mp_footsteps", "Footsteps", cfg.footsteps),
      BoolBlock("mp_flashlight", "Allow flashlight", cfg.flashlight),
      BoolBlock("sv_sendvelocity", "Low lag server physics and decals", false),
  };
}

CsBotsIni ReadCsBotsIni(std::string_view text, std::string_view path, int max_skill,
                        Messages& messages) {
  CsBotsIni ini;
  CsBotOptions& o = ini.options;
  // One pass over the file for its thousands of keys.
  const ProfileIndex index(text);
  const auto Value = [&index](std::string_view section, std::string_view key,
                              std::string_view def) { return index.Text(section, key, def); };
  const std::string skill_key = "skill" + std::to_string(max_skill);
  o.default_skill = ParseProfileInt(Value("Default", skill_key, ""), 0);
  for (const auto& [key, field] : DefaultKeys()) {
    if (const auto* flag = std::get_if<bool CsBotOptions::*>(&field)) {
      // "version" is 1 for 1.x: the 7.1 button is the other one.
      o.** flag = YesOrOne(Value("Default", key, "0")) != (key == "version");
    } else if (const auto* words = std::get_if<std::string CsBotOptions::*>(&field)) {
      o.** words = Value("Default", key, "");
    } else {
      const auto number = std::get<int CsBotOptions::*>(field);
      o.*number = ParseProfileInt(Value("Default", key, ""), o.*number);
    }
  }
  for (const auto& [key, field] : PlBotKeys())
    o.*field = ParseProfileInt(Value("PlBot", key, ""), o.*field);
  o.join_team = std::clamp(ParseProfileInt(Value("Default", "jointeam", ""), 0), 0, 2);

  ini.roster = ReadBotsIniRoster(index, path, {max_skill, 0, 4, 0}, messages);
  return ini;
}

void PutCsBotsIni(FileBatch& batch, const std::string& path, const CsBotOptions& o,
                  const std::vector<BotEntry>& roster, const CsBotsIniWrite& how) {
  // Every key in one write: each as the profile writer would set it in turn.
  std::vector<ProfileWrite> writes;
  const auto put = [&writes](std::string_view section, std::string_view key,
                             const std::string& value) {
    writes.push_back({std::string(section), std::string(key), value});
  };
  put("Default", "numbot", std::to_string(roster.size()));
  put("Default", "skill" + how.max_skill, std::to_string(o.default_skill));
  for (const auto& [key, field] : DefaultKeys()) {
    if (const auto* flag = std::get_if<bool CsBotOptions::*>(&field)) {
      put("Default", key, BoolToOneZero(o.**flag != (key == "version")));
    } else if (const auto* words = std::get_if<std::string CsBotOptions::*>(&field)) {
      put("Default", key, o.**words);
    } else {
      put("Default", key, std::to_string(o.*std::get<int CsBotOptions::*>(field)));
    }
  }
  for (const auto& [key, field] : PlBotKeys()) put("PlBot", key, std::to_string(o.*field));
  if (!how.folder_key.empty()) put("Default", how.folder_key, how.folder);
  if (how.write_join_team) put("Default", "jointeam", std::to_string(o.join_team));
  AddBotsIniRoster(writes, roster, how.max_skill);
  WriteProfileStrings(batch, path, writes);
}

const std::array<const char*, kPodParams>& PodParamWords() {
  static const std::array<const char*, kPodParams> kWords = {
      "MIN_DELAY",  "MAX_DELAY",  "MIN_TURNSPEED", "MAX_TURNSPEED",
      "AIM_OFFS_X", "AIM_OFFS_Y", "AIM_OFFS_Z",    "HEADSHOT_ALLOW"};
  return kWords;
}

std::vector<std::string> PodSkillLines(const PodSkills& skills) {
  static const std::array<const char*, kPodBands> kBands = {"0-19",  "20-39", "40-59",
                                                            "60-79", "80-99", "100"};
  std::vector<std::string> lines = {
      "# The order is from the Worst Bots to the Best. DON'T CHANGE THE",
      "# ORDER IN THIS FILE UNLESS YOU WANT TO EXPERIENCE WEIRD THINGS!"};
  for (size_t band = 0; band < kPodBands; ++band) {
    lines.emplace_back("");
    lines.push_back(std::string("# Settings for Bots Skill ") + kBands[band]);
    for (size_t param = 0; param < kPodParams; ++param)
      lines.push_back(std::string(PodParamWords()[param]) + " " + skills[band][param]);
  }
  return lines;
}

PodSkills ParsePodSkills(const std::vector<std::string>& lines) {
  PodSkills skills;
  size_t band = 0;
  size_t found = 0;
  for (const std::string& line : lines) {
    if (band >= kPodBands) break;  // a seventh band has no column
    if ((!line.empty() && line.front() == '#') || Trim(line).empty()) continue;
    for (size_t param = 0; param < kPodParams; ++param) {
      const std::string_view word = PodParamWords()[param];
      if (line.find(word) == std::string::npos) continue;
      // The word is taken to begin the line: its value follows it.
      skills[band][param] = line.size() > word.size() ? TrimCopy(line.substr(word.size())) : "";
      ++found;
    }
    if (found == kPodParams) {
      ++band;
      found = 0;
    }
  }
  return skills;
}

}  // namespace orvane
