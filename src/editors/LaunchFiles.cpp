#include "editors/LaunchFiles.h"

#include <unordered_map>
#include <unordered_set>

#include "core/BotAddons.h"
#include "core/LauncherSettings.h"
#include "editors/BotsIni.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "services/ServerFiles.h"

namespace orvane {
namespace {

struct ModFiles {
  std::string dir;  // the mod directory
  BotProfile profile;
  std::string bots_ini_path;
  std::string bots_ini;  // its text, "" when missing
};

ModFiles ReadModFiles(const LauncherState& state, std::string_view mod_key,
                      std::string_view catalogue, std::string_view bots_ini,
                      const std::string& bot) {
  ModFiles files;
  files.dir = DirsOf(state, mod_key).dir;
  Messages ignored;  // a broken maxskill falls back to 5 here as in the window
  files.profile = ReadBotProfile(state.app_path + "\\" + std::string(catalogue), bot, ignored);
  files.bots_ini_path = state.app_path + "\\" + std::string(bots_ini);
  if (FileExists(files.bots_ini_path)) files.bots_ini = ReadFileBytes(files.bots_ini_path);
  return files;
}

// A map name of the cycle that names a file inside the maps directory.
bool PlainMapName(std::string_view map) {
  return !map.empty() && map.find_first_of("\\/:") == std::string_view::npos && map != "." &&
         map != "..";
}

void PutMapBotFiles(const LauncherState& state, const std::string& dir, FileBatch& batch) {
  std::vector<std::string> maps = {GetFirstMap(state, "TFC")};  // Abot's maps are TFC's
  const std::string cycle = dir + "\\mapcycle.txt";
  if (FileExists(cycle)) {
    for (const std::string& line : ReadLines(cycle)) maps.push_back(TrimCopy(line));
  }
  // A map's bot file is first read by its name as spelled; only when that
  // is missing are the maps' bot files listed, once, by lower-case name,
  // rather than searched without regard to case for each map.
  const std::string maps_dir = dir + "\\maps";
  std::optional<std::unordered_map<std::string, std::string>> bot_files;
  std::unordered_set<std::string> done;  // a map twice is already done the second time
  for (const std::string& map : maps) {
    if (!PlainMapName(map) || !done.insert(ToLowerAscii(map)).second) continue;
    std::string path = maps_dir + "\\" + map + ".bot";
    std::optional<std::vector<std::string>> existing;
    if (std::optional<std::string> bytes = ReadFileIfSpelled(path)) {
      existing = SplitLines(*bytes);
    } else {
      if (!bot_files) {
        bot_files.emplace();
        ForEachDirectoryEntry(maps_dir, "*.bot", [&](std::string_view name, unsigned attributes) {
          if ((attributes & kAttrDirectory) == 0) bot_files->emplace(ToLowerAscii(name), name);
        });
      }
      if (const auto found = bot_files->find(ToLowerAscii(map + ".bot"));
          found != bot_files->end()) {
        path = maps_dir + "\\" + found->second;
        existing = ReadLines(path);
      }
    }
    if (auto lines = MapBotFileLines(existing)) batch.PutLines(path, *lines);
  }
}

}  // namespace

void PutBotCommandFile(const LauncherState& state, FileBatch& batch, const std::string& path,
                       const std::vector<std::string>& lines) {
  PutEditedGameFile(state, batch, path, ReadFileIfExists(path), JoinCrLf(lines));
}

std::string LiblistLine(std::string_view key, std::string_view value) {
  return std::string(key) + " \"" + std::string(value) + "\"";
}

std::vector<std::string> TfcLiblistLines(const BotProfile& profile) {
  return {
      LiblistLine("game", "Team Fortress"),
      LiblistLine("url_info", "http://www.teamfortress.com"),
      LiblistLine("url_dl", ""),
      LiblistLine("version", "1.5"),
      LiblistLine("size", profile.size),
      LiblistLine("svonly", "0"),
      LiblistLine("cldll", "0") + " ",
      LiblistLine("type", "multiplayer_only"),
      LiblistLine("nomodels", "1"),
      LiblistLine("mpentity", "info_tfdetect"),
      LiblistLine("gamedll", profile.dll),
      LiblistLine("gamedll_linux", "dlls/tfc_i386.so"),
  };
}

std::vector<std::string> FrontlineLiblistLines(const BotProfile& profile) {
  return {
      "// Front Line Force",
      LiblistLine("version", "v1.1"),
      LiblistLine("game", "Front Line Force"),
      LiblistLine("url_info", "http://www.frontlineforce.com"),
      LiblistLine("url_dl", ""),
      LiblistLine("size", profile.size),
      LiblistLine("svonly", "0"),
      LiblistLine("cldll", "1"),
      LiblistLine("hlversion", "1104"),
      LiblistLine("type", "multiplayer_only"),
      LiblistLine("nomodels", "1"),
      LiblistLine("mpentity", "info_frontline"),
      LiblistLine("gamedll", profile.dll),
      LiblistLine("gamedll_linux", "dlls/front_i386.so"),
  };
}

std::vector<std::string> TfcBotFileLines(std::string_view bot, const BotProfile& profile,
                                         const ProfileIndex& ini, std::string_view bots_ini_path) {
  const std::string skill_key = "skill" + profile.max_skill;
  std::string skill = ini.Text("Default", skill_key, "0");
  if (bot == kAbot) {
    // Abot counts its skill from 0; a missing skill is the lowest.
    const std::optional<int> n = ParseDecimalInt(Trim(skill));
    if (!n) {
      throw FileError(std::string(bots_ini_path), 0,
                      "[Default] " + skill_key + ": expected a whole number, found \"" + skill +
                          "\"; open the TFC settings to choose the bots' skill again");
    }
    skill = std::to_string(std::max(*n - 1, 0));
  }
  std::vector<std::string> lines = BotFileHead(profile, "pause 2");
  if (bot == kHpbBot) lines.push_back("botdontshoot " + ini.Text("Default", "botdontshoot", "0"));
  lines.push_back("botskill " + skill);
  lines.emplace_back(" ");
  AddBotCommandLines(lines, ini, profile);
  return lines;
}

std::vector<std::string> FrontlineBotFileLines(std::string_view bot, const BotProfile& profile,
                                               const ProfileIndex& ini) {
  std::vector<std::string> lines = BotFileHead(profile, "pause 2");
  lines.push_back("botskill " + ini.Text("Default", "skill" + profile.max_skill, "0"));
  lines.emplace_back(" ");
  if (bot == kAgroBot) {
    lines.push_back("dodge_bullets " + ini.Text("Default", "dodge_bullets", "0"));
  } else if (bot == kHpbBot) {
    lines.push_back("botdontshoot " + ini.Text("Default", "botdontshoot", "0"));
  }
  AddBotCommandLines(lines, ini, profile);
  return lines;
}

std::optional<std::vector<std::string>> MapBotFileLines(
    const std::optional<std::vector<std::string>>& existing) {
  std::vector<std::string> kept;
  if (existing) {
    for (const std::string& line : *existing) {
      if (line.find("exec abot.cfg") != std::string::npos) return std::nullopt;
      if (line.find("addbot") == std::string::npos && line.find("pause") == std::string::npos &&
          line.find("botskill") == std::string::npos) {
        kept.push_back(line);
      }
    }
  }
  if (!kept.empty() && Trim(kept.back()).empty()) kept.pop_back();
  kept.emplace_back("exec abot.cfg");
  return kept;
}

void PutTfcLaunchFiles(const LauncherState& state, const std::string& bot, FileBatch& batch) {
  const ModFiles f = ReadModFiles(state, "TFC", "TFC.ini", "TF_Bots.ini", bot);
  PutBotLoader(state, "TFC", bot, TfcLiblistLines(f.profile), batch);
  NeutraliseServerConfigs(batch, f.dir, ListenServerNames("TFC"));
  const ProfileIndex ini(f.bots_ini);  // one reading for the roster's thousands of keys
  PutBotCommandFile(state, batch, f.dir + "\\" + f.profile.bot_file,
                    TfcBotFileLines(bot, f.profile, ini, f.bots_ini_path));
  if (ini.Text("Default", "addmap", "") == "1") PutMapBotFiles(state, f.dir, batch);
}

void PutFrontlineLaunchFiles(const LauncherState& state, const std::string& bot, FileBatch& batch) {
  const ModFiles f = ReadModFiles(state, "Frontline", "FLF.ini", "FL_Bots.ini", bot);
  PutBotLoader(state, "Frontline", bot, FrontlineLiblistLines(f.profile), batch);
  NeutraliseServerConfigs(batch, f.dir, ListenServerNames("Frontline"));
  PutBotCommandFile(state, batch, f.dir + "\\" + f.profile.bot_file,
                    FrontlineBotFileLines(bot, f.profile, ProfileIndex(f.bots_ini)));
}

void WriteTfcLaunchFiles(const LauncherState& state, const std::string& bot) {
  FileBatch batch;
  PutTfcLaunchFiles(state, bot, batch);
  batch.Commit();
}

void WriteFrontlineLaunchFiles(const LauncherState& state, const std::string& bot) {
  FileBatch batch;
  PutFrontlineLaunchFiles(state, bot, batch);
  batch.Commit();
}

}  // namespace orvane
