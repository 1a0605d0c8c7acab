#include "editors/BotProfile.h"

#include <algorithm>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/ProfileFile.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"

namespace orvane {

int BotProfile::MaxSkill() const { return ParseDecimalInt(max_skill).value_or(5); }

BotProfile ReadBotProfile(const std::string& catalogue_path, const std::string& bot,
                          Messages& messages) {
  // One read of the catalogue for all its keys; a missing one gives the defaults.
  const std::string text = FileExists(catalogue_path) ? ReadFileBytes(catalogue_path) : "";
  return ParseBotProfile(text, catalogue_path, bot, messages);
}

BotProfile ParseBotProfile(std::string_view text, const std::string& catalogue_path,
                           const std::string& bot, Messages& messages) {
  BotProfile p;
  const auto get = [&](const char* key, const std::string& def) {
    const std::optional<std::string_view> value = FindProfileValue(text, bot, key);
    return std::string(value ? StripProfileQuotes(*value) : std::string_view(def));
  };
  p.waypoint_dir = get("waypath", p.waypoint_dir);
  p.waypoint_ext = get("waypt", "");
  p.opt_waypoint_ext = get("optwaypt", "");
  p.map_config_ext = get("config", "");
  p.chat_file = get("chatfile", "");
  p.skill0_worst = get("skill0", "better") == "worst";
  p.bot_menu_command = get("botmenucmd", "");
  p.add_bot_template = get("addbot", "");
  p.bot_file = get("botfile", p.bot_file);
  p.dll = get("dll", p.dll);
  p.size = get("size", p.size);
  const std::string max_skill = get("maxskill", p.max_skill);
  const std::optional<int> n = ParseDecimalInt(max_skill);
  if (n && *n >= 1) {
    p.max_skill = std::to_string(*n);
  } else {
    messages.push_back({"Can't read the file " + ShownPath(catalogue_path) + ".",
                        "[" + bot + "] maxskill: expected a whole number of 1 or more, found \"" +
                            max_skill + "\"; the skill scale is 0 to 5."});
  }
  return p;
}

std::string FillAddBotTemplate(std::string_view templ, std::string_view team,
                               std::string_view model, std::string_view name,
                               std::string_view skill) {
  // Positions are found in the template itself, so a name that looks like
  // a placeholder ("<skill>") is written as it is.
  struct Hole {
    size_t at;
    size_t length;
    std::string_view value;
  };
  std::vector<Hole> holes;
  for (const auto& [holder, value] :
       {std::pair{std::string_view("<team>"), team}, std::pair{std::string_view("<model>"), model},
        std::pair{std::string_view("<name>"), name},
        std::pair{std::string_view("<skill>"), skill}}) {
    const size_t at = templ.find(holder);
    if (at != std::string_view::npos) holes.push_back({at, holder.size(), value});
  }
  std::sort(holes.begin(), holes.end(), [](const Hole& a, const Hole& b) { return a.at < b.at; });
  std::string line;
  size_t from = 0;
  for (const Hole& hole : holes) {
    line += templ.substr(from, hole.at - from);
    line += hole.value;
    from = hole.at + hole.length;
  }
  line += templ.substr(from);
  return line;
}

}  // namespace orvane
