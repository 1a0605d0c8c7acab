#include "editors/JumbotFiles.h"

#include <algorithm>
#include <variant>

#include "platform/FileError.h"
#include "platform/StringUtil.h"
#include "services/CfgKeyTable.h"
#include "services/Converters.h"
#include "services/ServerFiles.h"

namespace orvane {
namespace {

using J = JumbotCfg;

// bot_thinkspeed and bot_viewdelay hold "0." and the number.
int AfterZeroPoint(const CfgPair& line, std::string_view path, int line_no) {
  if (line.value.size() < 3) {
    throw FileError(
        std::string(path), line_no,
        "expected 0. and a whole number for " + line.key + ", found \"" + line.value + "\"");
  }
  return CfgWholeNumber(std::string_view(line.value).substr(2), path, line_no, line.key);
}

CfgRule<J> ThinkSpeedRule() {
  return {[](const J& cfg) -> std::optional<std::string> {
            return cfg.bot_thinkspeed < 10 ? "0." + std::to_string(cfg.bot_thinkspeed) : "1";
          },
          [](J& cfg, const CfgPair& line, std::string_view path, int line_no) {
            cfg.bot_thinkspeed = line.value == "1" ? 10 : AfterZeroPoint(line, path, line_no);
          }};
}

CfgRule<J> ViewDelayRule() {
  return {[](const J& cfg) -> std::optional<std::string> {
            return "0." + std::to_string(cfg.bot_viewdelay);
          },
          [](J& cfg, const CfgPair& line, std::string_view path, int line_no) {
            cfg.bot_viewdelay = AfterZeroPoint(line, path, line_no);
          }};
}

// A trip-mine preference only where the bots may use trip mines (its line
// comes after bot_tripmines', so that is read first).
CfgRule<J> TripmineRule() {
  return {[](const J& cfg) -> std::optional<std::string> {
            return cfg.bot_tripmines ? std::to_string(cfg.bweap_tripmine) : "-10";
          },
          [](J& cfg, const CfgPair& line, std::string_view path, int line_no) {
            cfg.bweap_tripmine =
                cfg.bot_tripmines ? CfgWholeNumber(line.value, path, line_no, line.key) : 0;
          }};
}

// Edit mode's two lines, present only while it is on; Sci-hunt never reads it back.
CfgRule<J> EditModeRule(bool read) {
  const auto write = [](const J& cfg) -> std::optional<std::string> {
    if (!cfg.wp_edit) return std::nullopt;
    return "1";
  };
  if (!read) return {write, nullptr};
  return {write, [](J& cfg, const CfgPair& line, std::string_view, int) {
            if (YesOrOne(line.value)) {
              TurnEditModeOn(cfg);
            } else {
              cfg.wp_edit = false;
            }
          }};
}

// Sci-hunt's file names its files inside botfiles, quoted.
constexpr std::string_view kBotfiles = "botfiles\\";
template <std::string J::*Field>
CfgRule<J> BotfilesRule() {
  return {[](const J& cfg) -> std::optional<std::string> {
            return "\"" + std::string(kBotfiles) + cfg.*Field + "\"";
          },
          [](J& cfg, const CfgPair& line, std::string_view, int) {
            cfg.*Field =
                line.value.size() > kBotfiles.size() ? line.value.substr(kBotfiles.size()) : "";
          }};
}

// The lines after "map", in the order they are written. Sci-hunt's file
// leaves ten keys out, names its files inside botfiles and never lets its
// bots keep the crowbar; Jumbot's chat file name is always the reset one.
std::vector<CfgKey<J>> MakeCfgKeys(JumbotFlavour flavour) {
  const bool scihunt = flavour == JumbotFlavour::kScihunt;
  using Field = decltype(CfgKey<J>::field);
  const CfgRule<J> written_only = {
      [](const J& cfg) -> std::optional<std::string> { return cfg.chatfile; }, nullptr};
  std::vector<CfgKey<J>> keys = {
      {"bot_random", &J::bot_random},
      {"bot_num", &J::bot_num},
      {"bot_weaprun", &J::bot_weaprun},
      {"bot_skill", &J::bot_skill},
      {"botcfgfile", scihunt ? Field(BotfilesRule<&J::botcfgfile>()) : Field(&J::botcfgfile)},
      {"chatfile", scihunt ? BotfilesRule<&J::chatfile>() : written_only},
      {"botchat", &J::botchat},
      {"bot_ordering", &J::bot_ordering},
      {"chatfreq_killed", &J::chatfreq_killed},
      {"chatfreq_died", &J::chatfreq_died},
      {"bot_distance", &J::bot_distance},
      {"bot_checkdistance", &J::bot_checkdistance},
      {"bot_tripmines", &J::bot_tripmines},
      {"bot_longjump", &J::bot_longjump},
      {"bot_gauss", &J::bot_gauss},
      {"bot_turret", &J::bot_turret},
      {"bot_rpgaimlow", &J::bot_rpgaimlow},
      {"bot_runaway", &J::bot_runaway},
      {"bot_hunt", &J::bot_hunt},
      {"bothearing", &J::bothearing},
      {"botpain", &J::botpain},
      {"botusefov", &J::botusefov},
      {"botfov", &J::botfov},
      {"botaccuracy", &J::botaccuracy},
      {"bot_run_worse", &J::bot_run_worse},
      {"botspeed", &J::botspeed},
      {"bot_crowbar", scihunt ? Field("0") : Field(&J::bot_crowbar)},
      {"speedup", &J::speedup},
      {"spawndelay", &J::spawndelay},
      {"bot_squads", &J::bot_squads},
      {"bot_snipers", &J::bot_snipers},
      {"bot_campers", &J::bot_campers},
      {"bot_objavoid", &J::bot_objavoid},
      {"bot_funcsmash", &J::bot_funcsmash},
      {"bot_leadsys", &J::bot_leadsys},
      {"bot_ackteam", &J::bot_ackteam},
      {"bot_realgame", &J::bot_realgame},
      {"bot_thinkspeed", ThinkSpeedRule()},
      {"bot_angleupdate", &J::bot_angleupdate},
      {"bot_viewdelay", ViewDelayRule()},
      {"bot_yawspeed", &J::bot_yawspeed},
      {"waypoints", &J::waypoints},
      {"nav_autogen", &J::nav_autogen},
      {"wp_autoplace", &J::wp_autoplace},
      {"wp_jumpplace", &J::wp_jumpplace},
      {"bot_wppref", &J::bot_wppref},
      {"bot_advp", &J::bot_advp},
      {"bweap_crowbar", &J::bweap_crowbar},
      {"bweap_glock", &J::bweap_glock},
      {"bweap_python", &J::bweap_python},
      {"bweap_mp5", &J::bweap_mp5},
      {"bweap_shotgun", &J::bweap_shotgun},
      {"bweap_crossbow", &J::bweap_crossbow},
      {"bweap_rpg", &J::bweap_rpg},
      {"bweap_gauss", &J::bweap_gauss},
      {"bweap_egon", &J::bweap_egon},
      {"bweap_hornet", &J::bweap_hornet},
      {"bweap_grenade", &J::bweap_grenade},
      {"bweap_snark", &J::bweap_snark},
      {"bweap_satchel", &J::bweap_satchel},
      {"bweap_tripmine", TripmineRule()},
      {"wp_edit", EditModeRule(!scihunt)},
      {"wp_vis", EditModeRule(false)},
      {"botmsec", "0"},
      {"msecdiv", "800"},
      {"msec_min", "10"},
      {"msec_max", "75"},
      {"bot_keepsettings", "1"},
      {"nostartexec", "1"},
      {"echo", "\"The jumbot.cfg file has been executed.\""},
  };
  if (scihunt) {
    constexpr std::array<std::string_view, 10> kNotInScihunt = {
        "bot_ordering", "bot_longjump",  "bot_squads",  "bot_snipers", "bot_campers",
        "bot_objavoid", "bot_funcsmash", "bot_leadsys", "bot_ackteam", "bot_realgame"};
    std::erase_if(keys, [&kNotInScihunt](const CfgKey<J>& k) {
      return std::find(kNotInScihunt.begin(), kNotInScihunt.end(), k.key) != kNotInScihunt.end();
    });
  }
  return keys;
}

// The text up to the next blank; `rest` continues after it (empty at the end).
std::string_view UpToBlank(std::string_view& rest) {
  const size_t blank = rest.find(' ');
  const std::string_view part = rest.substr(0, blank);
  rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  return part;
}

const std::vector<CfgKey<J>>& CfgKeys(JumbotFlavour flavour) {
  static const std::vector<CfgKey<J>> kJumbot = MakeCfgKeys(JumbotFlavour::kJumbot);
  static const std::vector<CfgKey<J>> kScihunt = MakeCfgKeys(JumbotFlavour::kScihunt);
  return flavour == JumbotFlavour::kScihunt ? kScihunt : kJumbot;
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
  std::vector<std::string> lines = {"// This file was generated by Orvane",
                                    "// don't modify anything unless you know what you're doing !",
                                    " ", CfgLine(kSpacedCfg, "map", start_map)};
  for (std::string& line : CfgKeyLines(CfgKeys(flavour), cfg, kSpacedCfg))
    lines.push_back(std::move(line));
  return lines;
}

void ParseJumbotCfg(const std::vector<std::string>& lines, std::string_view path,
                    const std::function<bool(std::string_view)>& usable_map, JumbotFlavour flavour,
                    JumbotCfg& cfg) {
  JumbotCfg read = cfg;
  read.start_maps.clear();
  for (size_t i = 0; i < lines.size(); ++i) {
    const CfgPair pair = SplitCfgLine(lines[i]);
    if (pair.key == "map") {
      if (usable_map(pair.value)) read.start_maps.push_back(pair.value);
      continue;
    }
    ReadCfgKey(CfgKeys(flavour), pair, path, static_cast<int>(i + 1), read);
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
  // Mostly one bot a line: the records are large, so grown once.
  roster.reserve(std::min(lines.size(), static_cast<size_t>(kMaxRosterBots)));
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
