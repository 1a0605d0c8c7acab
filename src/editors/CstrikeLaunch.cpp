#include "editors/CstrikeLaunch.h"

#include <algorithm>
#include <optional>

#include "core/BotAddons.h"
#include "core/LauncherSettings.h"
#include "editors/CsBotAddOns.h"
#include "editors/CstrikeFiles.h"
#include "editors/LaunchFiles.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"
#include "platform/TextFile.h"
#include "services/Converters.h"
#include "services/ServerFiles.h"

namespace orvane {

std::vector<std::string> CsLiblistLines(std::string_view version, const BotProfile& profile) {
  const bool cs10 = version == "1";
  std::vector<std::string> lines = {
      LiblistLine("game", "Counterstrike"),
      LiblistLine("url_info", "http://www.counter-strike.net"),
      LiblistLine("url_dl", ""),
      LiblistLine("version", cs10 ? "1.0" : "Beta 7.1"),
      LiblistLine("size", profile.size),
      LiblistLine("svonly", "0"),
      LiblistLine("cldll", "1") + " ",
      LiblistLine("hlversion", cs10 ? "1104" : "1100"),
      LiblistLine("type", "multiplayer_only"),
      LiblistLine("nomodels", "1"),
      LiblistLine("mpentity", "info_player_start"),
      LiblistLine("gamedll", profile.dll),
      LiblistLine("gamedll_linux", "dlls/cs_i386.so"),
  };
  if (cs10) lines.push_back(LiblistLine("trainmap", "tr_1"));
  return lines;
}

std::vector<std::string> CsBotFileLines(std::string_view bot, const BotProfile& profile,
                                        const ProfileIndex& ini,
                                        const std::function<bool(std::string_view)>& dir_exists) {
  const CsBotAddOn& add_on = CsBotAddOnNamed(bot);
  const CsLaunchInput in{profile, ini, dir_exists};
  const std::string menu_key = KeyBindName(ini.Text("Default", "botmenu", ""));
  std::vector<std::string> lines = BotFileHead(profile, "pause 3");
  if (add_on.skill_line) {
    lines.push_back("botskill " + ini.Text("Default", "skill" + profile.max_skill, "0"));
  }
  if (!profile.bot_menu_command.empty() && !menu_key.empty())
    lines.push_back("bind \"" + menu_key + "\" \"" + profile.bot_menu_command + "\"");
  if (add_on.own_lines) add_on.own_lines(lines, in);
  lines.emplace_back(" ");
  AddBotCommandLines(lines, ini, profile);
  return lines;
}

std::vector<std::string> AndroidGameCfgLines(const std::vector<std::string>& game_cfg, bool android,
                                             const ProfileIndex& ini) {
  std::vector<std::string> lines;
  for (const std::string& line : game_cfg) {
    if (line.find("sv_startbots") == std::string::npos && line.find("sv_bot") == std::string::npos)
      lines.push_back(line);
  }
  if (!android) return lines;
  const int count = std::min(ParseProfileInt(ini.Text("Default", "numbot", ""), 0), kMaxRosterBots);
  lines.push_back("sv_startbots " + std::to_string(count));
  for (int i = 1; i <= count; ++i) {
    const std::string section = "Bot " + std::to_string(i);
    // Android's scale is always 0..100, whatever the catalogue says.
    lines.push_back("sv_bot" + std::to_string(i) + " " + ini.Text(section, "skill100", "-1") + "|" +
                    ini.Text(section, "team", "0") + "|" + ini.Text(section, "nom", "NewBot"));
  }
  return lines;
}

void PutCsLaunchFiles(const LauncherState& state, const std::string& bot, FileBatch& batch) {
  const std::string dir = DirsOf(state, "CStrike").dir;
  Messages ignored;  // a broken maxskill falls back to 5 here as in the window
  const BotProfile profile = ReadBotProfile(state.app_path + "\\CStrike.ini", bot, ignored);
  const std::string ini_path = state.app_path + "\\CS_Bots.ini";
  const std::string bots_ini = FileExists(ini_path) ? ReadFileBytes(ini_path) : std::string();
  const ProfileIndex ini(bots_ini);  // one reading for the roster's thousands of keys

  PutBotLoader(state, "CStrike", bot, CsLiblistLines(ini.Text("Default", "version", "0"), profile),
               batch);
  NeutraliseServerConfigs(batch, dir, ListenServerNames("CStrike"));
  const std::function<bool(std::string_view)> dir_exists = [&dir](std::string_view relative) {
    return DirectoryExists(dir + "\\" + std::string(relative));
  };
  const CsBotAddOn& add_on = CsBotAddOnNamed(bot);
  const std::string bot_file = dir + "\\" + profile.bot_file;
  if (add_on.merge_settings) {
    const std::optional<std::string> before = ReadFileIfExists(bot_file);
    PutEditedGameFile(state, batch, bot_file, before,
                      add_on.merge_settings(before.value_or(""), {profile, ini, dir_exists}));
  } else {
    PutBotCommandFile(state, batch, bot_file, CsBotFileLines(bot, profile, ini, dir_exists));
  }
  const std::string game = dir + "\\game.cfg";
  if (FileExists(game)) {
    batch.PutLines(game, AndroidGameCfgLines(ReadLines(game), add_on.android_game_cfg, ini));
  }
}

void WriteCsLaunchFiles(const LauncherState& state, const std::string& bot) {
  FileBatch batch;
  PutCsLaunchFiles(state, bot, batch);
  batch.Commit();
}

}  // namespace orvane
