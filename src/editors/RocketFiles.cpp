#include "editors/RocketFiles.h"

#include <cmath>
#include <cstdio>
#include <tuple>

#include "platform/FileError.h"
#include "platform/StringUtil.h"
#include "services/CfgKeyTable.h"
#include "services/Converters.h"
#include "services/ServerFiles.h"

namespace orvane {
namespace {

using G = RocketGameCfg;

// The game type's two lines, left out when the window has no game type.
template <int Kind>
CfgRule<G> GameTypeRule() {
  return {[](const G& cfg) -> std::optional<std::string> {
            if (cfg.game_type == kRocketNoGameType) return std::nullopt;
            return Kind == 1 ? (cfg.game_type > 0 ? "1" : "0") : (cfg.game_type == 2 ? "1" : "0");
          },
          [](G& cfg, const CfgPair& line, std::string_view, int) {
            if (line.value == "1") cfg.game_type = Kind;
          }};
}

// game.cfg in the order written: limits with six decimals, values read up to their ".".
constexpr CfgFormat kRocketCfg{.decimals = 6, .cut_value_at_dot = true};

const std::vector<CfgKey<G>>& GameKeys() {
  static const std::vector<CfgKey<G>> kKeys = {
      {"mp_teamlist", TeamListRule<G>()},
      {"mp_fraglimit", &G::fraglimit},
      {"mp_timelimit", &G::timelimit},
      {"mp_flag_return_time", &G::flag_return_time},
      {"mp_points_per_capture", &G::points_per_capture},
      {"mp_scikill", &G::scikill},
      {"mp_falldamage", &G::falldamage, CfgKeyKind::kWhole},
      {"minplayers", "0.000000"},
      {"minbots", &G::minbots},
      {"mp_teamplay", GameTypeRule<1>()},
      {"mp_ctf", GameTypeRule<2>()},
      {"mp_friendlyfire", &G::friendlyfire},
      {"mp_weaponstay", &G::weaponstay},
      {"mp_forcerespawn", &G::forcerespawn},
      {"mp_footsteps", &G::footsteps},
      {"mp_flashlight", &G::flashlight},
      {"mp_autocrosshair", &G::autocrosshair},
      {"mp_drunkrockets", &G::drunkrockets},
      {"sv_pregameobserver", "0"},
      {"sv_poll", "0"},
      {"mp_teamannoy", &G::teamannoy},
      {"mp_allowrifts", &G::allowrifts},
      {"sv_sendvelocity", "0"},
  };
  return kKeys;
}

// A bot's numeric fields: the key, the field, the range.
struct BotField {
  const char* key;
  std::string BotEntry::*field;
  int lo;
  int hi;
};
const std::vector<BotField>& BotFields() {
  static const std::vector<BotField> kFields = {
      {"SKILL (1-3)", &BotEntry::skill, 1, 3},
      {"YAW SPEED", &BotEntry::yaw_speed, 10, 720},
      {"MEMORY LENGTH", &BotEntry::memory, 1, 60},
      {"SIGHT DISTANCE", &BotEntry::sight, 128, 8192},
      {"MAXIUM SHOT DELTA", &BotEntry::shot_delta, 0, 180},
      {"FULL AWARENESS RANGE", &BotEntry::awareness, 0, 8192},
      {"WANDER RATE", &BotEntry::wander, 10, 360},
      {"HUNTER", &BotEntry::hunter, 0, 1},
      {"PHYSCO", &BotEntry::psycho, 0, 1}};
  return kFields;
}

}  // namespace

std::vector<std::string> RocketGameCfgLines(const RocketGameCfg& cfg) {
  return CfgKeyLines(GameKeys(), cfg, kRocketCfg);
}

void ParseRocketGameCfg(const std::vector<std::string>& lines, std::string_view path,
                        RocketGameCfg& cfg) {
  ParseCfgKeys(GameKeys(), lines, path, cfg, kRocketCfg);
}

std::vector<ScrBlock> RocketScrBlocks(const RocketGameCfg& cfg) {
  const auto open = [](const char* var, const char* label, int n) {
    return NumberBlock(var, label, "-1.000000", std::to_string(n));
  };
  std::vector<ScrBlock> blocks = {
      StringBlock("mp_teamlist", "Valid teams, leave blank for all", ""),
      open("mp_fraglimit", "Frag Limit", cfg.fraglimit),
      open("mp_timelimit", "Time Limit (Min.)", cfg.timelimit),
      open("mp_flag_return_time", "CTF: Flag Return Time, 0 for never (Sec.)",
           cfg.flag_return_time),
      open("mp_points_per_capture", "CTF: Points Per Capture", cfg.points_per_capture),
      NumberBlock("mp_scikill", "Number of re-spawing scientists", "30.000000",
                  std::to_string(cfg.scikill)),
      ListBlock("mp_falldamage", "Falling Damage",
                {{"Normal", "0"}, {"Realistic", "1"}, {"None", "2"}}, cfg.falldamage),
      NumberBlock("minplayers", "Minium players (bots will fill in spots)", "32.000000", "0"),
      NumberBlock("minbots", "Minium number of bots", "32.000000", std::to_string(cfg.minbots)),
  };
  if (cfg.game_type != kRocketNoGameType) {
    blocks.push_back(BoolBlock("mp_teamplay", "Teamplay", cfg.game_type > 0));
    blocks.push_back(BoolBlock("mp_ctf", "CTF", cfg.game_type == 2));
  }
  const std::vector<std::tuple<const char*, const char*, bool>> bools = {
      {"mp_friendlyfire", "Friendly Fire", cfg.friendlyfire},
      {"mp_weaponstay", "Weapons Stay", cfg.weaponstay},
      {"mp_forcerespawn", "Force Respawn", cfg.forcerespawn},
      {"mp_footsteps", "Footsteps", cfg.footsteps},
      {"mp_flashlight", "Flashlight", cfg.flashlight},
      {"mp_autocrosshair", "Autocrosshair", cfg.autocrosshair},
      {"mp_drunkrockets", "Drunken Crowbar Rockets", cfg.drunkrockets}};
  for (const auto& [var, label, on] : bools) blocks.push_back(BoolBlock(var, label, on));
  blocks.push_back(BoolBlock("sv_pregameobserver", "Pre-Game Observer Mode", false));
  blocks.push_back(BoolBlock("sv_poll", "Enable Pre-Game Poll", false));
  blocks.push_back(BoolBlock("mp_teamannoy", "Allow team annoying weapons", cfg.teamannoy));
  blocks.push_back(BoolBlock("mp_allowrifts", "Allow shotgun rifts", cfg.allowrifts));
  blocks.push_back(BoolBlock("sv_sendvelocity", "Low ping server physics", false));
  return blocks;
}

const std::vector<std::string>& RocketWeapons() {
  static const std::vector<std::string> kWeapons = {"NONE",  "crowbar",   "9mmhandgun", "9mmAR",
                                                    "357",   "shotgun",   "rpg",        "egon",
                                                    "gauss", "hornetgun", "handgrenade"};
  return kWeapons;
}

BotEntry NewRocketBot() {
  BotEntry e{"NewBot", "gordon", "", "", "1"};
  e.yaw_speed = "10";
  e.memory = "1";
  e.sight = "128";
  e.shot_delta = "0";
  e.awareness = "0";
  e.reaction = "1";
  e.wander = "10";
  e.hunter = "1";
  e.psycho = "0";
  e.weapon = "NONE";
  return e;
}

std::string ReactionSeconds(int hundredths) {
  char text[32];
  std::snprintf(text, sizeof text, "%d.%02d0000", hundredths / 100, hundredths % 100);
  return text;
}

std::vector<std::string> RocketBotLines(const std::vector<BotEntry>& roster) {
  std::vector<std::string> lines;
  lines.reserve(roster.size() * 16);
  const auto real = [](const std::string& text) { return text + ".000000"; };
  for (size_t i = 0; i < roster.size(); ++i) {
    const BotEntry& e = roster[i];
    lines.push_back("Bot " + std::to_string(i + 1));
    lines.push_back("NAME:" + e.name);
    lines.push_back("MODEL:" + e.model);
    lines.push_back("SKILL (1-3):" + e.skill);
    lines.push_back("YAW SPEED:" + real(e.yaw_speed));
    lines.push_back("MEMORY LENGTH:" + real(e.memory));
    lines.push_back("SIGHT DISTANCE:" + real(e.sight));
    lines.push_back("MAXIUM SHOT DELTA:" + real(e.shot_delta));
    lines.push_back("FULL AWARENESS RANGE:" + real(e.awareness));
    lines.push_back("REACTION TIME:" + ReactionSeconds(ParseDecimalInt(e.reaction).value_or(1)));
    lines.push_back("WANDER RATE:" + real(e.wander));
    lines.push_back("HUNTER:" + e.hunter);
    lines.push_back("PHYSCO:" + e.psycho);
    lines.push_back(EqualsNoCase(e.weapon, "NONE") ? std::string("FAVORITE WEAPON:NONE")
                                                   : "FAVORITE WEAPON:weapon_" + e.weapon);
    lines.emplace_back("");
    lines.emplace_back("");
  }
  return lines;
}

std::vector<BotEntry> ParseRocketBots(const std::vector<std::string>& lines, std::string_view path,
                                      Messages& messages) {
  std::vector<BotEntry> roster;
  const auto refuse = [&](size_t line, std::string_view key, std::string_view value,
                          const std::string& expected) {
    messages.push_back(CantReadFile(
        path, "Line " + std::to_string(line + 1) + ", " + std::string(key) + ": expected " +
                  expected + ", found \"" + std::string(value) + "\"; the bot keeps its default."));
  };
  // A bot takes about sixteen lines: read on views, a string made only for
  // what is kept.
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.starts_with("Bot")) {
      BotEntry e = NewRocketBot();
      e.name.clear();
      e.model.clear();
      roster.push_back(std::move(e));
      continue;
    }
    const size_t colon = line.find(':');
    if (roster.empty() || colon == std::string_view::npos) continue;
    BotEntry& e = roster.back();
    const std::string_view key = Trim(line.substr(0, colon));
    const std::string_view value = Trim(line.substr(colon + 1));
    // A name is kept whole: cut at its "." it would lose the rest at every save.
    if (key == "NAME") {
      e.name = value;
    } else if (key == "MODEL") {
      e.model = value;
    } else if (key == "REACTION TIME") {
      // Seconds with two decimals that count: 1.500000 is 150 hundredths.
      const std::string text(value);
      char* end = nullptr;
      const double seconds = std::strtod(text.c_str(), &end);
      const long hundredths = std::lround(seconds * 100);
      if (text.empty() || *end != '\0' || hundredths < 1 || hundredths > 500) {
        refuse(i, key, value, "seconds from 0.01 to 5");
      } else {
        e.reaction = std::to_string(hundredths);
      }
    } else if (key == "FAVORITE WEAPON") {
      std::string weapon = EqualsNoCase(value, "NONE") ? std::string("NONE") : std::string(value);
      if (ToLowerAscii(weapon).rfind("weapon_", 0) == 0) weapon = weapon.substr(7);
      const auto& weapons = RocketWeapons();
      if (std::find(weapons.begin(), weapons.end(), weapon) == weapons.end()) {
        refuse(i, key, value, "NONE or one of the weapons");
      } else {
        e.weapon = weapon;
      }
    } else {
      for (const BotField& f : BotFields()) {
        if (key != f.key) continue;
        const std::optional<int> n = ParseDecimalInt(value.substr(0, value.find('.')));
        if (!n || *n < f.lo || *n > f.hi) {
          refuse(i, key, value,
                 "a whole number from " + std::to_string(f.lo) + " to " + std::to_string(f.hi));
        } else {
          e.*f.field = std::to_string(*n);
        }
      }
    }
  }
  return roster;
}

}  // namespace orvane
