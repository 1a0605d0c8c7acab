#include "editors/FirebotFiles.h"

#include <algorithm>

#include "platform/FileError.h"
#include "platform/StringUtil.h"
#include "services/CfgKeyTable.h"
#include "services/Converters.h"
#include "services/ServerFiles.h"

namespace orvane {
namespace {

using C = FirebotCfg;

// game.cfg in the order written; a text is a fixed value.
const std::vector<CfgKey<C>>& GameKeys() {
  static const std::vector<CfgKey<C>> kKeys = {
      {"mp_teamlist", "blue;red"},
      {"mp_teamplay", "1"},
      {"mp_fraglimit", &C::fraglimit},
      {"mp_timelimit", &C::timelimit},
      {"mp_falldamage", &C::fall_realistic},
      {"mp_friendlyfire", &C::friendlyfire},
      {"mp_weaponstay", &C::weaponstay},
      {"mp_forcerespawn", &C::forcerespawn},
      {"mp_footsteps", &C::footsteps},
      {"mp_flashlight", &C::flashlight},
      {"mp_autocrosshair", &C::autocrosshair},
      {"mp_blood", &C::blood},
      {"mp_shells", &C::shells},
      {"mp_bulletholes", &C::bulletholes},
  };
  return kKeys;
}

// The option keys only read: default.cfg's, and the whole numbers written
// without decimals.
const std::vector<std::pair<std::string_view, bool C::*>>& MoreFlags() {
  static const std::vector<std::pair<std::string_view, bool C::*>> kFlags = {
      {"botdontshoot", &C::botdontshoot},
      {"observer", &C::observer},
      {"botstamina", &C::botstamina},
      {"autoexeccfg", &C::autoexeccfg}};
  return kFlags;
}

constexpr std::array<const char*, kFbSkillRows> kSkillKeys = {"REACT_MIN", "REACT_MAX", "AIM_X",
                                                              "AIM_Y",     "AIM_Z",     "AIM_HEAD"};

}  // namespace

const std::vector<std::string>& FbWeaponList() {
  static const std::vector<std::string> kWeapons = {"< Random Weapon >",
                                                    "Pistol - 45 ACP-SA",
                                                    "Pistol - 44 RV SA-SCP",
                                                    "Pistols- 9mm SA-3RB",
                                                    "Pistols- SA-SIL",
                                                    "Pistol - AE-SA",
                                                    "Shotgun - TAC 12 gauge",
                                                    "Shotgun - Automatic",
                                                    "Sub-Machinegun - 9mm SMG SIL",
                                                    "Sub-Machinegun - 9mm TAC SMG",
                                                    "Sub-Machinegun - 7.62 BF-SMG",
                                                    "Sub-Machinegun - Akimbo 45 SMG",
                                                    "Sub-Machinegun - 9mm HCM-SMG",
                                                    "Rifle - 7.62mm AR-BT",
                                                    "Rifle - 5.56 AR-TAC",
                                                    "Rifle - 7.62 TAC AR-LCM",
                                                    "Rifle - 5.56 NATO AR-SCP",
                                                    "Rifle - 5.56 AR-GL",
                                                    "Rifle - Carbine 5.56 AR",
                                                    "Rifle - 5.56 BP AR-SCP",
                                                    "Sniper Rifle - 7.62 SR-SCP",
                                                    "Sniper Rifle - 50 A-T SR SCP",
                                                    "Machinegun - 7.62 HCM-MG",
                                                    "Grenade Launcher - 40mm GL",
                                                    "Other - Knife"};
  return kWeapons;
}

std::vector<std::string> FirebotGameCfgLines(const FirebotCfg& cfg) {
  std::vector<std::string> lines = CfgKeyLines(GameKeys(), cfg);
  lines.push_back(FormatCfgLine("sv_useskills", std::to_string(cfg.useskills)));
  lines.push_back(FormatCfgLine("autoexeccfg", BoolToOneZero(cfg.autoexeccfg)));
  lines.push_back(FormatCfgLine("sv_sendvelocity", "0"));
  return lines;
}

void ParseFirebotOptions(const std::vector<std::string>& lines, std::string_view path,
                         FirebotCfg& cfg) {
  FirebotCfg read = cfg;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (ToLowerAscii(lines[i].substr(0, 6)) == "addbot") continue;
    const CfgPair pair = SplitCfgLine(lines[i]);
    const int line_no = static_cast<int>(i + 1);
    if (ReadCfgKey(GameKeys(), pair, path, line_no, read)) continue;
    for (const auto& [key, flag] : MoreFlags()) {
      if (pair.key == key) read.*flag = YesOrOne(pair.value);
    }
    if (pair.key == "sv_useskills")
      read.useskills = CfgWholeNumber(pair.value, path, line_no, pair.key);
    if (pair.key == "botskill")
      read.default_skill = CfgWholeNumber(pair.value, path, line_no, pair.key);
  }
  cfg = read;
}

std::vector<std::string> FirebotBotLines(const FirebotCfg& cfg,
                                         const std::vector<BotEntry>& roster) {
  std::vector<std::string> lines = {"# addbot <team> <weapon> <name> <skill>",
                                    "botskill " + std::to_string(cfg.default_skill), ""};
  for (const BotEntry& e : roster)
    lines.push_back("addbot " + e.model + " " + e.param1 + " " + e.name + " " + e.skill);
  lines.emplace_back("");
  lines.push_back(FormatCfgLine("botdontshoot", BoolToOneZero(cfg.botdontshoot)));
  lines.push_back(FormatCfgLine("observer", BoolToOneZero(cfg.observer)));
  lines.push_back(FormatCfgLine("botstamina", BoolToOneZero(cfg.botstamina)));
  lines.push_back(FormatCfgLine("autojoin", "1"));
  return lines;
}

std::vector<BotEntry> ParseFirebotBots(const std::vector<std::string>& lines, std::string_view path,
                                       Messages& messages) {
  std::vector<BotEntry> roster;
  // Mostly one bot a line: the records are large, so grown once.
  roster.reserve(std::min(lines.size(), static_cast<size_t>(kMaxRosterBots)));
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (ToLowerAscii(line.substr(0, 6)) != "addbot") continue;
    BotEntry e{"NewBot", "0", "0", "", "0"};
    if (ToLowerAscii(line) != "addbot") {
      const size_t blank = line.find(' ');
      const std::string rest = blank == std::string::npos ? std::string() : line.substr(blank + 1);
      std::vector<std::string> fields;
      size_t from = 0;
      for (int k = 0; k < 3 && from <= rest.size(); ++k) {
        const size_t to = rest.find(' ', from);
        fields.push_back(
            rest.substr(from, to == std::string::npos ? std::string::npos : to - from));
        from = to == std::string::npos ? rest.size() + 1 : to + 1;
      }
      if (from <= rest.size()) fields.push_back(TrimCopy(rest.substr(from)));
      const auto number = [&](size_t k, int lo, int hi, const char* what) -> std::optional<int> {
        const std::optional<int> n = ParseDecimalInt(fields[k]);
        if (!n || *n < lo || *n > hi) {
          messages.push_back(CantReadFile(
              path, "Line " + std::to_string(i + 1) + ": the " + what + " is a whole number from " +
                        std::to_string(lo) + " to " + std::to_string(hi) + ", found \"" +
                        fields[k] + "\"; the bot is left out."));
          return std::nullopt;
        }
        return n;
      };
      // A team code above 2 is Auto; a team, weapon or skill that is no number drops the bot.
      const std::optional<int> team = number(0, 0, 1 << 30, "team");
      if (!team) continue;
      e.model = *team > 2 ? "0" : std::to_string(*team);
      if (fields.size() > 1) {
        const std::optional<int> weapon =
            number(1, 0, static_cast<int>(FbWeaponList().size()) - 1, "weapon");
        if (!weapon) continue;
        e.param1 = std::to_string(*weapon);
      }
      if (fields.size() > 2) e.name = fields[2];
      if (fields.size() > 3) {
        const std::optional<int> skill = number(3, 0, 5, "skill");
        if (!skill) continue;
        e.skill = std::to_string(*skill);
      }
    }
    roster.push_back(std::move(e));
  }
  return roster;
}

std::vector<std::string> FbSkillLines(const FbSkills& skills) {
  // Written in the add-on's order: aim first, then reaction.
  constexpr size_t kOrder[] = {2, 3, 4, 5, 0, 1};
  std::vector<std::string> lines;
  for (size_t g = 0; g < kFbSkillRows; ++g) {
    const size_t row = kOrder[g];
    for (size_t level = 0; level < 5; ++level) {
      lines.push_back(std::string(kSkillKeys[row]) + " " + std::to_string(level + 1) + " " +
                      skills[row][level]);
    }
    if (g + 1 < kFbSkillRows) lines.emplace_back("");
  }
  return lines;
}

FbSkills ParseFbSkills(const std::vector<std::string>& lines) {
  FbSkills skills;
  for (const std::string& line : lines) {
    if ((!line.empty() && line.front() == '#') || Trim(line).empty()) continue;
    for (size_t row = 0; row < kFbSkillRows; ++row) {
      const std::string_view key = kSkillKeys[row];
      if (line.find(key) == std::string::npos) continue;
      // The key begins the line; the level follows a blank, the value another.
      const size_t value_at = key.size() + 3;
      if (line.size() < value_at) break;  // too short to hold its value
      const std::optional<int> level = ParseDecimalInt(Trim(line.substr(key.size(), 2)));
      if (level && *level >= 1 && *level <= 5)
        skills[row][static_cast<size_t>(*level - 1)] = TrimCopy(line.substr(value_at));
      break;
    }
  }
  return skills;
}

std::vector<ScrBlock> FirebotScrBlocks(const FirebotCfg& cfg) {
  return {
      BoolBlock("mp_friendlyfire", "Friendly Fire", cfg.friendlyfire),
      BoolBlock("mp_footsteps", "Footsteps", cfg.footsteps),
      BoolBlock("mp_blood", "Display blood on all clients (disable for less ping)", cfg.blood),
      BoolBlock("mp_shells", "Display shells on all clients (disable for less ping)", cfg.shells),
      BoolBlock("mp_bulletholes", "Display bulletholes on all clients (disable for less ping)",
                cfg.bulletholes),
      BoolBlock("mp_forcerespawn", "Force Respawn", cfg.forcerespawn),
      BoolBlock("sv_sendvelocity", "Low ping server physics", false),
  };
}

}  // namespace orvane
