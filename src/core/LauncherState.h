// The launcher-wide values: one object for the whole run, passed to what
// needs it (tests make their own).
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "platform/SteamLibrary.h"

namespace orvane {

// Where start-up found the game: the launcher's own setting, the Wine
// prefix's Valve key, Steam's libraries, or (no game anywhere) the dedicated
// server Steam or steamcmd installed.
enum class GameSource { kNone, kStored, kWinePrefix, kSteam, kDedicatedServer };

// Which build of Half-Life will run: the Windows one (through Wine, or
// Steam with Proton) or the native Linux one, which loads other libraries.
enum class GameBuild { kWindows, kLinux };

struct ModDirs {
  std::string dir;                 // HLPath\<ModDir>; empty while HLPath is
  std::vector<std::string> extra;  // the mod's further directories, as in the mod table
};

// The main window's bot combo box, as plain values.
struct BotChoice {
  std::vector<std::string> names;  // sorted
  int selected = -1;               // index into names, -1 = nothing selected
  std::string text;                // the combo box's text (typed or selected)
  std::string problem;             // what is wrong with the catalogue ("" when nothing)
  // Listed add-ons that cannot run here, each with why (catalogue order).
  std::vector<std::pair<std::string, std::string>> unusable;
};

struct LauncherState {
  std::string app_path;
  std::string hl_path;
  std::string hl_exe;
  std::string selected_mod;
  std::string close_krv;
  std::string auto_start;
  std::array<std::string, 10> first_markers;  // in mod-table order
  std::array<ModDirs, 10> mod_dirs;           // in mod-table order
  std::string valve_maps_dir;
  std::string valve_models_dir;

  // The two check items of the Options menu.
  bool close_krv_checked = false;
  bool auto_start_checked = false;

  // Where the launcher's data lives on this host, used as AppPath when the
  // registry store cannot be read at all.
  std::string host_data_dir;
  // Where Steam is looked for when neither the store nor the Wine prefix
  // names the game; left empty (no Steam) by tests that lay out none.
  SteamEnvironment steam_env;
  GameSource game_source = GameSource::kNone;

  BotChoice bot_choice;
  std::vector<std::string> bot_names;
  std::vector<std::string> map_list;
  std::vector<std::string> model_list;
};

}  // namespace orvane
