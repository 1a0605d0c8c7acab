// The Counter-Strike bot add-ons Orvane knows, one row each, looked up by
// the name the catalogue lists them under: which options of the window the
// add-on understands, its own pages and folders, and what a launch writes
// for it (the lines of its command file, or its own settings file merged).
// Adding an add-on is its catalogue section, a row here and, where its
// command words or settings file are its own, a small unit beside this one
// (YapbConfig, PodbotMmConfig). A name no row knows gets the common options
// and the common command file.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editors/BotProfile.h"
#include "platform/ProfileFile.h"

namespace orvane {

// What a launch knows when it writes the add-on's files.
struct CsLaunchInput {
  const BotProfile& profile;
  const ProfileIndex& ini;  // CS_Bots.ini ("" when missing)
  // Whether a directory, relative to the cstrike directory, exists.
  const std::function<bool(std::string_view)>& dir_exists;
};

struct CsBotAddOn {
  std::string_view name;
  // The bot options of the window (CS_Bots.ini's [Default]) it understands.
  std::vector<std::string_view> options = {};
  bool ai_page = false;  // PlBot's navigation parameters
  // P.O.D.Bot's skill table: the directory of its botskill.cfg ("" for none).
  std::string_view skill_table_dir = {};
  // A waypoint folder of the player's choice: its CS_Bots.ini key ("" for
  // none), its default, and the directory it is chosen inside ("" cstrike).
  std::string_view folder_key = {};
  std::string_view folder_default = {};
  std::string_view folder_base = {};
  bool max_skill_caption = false;  // the default skill is the top of a range ("Max Skill")
  bool percent_s_chat = false;     // its chat lines insert the player's name with %s
  bool skill_line = true;          // the command file sets "botskill"
  bool android_game_cfg = false;   // its bots are game.cfg lines
  // Its own lines of the command file, after the common head.
  void (*own_lines)(std::vector<std::string>& lines, const CsLaunchInput& in) = nullptr;
  // An add-on whose settings file is its own: the file's text with Orvane's
  // settings and roster merged in, every other line kept. Set, the command
  // file is not written whole.
  std::string (*merge_settings)(std::string_view before, const CsLaunchInput& in) = nullptr;

  bool Understands(std::string_view control) const;
};

const CsBotAddOn& CsBotAddOnNamed(std::string_view name);

}  // namespace orvane
