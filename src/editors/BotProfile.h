// The chosen bot add-on of Counter-Strike, TFC or Front Line Force, as its
// section of the mod's bot catalogue describes it: where its waypoint files
// are and what they are called, its skill scale, chat file, bot-menu command,
// the command that adds one bot, its command file and game library.
#pragma once

#include <string>
#include <string_view>

#include "services/EditorSettings.h"

namespace orvane {

struct BotProfile {
  std::string waypoint_dir = "maps";  // relative to ModDir
  std::string waypoint_ext;           // a map is offered only with this file
  std::string opt_waypoint_ext;       // a map with this file is marked "*"
  std::string map_config_ext;         // a map with this file is marked "+"
  std::string chat_file;              // relative to ModDir; "" for none
  std::string max_skill = "5";        // the top of the skill scale, as the skill keys name it
  bool skill0_worst = false;          // skill 0 is the worst rather than the best
  std::string bot_menu_command;
  std::string add_bot_template;
  std::string bot_file = "bot.cfg";
  std::string dll = "mp.dll";
  std::string size = "Largish";

  int MaxSkill() const;  // max_skill as a number (checked when read)
};

// The section of bot in catalogue_path. A maxskill that is not a whole
// number of at least 1 is a message naming the file and key, and the
// default stands.
BotProfile ReadBotProfile(const std::string& catalogue_path, const std::string& bot,
                          Messages& messages);
// The same from the catalogue's text (path names it in messages).
BotProfile ParseBotProfile(std::string_view text, const std::string& path, const std::string& bot,
                           Messages& messages);

// A bot command's template with each placeholder replaced at its first
// occurrence only; an absent placeholder is skipped.
std::string FillAddBotTemplate(std::string_view templ, std::string_view team,
                               std::string_view model, std::string_view name,
                               std::string_view skill);

}  // namespace orvane
