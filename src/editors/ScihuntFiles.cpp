#include "editors/ScihuntFiles.h"

#include <utility>
#include <variant>

#include "platform/FileError.h"
#include "platform/StringUtil.h"
#include "services/Converters.h"
#include "services/ServerFiles.h"

namespace orvane {
namespace {

constexpr std::string_view kArsenals = "arsenals/";

using GameField = std::variant<bool ScihuntGameCfg::*, int ScihuntGameCfg::*>;

// The sixteen lines of game.cfg between the mode and the fixed last one.
const std::vector<std::pair<std::string_view, GameField>>& GameKeys() {
  static const std::vector<std::pair<std::string_view, GameField>> kKeys = {
      {"sh_wallclimb", &ScihuntGameCfg::wallclimb},
      {"sh_allmonsfly", &ScihuntGameCfg::allmonsfly},
      {"sh_gibcount", &ScihuntGameCfg::gibcount},
      {"sh_insanity", &ScihuntGameCfg::insanity},
      {"mp_fraglimit", &ScihuntGameCfg::fraglimit},
      {"mp_timelimit", &ScihuntGameCfg::timelimit},
      {"mp_falldamage", &ScihuntGameCfg::fall_realistic},
      {"mp_friendlyfire", &ScihuntGameCfg::friendlyfire},
      {"mp_weaponstay", &ScihuntGameCfg::weaponstay},
      {"mp_forcerespawn", &ScihuntGameCfg::forcerespawn},
      {"mp_footsteps", &ScihuntGameCfg::footsteps},
      {"mp_flashlight", &ScihuntGameCfg::flashlight},
      {"mp_autocrosshair", &ScihuntGameCfg::autocrosshair},
  };
  return kKeys;
}

using ShField = std::variant<bool ShConfig::*, int ShConfig::*>;

// Shconfig.cfg's keys in the order written (sh_levelexec after the fixed
// sh_enablebots line).
const std::vector<std::pair<std::string_view, ShField>>& ShKeys() {
  static const std::vector<std::pair<std::string_view, ShField>> kKeys = {
      {"sh_mondmg9mm_sci", &ShConfig::mondmg9mm_sci},
      {"sh_crowbar", &ShConfig::crowbar},
      {"sh_scispeed", &ShConfig::scispeed},
      {"sh_forcemodel", &ShConfig::forcemodel},
      {"sh_allowteamchange", &ShConfig::allowteamchange},
      {"sh_restorehealth", &ShConfig::restorehealth},
      {"sh_resarsenal", &ShConfig::resarsenal},
      {"sh_scifly", &ShConfig::scifly},
      {"sh_deadsciphys", &ShConfig::deadsciphys},
      {"sh_announcescideath", &ShConfig::announcescideath},
      {"sh_announcescinum", &ShConfig::announcescinum},
      {"sh_respbreak", &ShConfig::respbreak},
      {"sh_bot_evil", &ShConfig::bot_evil},
      {"sh_glassbreak", &ShConfig::glassbreak},
      {"sh_bloodstream", &ShConfig::bloodstream},
      {"sh_bot_order", &ShConfig::bot_order},
      {"sh_scirand", &ShConfig::scirand},
      {"sh_scimax", &ShConfig::scimax},
      {"sh_goremultiply", &ShConfig::goremultiply},
      {"sh_levelexec", &ShConfig::levelexec},
  };
  return kKeys;
}

// The first 31 lines, padded with empty ones.
void AddSection(std::vector<std::string>& lines, const std::vector<std::string>& said) {
  for (size_t i = 0; i < kChatLines; ++i) lines.push_back(i < said.size() ? said[i] : "");
}

}  // namespace

std::vector<std::string> ScihuntGameCfgLines(const ScihuntGameCfg& cfg) {
  std::vector<std::string> lines = {
      FormatCfgLine("sh_realistic", std::to_string(cfg.realistic)),
      FormatCfgLine("sh_weapfileloc", std::string(kArsenals) + cfg.weapfileloc)};
  for (const auto& [key, field] : GameKeys()) {
    if (const auto* flag = std::get_if<bool ScihuntGameCfg::*>(&field)) {
      lines.push_back(FormatCfgLine(key, BoolToOneZero(cfg.**flag)));
    } else {
      // The numbers are the spin edits' texts as the game's reals.
      lines.push_back(
          FormatCfgLine(key, CfgReal(std::to_string(cfg.*std::get<int ScihuntGameCfg::*>(field)))));
    }
  }
  lines.push_back(FormatCfgLine("sv_sendvelocity", "0"));
  return lines;
}

void ParseScihuntGameCfg(const std::vector<std::string>& lines, std::string_view path,
                         ScihuntGameCfg& cfg) {
  ScihuntGameCfg read = cfg;
  for (size_t i = 0; i < lines.size(); ++i) {
    const CfgPair pair = SplitCfgLine(lines[i]);
    const int line_no = static_cast<int>(i + 1);
    if (pair.key == "sh_realistic") {
      // "4" as written, or "4.000000" as the server script holds it; -1 is no mode.
      const int mode =
          CfgWholeNumber(pair.value.substr(0, pair.value.find('.')), path, line_no, pair.key);
      if (mode < -1 || mode >= kScihuntModes) {
        throw FileError(
            std::string(path), line_no,
            "expected a game mode from 0 to 4 for sh_realistic, found \"" + pair.value + "\"");
      }
      read.realistic = mode;
    } else if (pair.key == "sh_weapfileloc") {
      if (pair.value.rfind(kArsenals, 0) != 0) continue;
      const std::string rest = pair.value.substr(kArsenals.size());
      read.weapfileloc = rest.substr(0, rest.find('"'));
    } else {
      for (const auto& [key, field] : GameKeys()) {
        if (pair.key != key) continue;
        if (const auto* flag = std::get_if<bool ScihuntGameCfg::*>(&field)) {
          read.** flag = key == "mp_falldamage" ? pair.value == "1" : YesOrOne(pair.value);
        } else {
          read.*std::get<int ScihuntGameCfg::*>(field) =
              CfgWholeNumber(CfgLimitText(pair.value, path, line_no, key), path, line_no, key);
        }
      }
    }
  }
  cfg = std::move(read);
}

std::vector<std::string> ShConfigLines(const ShConfig& cfg) {
  std::vector<std::string> lines = {"// This file was generated by Orvane",
                                    "// don't modify anything unless you know what you're doing !",
                                    " "};
  for (const auto& [key, field] : ShKeys()) {
    if (key == "sh_levelexec") lines.emplace_back("sh_enablebots 1");
    const std::string value = std::holds_alternative<bool ShConfig::*>(field)
                                  ? BoolToOneZero(cfg.*std::get<bool ShConfig::*>(field))
                                  : std::to_string(cfg.*std::get<int ShConfig::*>(field));
    lines.push_back(std::string(key) + " " + value);
  }
  lines.emplace_back("executed 1");
  lines.emplace_back("echo \"The scihunt.cfg file has been executed.\"");
  return lines;
}

void ParseShConfig(const std::vector<std::string>& lines, std::string_view path, ShConfig& cfg) {
  ShConfig read = cfg;
  for (size_t i = 0; i < lines.size(); ++i) {
    const CfgPair pair = SplitCfgLine(lines[i]);
    for (const auto& [key, field] : ShKeys()) {
      if (pair.key != key) continue;
      if (const auto* flag = std::get_if<bool ShConfig::*>(&field)) {
        read.** flag = YesOrOne(pair.value);
      } else {
        read.*std::get<int ShConfig::*>(field) =
            CfgWholeNumber(pair.value, path, static_cast<int>(i + 1), key);
      }
    }
  }
  cfg = std::move(read);
}

std::vector<ScrBlock> ScihuntScrBlocks(const ScihuntGameCfg& game, const ShConfig& sh) {
  const std::string none = "-1.000000";  // no upper bound
  return {
      NumberBlock("mp_fraglimit", "Frag Limit", none, std::to_string(game.fraglimit)),
      NumberBlock("mp_timelimit", "Time Limit (Min.)", none, std::to_string(game.timelimit)),
      ListBlock("sh_realistic", "Game Mode",
                {{"Standard Hunting", "0"},
                 {"Stealth Hunting", "1"},
                 {"Traditional Slaughter", "2"},
                 {"Live In Fear", "3"},
                 {"Madness", "4"}},
                game.realistic),
      ListBlock("mp_falldamage", "Falling Damage", {{"Normal", "0"}, {"Realistic", "1"}},
                game.fall_realistic ? 1 : 0),
      BoolBlock("sh_enablebots", "Enable Bots", true),
      BoolBlock("sh_bot_order", "Bot Ordering", sh.bot_order),
      BoolBlock("sh_bot_evil", "Bots Murder Creatively", sh.bot_evil),
      BoolBlock("lvlconfig", "Exec Level Configs", sh.levelexec),
      BoolBlock("sh_respbreak", "Respawn Breakables Each Round", sh.respbreak),
      BoolBlock("sh_glassbreak", "Scientists Break Glass", sh.glassbreak),
      BoolBlock("sh_allmonsfly", "All Monsters Use Scientist Physics", game.allmonsfly),
      BoolBlock("sh_teamdisplay", "Client Team Display", true),
      NumberBlock("sh_gibcount", "Maximum Gib Number (leave blank for no max)", none,
                  std::to_string(game.gibcount)),
      NumberBlock("sh_insanity", "Insanity Value (leave blank for no insanity)", none,
                  std::to_string(game.insanity)),
      BoolBlock("sh_scirand", "Force Random Scientist Appearance", sh.scirand),
      BoolBlock("sh_bloodstream", "Scientist Blood Bursts", sh.bloodstream),
      NumberBlock("sh_goremultiply", "Gore Multiplication Value", none,
                  std::to_string(sh.goremultiply)),
      BoolBlock("sh_wallclimb", "Wall Climbing", game.wallclimb),
      BoolBlock("mp_friendlyfire", "Friendly Fire", game.friendlyfire),
      BoolBlock("mp_weaponstay", "Weapons Stay", game.weaponstay),
      BoolBlock("mp_forcerespawn", "Force Respawn", game.forcerespawn),
      BoolBlock("mp_footsteps", "Footsteps", game.footsteps),
      BoolBlock("mp_autocrosshair", "Autocrosshair", game.autocrosshair),
      BoolBlock("sv_sendvelocity", "Low ping server physics", false),
  };
}

std::vector<std::string> ScihuntChatLines(const ScihuntChat& chat) {
  std::vector<std::string> lines = {
      "#Bot chat configuration file. % can be used anywhere to insert the killer/victim's name.",
      "#", "*Bot says these lines after killing."};
  AddSection(lines, chat.after_killing);
  lines.emplace_back("");
  lines.emplace_back("*Bot says these lines after being killed.");
  AddSection(lines, chat.after_dying);
  lines.emplace_back("");
  lines.emplace_back("*");
  return lines;
}

ScihuntChat ParseScihuntChat(const std::vector<std::string>& lines) {
  ScihuntChat chat;
  int section = 0;
  for (const std::string& line : lines) {
    if (!line.empty() && line.front() == '*') {
      ++section;
      continue;
    }
    // Comments, empty lines and lines that begin with a blank say nothing.
    if (line.empty() || line.front() == '#' || static_cast<unsigned char>(line.front()) <= ' ')
      continue;
    if (section == 1) chat.after_killing.push_back(line);
    if (section == 2) chat.after_dying.push_back(line);
  }
  return chat;
}

}  // namespace orvane
