#include "editors/PodbotMmConfig.h"

#include "editors/BotsIni.h"
#include "platform/LineText.h"
#include "platform/ProfileFile.h"
#include "platform/StringUtil.h"
#include "services/Converters.h"
#include "services/CvarFile.h"

namespace orvane {
namespace {

const CvarFileStyle& Style() {
  static const CvarFileStyle kStyle{"#",
                                    "# Orvane: the roster's bots, added when the server starts",
                                    "# Orvane: end of the roster"};
  return kStyle;
}

// Our "any" (0, or anything but 1 and 2) is POD-Bot's 5.
std::string TeamOrAuto(std::string team) { return team == "1" || team == "2" ? team : "5"; }
std::string ModelOrRandom(std::string model) {
  const std::optional<int> n = ParseDecimalInt(model);
  return n && *n >= 1 && *n <= 4 ? model : "5";
}
std::string OneWord(std::string name) {
  for (char& c : name) {
    if (c == ' ' || c == '\t') c = '_';
  }
  return name;
}

}  // namespace

std::string MergePodbotMmConfig(std::string_view before, const CsLaunchInput& in) {
  LineText text(before);
  // The roster first: a variable's line inside an old block of ours goes
  // with it, and the variables then land before the new one.
  std::vector<std::string> block;
  const std::string menu_key = KeyBindName(in.ini.Text("Default", "botmenu", ""));
  if (!menu_key.empty() && !in.profile.bot_menu_command.empty()) {
    block.push_back("bind \"" + menu_key + "\" \"" + in.profile.bot_menu_command + "\"");
  }
  RosterWords words;
  words.team = TeamOrAuto;
  words.model = ModelOrRandom;
  words.name = OneWord;
  AddBotCommandLines(block, in.ini, in.profile, words);
  SetMarkedBlock(text, Style(), block);

  const auto flag = [&in](std::string_view key, std::string_view def) {
    return YesOrOne(in.ini.Text("Default", key, def)) ? "1" : "0";
  };
  const std::string skill = in.ini.Text("Default", "skill" + in.profile.max_skill, "0");
  SetCvar(text, Style(), "pb_minbotskill", skill);
  // The top of the random range stays the player's unless it is below the bottom.
  const std::optional<int> max_skill = ParseDecimalInt(
      std::string(Trim(StripProfileQuotes(CvarValue(text, Style(), "pb_maxbotskill")))));
  const std::optional<int> min_skill = ParseDecimalInt(skill);
  if (min_skill && max_skill && *max_skill < *min_skill) {
    SetCvar(text, Style(), "pb_maxbotskill", skill);
  }
  SetCvar(text, Style(), "pb_jasonmode", flag("knifeonly", "0"));
  SetCvar(text, Style(), "pb_chat", flag("botchat", "1"));
  SetCvar(text, Style(), "pb_detailnames", flag("detailnames", "0"));
  static const char* const kTeams[] = {"ANY", "T", "CT"};
  const int team = ParseProfileInt(in.ini.Text("Default", "jointeam", "0"), 0);
  SetCvar(text, Style(), "pb_bot_join_team", kTeams[team >= 0 && team <= 2 ? team : 0]);
  const std::string folder = in.ini.Text("Default", "pb_wptfolder", "");
  if (!folder.empty() && in.dir_exists("addons\\podbot\\" + folder)) {
    SetCvar(text, Style(), "pb_wptfolder", folder);
  }
  return text.Bytes();
}

}  // namespace orvane
