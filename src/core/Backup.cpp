#include "core/Backup.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/BotAddons.h"
#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

namespace orvane {
namespace {

struct BackupRow {
  std::string_view mod;
  std::string_view from;  // relative to the mod's directory
  std::string_view to;
  std::string_view seed;  // relative to HLPath; copied to `from` when `from` is missing
};

// The order of the rows is the order of the copies.
constexpr std::array kBackupRows = {
    BackupRow{"Action", "game.cfg", "game.bak", "valve\\game.cfg"},
    BackupRow{"Action", "bots.ini", "bots.bak", ""},
    BackupRow{"Action", "teams.ini", "teams.bak", ""},
    BackupRow{"Action", "settings.scr", "settings.bak", ""},
    BackupRow{"Action", "user.scr", "user.bak", ""},
    BackupRow{"Botman", "game.cfg", "game.bak", "valve\\game.cfg"},
    BackupRow{"Botman", "bot.cfg", "bot.bak", ""},
    BackupRow{"CStrike", "game.cfg", "game.bak", ""},
    BackupRow{"CStrike", "settings.scr", "settings.bak", ""},
    BackupRow{"Firebot", "game.cfg", "game.bak", "valve\\game.cfg"},
    BackupRow{"Firebot", "settings.scr", "settings.bak", ""},
    BackupRow{"Frontline", "game.cfg", "game.bak", ""},
    BackupRow{"Frontline", "settings.scr", "settings.bak", ""},
    BackupRow{"Jumbot", "game.cfg", "game.bak", "valve\\game.cfg"},
    BackupRow{"Jumbot", "jumbot.cfg", "jumbot.bak", ""},
    BackupRow{"Jumbot", "bots.cfg", "bots.bak", ""},
    BackupRow{"Jumbot", "botchat.cfg", "botchat.bak", ""},
    BackupRow{"Phineas", "game.cfg", "game.bak", "valve\\game.cfg"},
    BackupRow{"Phineas", "config.cfg", "config.bak", "valve\\config.cfg"},
    BackupRow{"Phineas", "execbot.cfg", "execbot.bak", ""},
    BackupRow{"Phineas", "bots.ini", "bots.bak", ""},
    BackupRow{"Rocket", "game.cfg", "game.bak", "valve\\game.cfg"},
    BackupRow{"Rocket", "botdata.txt", "botdata.bak", ""},
    BackupRow{"Rocket", "settings.scr", "settings.bak", ""},
    BackupRow{"Scihunt", "game.cfg", "game.bak", "valve\\game.cfg"},
    BackupRow{"Scihunt", "shconfig.cfg", "shconfig.bak", ""},
    BackupRow{"Scihunt", "botfiles\\jumbot.cfg", "botfiles\\jumbot.bak", ""},
    BackupRow{"Scihunt", "botfiles\\bots.cfg", "botfiles\\bots.bak", ""},
    BackupRow{"Scihunt", "botfiles\\botchat.cfg", "botfiles\\botchat.bak", ""},
    BackupRow{"Scihunt", "botfiles\\settings.scr", "botfiles\\settings.bak", ""},
    BackupRow{"TFC", "game.cfg", "game.bak", ""},
    BackupRow{"TFC", "settings.scr", "settings.bak", ""},
};

void BackUpMod(const LauncherState& state, std::string_view mod_key) {
  const std::string& dir = DirsOf(state, mod_key).dir;
  for (const BackupRow& row : kBackupRows) {
    if (row.mod != mod_key) continue;
    const std::string from = dir + "\\" + std::string(row.from);
    if (FileExists(from)) {
      CopyFileNoOverwrite(from, dir + "\\" + std::string(row.to));
    } else if (!row.seed.empty()) {
      CopyFileNoOverwrite(state.hl_path + "\\" + std::string(row.seed), from);
    }
  }
}

}  // namespace

void FirstRunBackup(LauncherState& state, RegistryStore& registry) {
  const auto& mods = Mods();
  for (size_t i = 0; i < mods.size(); ++i) {
    const std::string& dir = state.mod_dirs[i].dir;
    if (dir.empty() || !DirectoryExists(dir) || state.first_markers[i] == "N") continue;
    BackUpMod(state, mods[i].key);
    state.first_markers[i] = "N";
  }
  std::vector<std::pair<std::string, std::string>> markers;
  for (size_t i = 0; i < mods.size(); ++i) {
    markers.emplace_back(std::string(mods[i].prefix) + "_First", state.first_markers[i]);
  }
  // A store that cannot be read refuses writes; the settings step has
  // already told the player about it, so the markers simply wait.
  registry.WriteStrings(kLauncherKey, markers);
}

RestorePlan PlanRestore(const LauncherState& state, std::string_view mod_key) {
  RestorePlan plan;
  const std::string& dir = DirsOf(state, mod_key).dir;
  if (dir.empty()) return plan;
  for (const BackupRow& row : kBackupRows) {
    if (row.mod != mod_key) continue;
    const std::string target = dir + "\\" + std::string(row.from);
    const std::string backup = dir + "\\" + std::string(row.to);
    if (FileExists(backup)) {
      plan.files.push_back({std::string(row.from), target, backup});
    } else if (row.from == "game.cfg" && !row.seed.empty() && FileExists(target)) {
      plan.game_cfg_seeded = true;
    }
  }
  // The copies a launch kept of the files it edits for the bot add-on.
  for (const auto& [file, copy] : LaunchEditedFiles(state, mod_key)) {
    const std::string backup = dir + "\\" + copy;
    if (FileExists(backup)) plan.files.push_back({file, dir + "\\" + file, backup});
  }
  return plan;
}

std::vector<std::string> ModsWithBackups(const LauncherState& state) {
  std::vector<std::string> mods;
  for (const ModInfo& mod : Mods()) {
    const std::string& dir = DirsOf(state, mod.key).dir;
    if (dir.empty() || !DirectoryExists(dir)) continue;
    if (!PlanRestore(state, mod.key).files.empty()) mods.emplace_back(mod.key);
  }
  return mods;
}

void RestoreOriginalFiles(const RestorePlan& plan) {
  FileBatch batch;
  for (const RestoreFile& file : plan.files) batch.Put(file.target, ReadFileBytes(file.backup));
  batch.Commit();
}

}  // namespace orvane
