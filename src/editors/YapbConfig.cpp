#include "editors/YapbConfig.h"

#include "editors/BotsIni.h"
#include "platform/LineText.h"
#include "services/Converters.h"
#include "services/CvarFile.h"

namespace orvane {
namespace {

const CvarFileStyle& Style() {
  static const CvarFileStyle kStyle{
      "#/;", "// Orvane: the roster's bots, added once when the server starts",
      "// Orvane: end of the roster"};
  return kStyle;
}

// YaPB takes a bot's name as one word of the alias: no quote, no command separator.
std::string AliasWord(std::string text) {
  for (char& c : text) {
    if (c == '"' || c == ';' || c == ' ' || c == '\t') c = '_';
  }
  return text;
}

}  // namespace

std::string MergeYapbConfig(std::string_view before, const CsLaunchInput& in) {
  LineText text(before);
  // The roster first: a variable's line inside an old block of ours goes
  // with it, and the variables then land before the new one.
  std::vector<std::string> adds;
  RosterWords words;
  words.name = AliasWord;
  AddBotCommandLines(adds, in.ini, in.profile, words);
  std::vector<std::string> block;
  std::string all;
  for (size_t i = 0; i < adds.size(); ++i) {
    const std::string alias = "orvane_bot" + std::to_string(i + 1);
    block.push_back("alias " + alias + " \"" + adds[i] + "\"");
    all += (all.empty() ? "" : "; ") + alias;
  }
  if (!adds.empty()) {
    block.push_back("alias orvane_roster \"" + all + "\"");
    block.push_back("orvane_roster");
  }
  SetMarkedBlock(text, Style(), block);

  const auto flag = [&in](std::string_view key, std::string_view def) {
    return YesOrOne(in.ini.Text("Default", key, def)) ? "1" : "0";
  };
  // Only the roster's bots: each one added raises the quota by one.
  SetCvar(text, Style(), "yb_quota", "0");
  SetCvar(text, Style(), "yb_difficulty",
          in.ini.Text("Default", "skill" + in.profile.max_skill, "3"));
  SetCvar(text, Style(), "yb_jasonmode", flag("knifeonly", "0"));
  SetCvar(text, Style(), "yb_chat", flag("botchat", "1"));
  static const char* const kTeams[] = {"any", "t", "ct"};
  const int team = ParseProfileInt(in.ini.Text("Default", "jointeam", "0"), 0);
  SetCvar(text, Style(), "yb_join_team", kTeams[team >= 0 && team <= 2 ? team : 0]);
  const std::string menu_key = KeyBindName(in.ini.Text("Default", "botmenu", ""));
  if (!menu_key.empty()) SetCvar(text, Style(), "yb_bind_menu_key", menu_key);
  return text.Bytes();
}

}  // namespace orvane
