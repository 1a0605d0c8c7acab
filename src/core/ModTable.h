// The ten mods the launcher serves, as one table of facts that every other
// unit indexes by ModKey. Nothing here is repeated in code or tests.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace orvane {

enum class ButtonRule {
  kDirExists,        // ModDir exists
  kDirAndFirebot,    // ModDir and HLPath\firebot exist
  kDirAndUsableBot,  // ModDir exists and the bot catalogue yields a usable bot
};

struct ModInfo {
  std::string_view key;                      // ModKey
  std::string_view prefix;                   // ModPrefix
  std::string_view button;                   // object name of the mod button
  std::string_view hint;                     // button hint
  std::string_view caption;                  // selected-mod caption
  std::string_view dir;                      // ModDir, relative to HLPath
  std::string_view game_dir_name;            // the word after -game
  std::vector<std::string_view> extra_dirs;  // further directories, relative to HLPath
  ButtonRule rule;
  std::string_view default_first_map;
  std::string_view bot_caption;   // caption of the bot choice; empty: no choice in the main window
  std::string_view catalogue;     // bot catalogue file in AppPath; empty: none
  std::string_view editor;        // the editor window's class
  std::string_view map_comments;  // the map-comment file in AppPath
  std::string_view exit_caption;  // the editor's Exit button
};

// In the order the buttons are laid out: Action, Botman, CStrike, ...
const std::array<ModInfo, 10>& Mods();
const ModInfo* FindMod(std::string_view key);  // exact, case-sensitive
int ModIndex(std::string_view key);            // -1 when not in the table

}  // namespace orvane
