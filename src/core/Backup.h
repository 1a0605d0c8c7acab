// The one-time backup: the first time start-up finds a mod's directory, the
// mod's own settings files are copied to ".bak" files beside them, once.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/LauncherState.h"
#include "platform/RegistryStore.h"

namespace orvane {

// Treats every mod whose directory exists and whose marker is not "N", then
// writes all ten markers. A failed copy is skipped; a store that cannot be
// read keeps its markers; an error while writing the store throws.
void FirstRunBackup(LauncherState& state, RegistryStore& registry);

// Putting a mod's original files back from its ".bak" copies.
struct RestoreFile {
  std::string file;    // the mod's file, as the backup table names it ("bots.ini")
  std::string target;  // its path
  std::string backup;  // the path of its ".bak" copy
};
struct RestorePlan {
  // In the order of the backup table, then the files a launch edits for the
  // bot add-on (liblist.gam, plugins.ini, the bots' command files).
  std::vector<RestoreFile> files;
  // game.cfg exists without a game.bak: it was seeded from Half-Life's own
  // at the first run, so there is no original to put back.
  bool game_cfg_seeded = false;
};
RestorePlan PlanRestore(const LauncherState& state, std::string_view mod_key);
// The installed mods (directory present) with at least one ".bak" copy, in mod-table order.
std::vector<std::string> ModsWithBackups(const LauncherState& state);
// Replaces every file of the plan by its ".bak" copy, all or nothing (throws
// FileError naming the file that could not be read or written). The copies stay.
void RestoreOriginalFiles(const RestorePlan& plan);

}  // namespace orvane
