#include "editors/JumbotFiles.h"

#include <algorithm>
#include <variant>

#include "platform/FileError.h"
#include "platform/StringUtil.h"
#include "services/Converters.h"
#include "services/ServerFiles.h"

namespace orvane {
namespace {

enum class Kind { kFlag, kNumber, kText, kThinkSpeed, kViewDelay };

struct CfgKey {
  std::string_view key;
  Kind kind;
  std::variant<bool JumbotCfg::*, int JumbotCfg::*, std::string JumbotCfg::*> field;
};

// The lines between "map" and "bweap_tripmine", in the order they are written.
const std::vector<CfgKey>& CfgKeys() {
  static const std::vector<CfgKey> kKeys = {
      {"bot_random", Kind::kFlag, &JumbotCfg::bot_random},
      {"bot_num", Kind::kNumber, &JumbotCfg::bot_num},
      {"bot_weaprun", Kind::kNumber, &JumbotCfg::bot_weaprun},
      {"bot_skill", Kind::kNumber, &JumbotCfg::bot_skill},
      {"botcfgfile", Kind::kText, &JumbotCfg::botcfgfile},
      {"chatfile", Kind::kText, &JumbotCfg::chatfile},
      {"botchat", Kind::kFlag, &JumbotCfg::botchat},
      {"bot_ordering", Kind::kFlag, &JumbotCfg::bot_ordering},
      {"chatfreq_killed", Kind::kNumber, &JumbotCfg::chatfreq_killed},
      {"chatfreq_died", Kind::kNumber, &JumbotCfg::chatfreq_died},
      {"bot_distance", Kind::kNumber, &JumbotCfg::bot_distance},
      {"bot_checkdistance", Kind::kFlag, &JumbotCfg::bot_checkdistance},
      {"bot_tripmines", Kind::kFlag, &JumbotCfg::bot_tripmines},
      {"bot_longjump", Kind::kFlag, &JumbotCfg::bot_longjump},
      {"bot_gauss", Kind::kFlag, &JumbotCfg::bot_gauss},
      {"bot_turret", Kind::kFlag, &JumbotCfg::bot_turret},
      {"bot_rpgaimlow", Kind::kFlag, &JumbotCfg::bot_rpgaimlow},
      {"bot_runaway", Kind::kFlag, &JumbotCfg::bot_runaway},
      {"bot_hunt", Kind::kFlag, &JumbotCfg::bot_hunt},
      {"bothearing", Kind::kFlag, &JumbotCfg::bothearing},
      {"botpain", Kind::kFlag, &JumbotCfg::botpain},
      {"botusefov", Kind::kFlag, &JumbotCfg::botusefov},
      {"botfov", Kind::kNumber, &JumbotCfg::botfov},
      {"botaccuracy", Kind::kNumber, &JumbotCfg::botaccuracy},
      {"bot_run_worse", Kind::kNumber, &JumbotCfg::bot_run_worse},
      {"botspeed", Kind::kNumber, &JumbotCfg::botspeed},
      {"bot_crowbar", Kind::kFlag, &JumbotCfg::bot_crowbar},
      {"speedup", Kind::kNumber, &JumbotCfg::speedup},
      {"spawndelay", Kind::kNumber, &JumbotCfg::spawndelay},
      {"bot_squads", Kind::kFlag, &JumbotCfg::bot_squads},
      {"bot_snipers", Kind::kFlag, &JumbotCfg::bot_snipers},
      {"bot_campers", Kind::kFlag, &JumbotCfg::bot_campers},
      {"bot_objavoid", Kind::kFlag, &JumbotCfg::bot_objavoid},
      {"bot_funcsmash", Kind::kFlag, &JumbotCfg::bot_funcsmash},
      {"bot_leadsys", Kind::kFlag, &JumbotCfg::bot_leadsys},
      {"bot_ackteam", Kind::kFlag, &JumbotCfg::bot_ackteam},
      {"bot_realgame", Kind::kFlag, &JumbotCfg::bot_realgame},
      {"bot_thinkspeed", Kind::kThinkSpeed, &JumbotCfg::bot_thinkspeed},
      {"bot_angleupdate", Kind::kFlag, &JumbotCfg::bot_angleupdate},
      {"bot_viewdelay", Kind::kViewDelay, &JumbotCfg::bot_viewdelay},
      {"bot_yawspeed", Kind::kNumber, &JumbotCfg::bot_yawspeed},
      {"waypoints", Kind::kFlag, &JumbotCfg::waypoints},
      {"nav_autogen", Kind::kFlag, &JumbotCfg::nav_autogen},
      {"wp_autoplace", Kind::kFlag, &JumbotCfg::wp_autoplace},
      {"wp_jumpplace", Kind::kFlag, &JumbotCfg::wp_jumpplace},
      {"bot_wppref", Kind::kFlag, &JumbotCfg::bot_wppref},
      {"bot_advp", Kind::kFlag, &JumbotCfg::bot_advp},
      {"bweap_crowbar", Kind::kNumber, &JumbotCfg::bweap_crowbar},
      {"bweap_glock", Kind::kNumber, &JumbotCfg::bweap_glock},
      {"bweap_python", Kind::kNumber, &JumbotCfg::bweap_python},
      {"bweap_mp5", Kind::kNumber, &JumbotCfg::bweap_mp5},
      {"bweap_shotgun", Kind::kNumber, &JumbotCfg::bweap_shotgun},
      {"bweap_crossbow", Kind::kNumber, &JumbotCfg::bweap_crossbow},
      {"bweap_rpg", Kind::kNumber, &JumbotCfg::bweap_rpg},
      {"bweap_gauss", Kind::kNumber, &JumbotCfg::bweap_gauss},
      {"bweap_egon", Kind::kNumber, &JumbotCfg::bweap_egon},
      {"bweap_hornet", Kind::kNumber, &JumbotCfg::bweap_hornet},
      {"bweap_grenade", Kind::kNumber, &JumbotCfg::bweap_grenade},
      {"bweap_snark", Kind::kNumber, &JumbotCfg::bweap_snark},
      {"bweap_satchel", Kind::kNumber, &JumbotCfg::bweap_satchel},
  };
  return kKeys;
}

// Keys Sci-hunt's file leaves out.
constexpr std::array<std::string_view, 10> kNotInScihunt = {
    "bot_ordering", "bot_longjump",  "bot_squads",  "bot_snipers", "bot_campers",
    "bot_objavoid", "bot_funcsmash", "bot_leadsys", "bot_ackteam", "bot_realgame"};
// Sci-hunt's file names its files inside botfiles.
constexpr std::string_view kBotfiles = "botfiles\\";

bool NotInScihunt(std::string_view key) {
  return std::find(kNotInScihunt.begin(), kNotInScihunt.end(), key) != kNotInScihunt.end();
}

// bot_thinkspeed and bot_viewdelay hold "0." and the number.
int AfterZeroPoint(std::string_view value, std::string_view path, int line, std::string_view key) {
  if (value.size() < 3) {
    throw FileError(std::string(path), line,
                    "expected 0. and a whole number for " + std::string(key) + ", found \"" +
                        std::string(value) + "\"");
  }
  return CfgWholeNumber(value.substr(2), path, line, key);
}

std::string Line(std::string_view key, std::string_view value) {
  return std::string(key) + " " + std::string(value);
}

// The text up to the next blank; `rest` continues after it (empty at the end).
std::string_view UpToBlank(std::string_view& rest) {
  const size_t blank = rest.find(' ');
  const std::string_view part = rest.substr(0, blank);
  rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  return part;
}

}  // namespace

JumbotCfg DefaultJumbotCfg(JumbotFlavour flavour) {
  JumbotCfg cfg;
  if (flavour == JumbotFlavour::kScihunt) cfg.chatfile = "botchat.cfg";
  return cfg;
}

void TurnEditModeOn(JumbotCfg& cfg) {
  cfg.wp_edit = true;
  cfg.bot_num = 0;
  cfg.waypoints = true;
  cfg.nav_autogen = false;
}

std::vector<std::string> JumbotCfgLines(const JumbotCfg& cfg, std::string_view start_map,
                                        JumbotFlavour flavour) {
  const bool scihunt = flavour == JumbotFlavour::kScihunt;
  std::vector<std::string> lines = {"// This file was generated by Orvane",
                                    "// don't modify anything unless you know what you're doing !",
                                    " ", Line("map", start_map)};
  for (const CfgKey& k : CfgKeys()) {
    if (scihunt && NotInScihunt(k.key)) continue;
    switch (k.kind) {
      case Kind::kFlag:
        lines.push_back(
            Line(k.key, scihunt && k.key == "bot_crowbar"
                            ? "0"
                            : BoolToOneZero(cfg.*std::get<bool JumbotCfg::*>(k.field))));
        break;
      case Kind::kNumber:
        lines.push_back(Line(k.key, std::to_string(cfg.*std::get<int JumbotCfg::*>(k.field))));
        break;
      case Kind::kText: {
        const std::string& text = cfg.*std::get<std::string JumbotCfg::*>(k.field);
        lines.push_back(Line(k.key, scihunt ? "\"" + std::string(kBotfiles) + text + "\"" : text));
        break;
      }
      case Kind::kThinkSpeed:
        lines.push_back(cfg.bot_thinkspeed < 10
                            ? "bot_thinkspeed 0." + std::to_string(cfg.bot_thinkspeed)
                            : std::string("bot_thinkspeed 1"));
        break;
      case Kind::kViewDelay:
        lines.push_back("bot_viewdelay 0." + std::to_string(cfg.bot_viewdelay));
        break;
    }
  }
  // A trip-mine preference only where the bots may use trip mines.
  lines.push_back(cfg.bot_tripmines ? Line("bweap_tripmine", std::to_string(cfg.bweap_tripmine))
                                    : std::string("bweap_tripmine -10"));
  if (cfg.wp_edit) {
    lines.emplace_back("wp_edit 1");
    lines.emplace_back("wp_vis 1");
  }
  for (const char* fixed :
       {"botmsec 0", "msecdiv 800", "msec_min 10", "msec_max 75", "bot_keepsettings 1",
        "nostartexec 1", "echo \"The jumbot.cfg file has been executed.\""}) {
    lines.emplace_back(fixed);
  }
  return lines;
}

void ParseJumbotCfg(const std::vector<std::string>& lines, std::string_view path,
                    const std::function<bool(std::string_view)>& usable_map, JumbotFlavour flavour,
                    JumbotCfg& cfg) {
  const bool scihunt = flavour == JumbotFlavour::kScihunt;
  JumbotCfg read = cfg;
  read.start_maps.clear();
  for (size_t i = 0; i < lines.size(); ++i) {
    const CfgPair pair = SplitCfgLine(lines[i]);
    const int line_no = static_cast<int>(i + 1);
    const std::string& key = pair.key;
    const std::string& value = pair.value;
    if (key == "map") {
      if (usable_map(value)) read.start_maps.push_back(value);
      continue;
    }
    if (key == "bweap_tripmine") {
      // Only read while the bots may use trip mines (its line comes later).
      read.bweap_tripmine = read.bot_tripmines ? CfgWholeNumber(value, path, line_no, key) : 0;
      continue;
    }
    if (key == "wp_edit") {
      if (scihunt) continue;  // Sci-hunt never reads edit mode back
      if (YesOrOne(value)) {
        TurnEditModeOn(read);
      } else {
        read.wp_edit = false;
      }
      continue;
    }
    const auto k = std::find_if(CfgKeys().begin(), CfgKeys().end(),
                                [&key](const CfgKey& c) { return c.key == key; });
    if (k == CfgKeys().end()) continue;  // chatfile for Jumbot, wp_vis, botmsec, echo, ...
    if (scihunt && (NotInScihunt(key) || key == "bot_crowbar")) continue;
    switch (k->kind) {
      case Kind::kFlag:
        read.*std::get<bool JumbotCfg::*>(k->field) = YesOrOne(value);
        break;
      case Kind::kNumber:
        read.*std::get<int JumbotCfg::*>(k->field) = CfgWholeNumber(value, path, line_no, key);
        break;
      case Kind::kText:
        if (scihunt) {
          // Sci-hunt's names stand after "botfiles\\".
          read.*std::get<std::string JumbotCfg::*>(k->field) =
              value.size() > kBotfiles.size() ? value.substr(kBotfiles.size()) : std::string();
        } else if (key == "botcfgfile") {
          read.botcfgfile = value;  // Jumbot's chat file name is always the reset one
        }
        break;
      case Kind::kThinkSpeed:
        read.bot_thinkspeed = value == "1" ? 10 : AfterZeroPoint(value, path, line_no, key);
        break;
      case Kind::kViewDelay:
        read.bot_viewdelay = AfterZeroPoint(value, path, line_no, key);
        break;
    }
  }
  cfg = std::move(read);
}

std::vector<std::string> JumbotRosterLines(const std::vector<BotEntry>& roster) {
  std::vector<std::string> lines = {
      "#JUMBOT MAIN BOT USERINFO FILE",
      "#",
      "#As many entries as you wish can be added by editing this file.",
      "#",
      "#Format is: \"<bot number> <bot name> <bot model> <bot shirt color> <bot pants color> "
      "<bot skill level (1-4)>\"",
      "#Note that the skill value is not required. If it isn't there, the bot will just use the "
      "skill values that",
      "#you set in-game.",
      "#"};
  for (size_t i = 0; i < roster.size(); ++i) {
    const BotEntry& e = roster[i];
    const std::string name = e.name.find(' ') != std::string::npos ? "\"" + e.name + "\"" : e.name;
    std::string line = "bot" + std::to_string(i + 1) + " " + name + " " + e.model + " " + e.param2 +
                       " " + e.param1;
    if (e.skill != "0") line += " " + e.skill;
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<BotEntry> ParseJumbotRoster(const std::vector<std::string>& lines,
                                        std::string_view path) {
  std::vector<BotEntry> roster;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.substr(0, 3) != "bot") continue;
    const int line_no = static_cast<int>(i + 1);
    std::string_view rest = line;
    UpToBlank(rest);  // "bot<n>"
    BotEntry e;
    if (!rest.empty() && rest.front() == '"') {
      const size_t close = rest.find('"', 1);
      e.name = std::string(rest.substr(1, close == std::string_view::npos ? close : close - 1));
      rest = close == std::string_view::npos || close + 2 > rest.size() ? std::string_view()
                                                                        : rest.substr(close + 2);
    } else {
      e.name = std::string(UpToBlank(rest));
    }
    e.model = std::string(UpToBlank(rest));
    e.param2 = std::string(UpToBlank(rest));
    if (rest.find(' ') == std::string_view::npos) {
      e.param1 = std::string(rest);
      e.skill = "0";
    } else {
      e.param1 = std::string(UpToBlank(rest));
      e.skill = TrimCopy(rest);
    }
    for (const auto& [what, text] :
         {std::pair{"the shirt colour", &e.param2}, std::pair{"the pants colour", &e.param1},
          std::pair{"the skill", &e.skill}}) {
      if (!text->empty()) CfgWholeNumber(*text, path, line_no, std::string(what) + " of " + e.name);
    }
    roster.push_back(std::move(e));
  }
  return roster;
}

std::vector<std::string> RebindWaypointKeys(const std::vector<std::string>& config_lines,
                                            const std::array<std::string, 4>& keys) {
  std::vector<std::string> lines;
  for (const std::string& line : config_lines) {
    const bool old_binding = Contains(line, "makewp\"") || Contains(line, "makewpj\"") ||
                             Contains(line, "remwp") || Contains(line, "writewpfile");
    if (!old_binding) lines.push_back(line);
  }
  for (size_t i = 0; i < keys.size(); ++i) {
    if (keys[i].empty()) continue;
    lines.push_back("bind \"" + KeyBindName(keys[i]) + "\" \"" + std::string(kWaypointCommands[i]) +
                    "\"");
  }
  return lines;
}

}  // namespace orvane
