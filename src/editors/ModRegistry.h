// What each mod brings beyond the facts of the mod table: how to make its
// settings document (the one the window shows and orvanectl config drives)
// and, for a mod whose bot is chosen in the main window, its launch-time
// files. One row per mod of the mod table; the windows have a table of
// their own (gui/EditorWindows).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/LauncherState.h"
#include "services/EditorSettings.h"

namespace orvane {

struct ModRegistration {
  std::string_view key;
  // The document for the mod (and, for a mod of bots, that bot).
  std::unique_ptr<EditorSettings> (*make_settings)(LauncherState& state, const std::string& bot);
  // The launch-time files for the chosen bot, all or nothing; null: none.
  void (*write_launch_files)(const LauncherState& state, const std::string& bot);
};

const std::vector<ModRegistration>& ModRegistrations();
const ModRegistration* FindRegistration(std::string_view mod_key);

// nullptr for a key that is no mod. bot: the bot the document is made for,
// for a mod whose bot is chosen in the main window ("" for the others).
std::unique_ptr<EditorSettings> MakeSettings(LauncherState& state, std::string_view mod_key,
                                             const std::string& bot = "");
// What a launch asks of the mod: nothing when it has no launch-time files.
void WriteLaunchFiles(const LauncherState& state, std::string_view mod_key, const std::string& bot);

}  // namespace orvane
