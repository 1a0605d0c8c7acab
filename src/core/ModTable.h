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

// What a bot's Model field holds.
enum class ModelValue {
  kName,             // the player model's name
  kPosition,         // the model drop-down's position from 0 (Counter-Strike's team models)
  kPositionFromOne,  // its position from 1 (TFC's and Front Line Force's classes)
};

// What "Available Maps" makes of the launcher's map catalogue: nothing (the
// mod lists maps of its own), or every map, marked "*" when star_dir (below
// ModDir) holds <map><star_ext> and "+" when plus_dir ("": ModDir) holds
// <map><plus_ext>; no star_ext: no marks.
struct CatalogueMaps {
  bool offered = false;
  std::string_view star_dir = {};
  std::string_view star_ext = {};
  std::string_view plus_dir = {};
  std::string_view plus_ext = {};
};

// Where the mod's starting map is kept: in KRV.ini's "First Map" (the launch
// starts the server there), or in the mod's own files, which the document reads.
enum class StartingMap { kInLauncherSettings, kInModFiles };

// What a launch does for the mod before the game starts.
enum class LaunchWork {
  kNone,
  kRemoveMotd,         // a motd.txt that Orvane wrote goes
  kRemoveMotdAndMaps,  // the same, and the mod's maps folder (Botman's bots would load its maps)
  kBotFiles,           // the chosen bot's launch-time files
};

// Everything the launcher knows of a mod, as data: one row per mod. A new mod
// is a row here, its settings document and files (editors/ModRegistry) and
// its window (gui/EditorWindows); nothing else tests a mod's key.
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
  std::string_view map_comments;  // the map-comment file in AppPath
  std::string_view exit_caption;  // the editor's Exit button
  std::string_view window_name;   // the editor window's object name
  std::string_view page_control;  // the object name of its page control
  ModelValue model_value = ModelValue::kName;
  // The launcher's own pictures of the team models, a folder of its models
  // folder holding <team>_<model>.jpg; "": pictures by model name.
  std::string_view picture_dir = {};
  int models_dir = -1;  // index in extra_dirs of the mod's own player models; -1: valve's
  CatalogueMaps catalogue_maps = {};
  StartingMap starting_map = StartingMap::kInLauncherSettings;
  LaunchWork launch = LaunchWork::kNone;
};

// In the order the buttons are laid out: Action, Botman, CStrike, ...
const std::array<ModInfo, 10>& Mods();
const ModInfo* FindMod(std::string_view key);  // exact, case-sensitive
int ModIndex(std::string_view key);            // -1 when not in the table

}  // namespace orvane
