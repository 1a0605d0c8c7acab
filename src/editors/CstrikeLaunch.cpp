#include "editors/CstrikeLaunch.h"

#include <algorithm>

#include "core/BotAddons.h"
#include "core/LauncherSettings.h"
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
  const auto get = [&ini](std::string_view key, std::string_view def) {
    return ini.Text("Default", key, def);
  };
  const auto on_off = [&get](std::string_view key) { return YesOrOneToOnOff(get(key, "0")); };
  const std::string skill_key = "skill" + profile.max_skill;
  const std::string skill = get(skill_key, "0");
  const std::string menu_key = KeyBindName(get("botmenu", ""));

  std::vector<std::string> lines = BotFileHead(profile, "pause 3");
  if (bot != kPodBot && bot != kRealBot) lines.push_back("botskill " + skill);
  if (!profile.bot_menu_command.empty() && !menu_key.empty())
    lines.push_back("bind \"" + menu_key + "\" \"" + profile.bot_menu_command + "\"");
  if (bot == kNnBot) {
    const std::string dir = get("nwpdir", "maps");
    if (!dir.empty() && dir_exists(dir)) lines.push_back("nwpdir " + dir);
    for (const char* key : {"botchat", "knifeonly", "pistolonly", "subonly", "usesmoke"})
      lines.push_back(std::string(key) + " " + get(key, "0"));
    lines.push_back("cs10 " + get("version", "0"));
  } else if (bot == kPlBot) {
    static const std::pair<const char*, const char*> kPlKeys[] = {
        {"waydist", "300"}, {"bheight", "150"}, {"pway", "20"}, {"proad", "5"},
        {"pgoal", "4"},     {"pchange", "5"},   {"plong", "3"}, {"bsenss", "50"},
        {"bsensf", "75"},   {"bsensc", "100"}};
    for (const auto& [key, def] : kPlKeys)
      lines.push_back(std::string(key) + " " + ini.Text("PlBot", key, def));
    lines.push_back("control_bot " + get("control_bot", "0"));
  } else if (bot == kPodBot) {
    const std::string folder = get("wptfolder", "wptcs10");
    if (!folder.empty() && dir_exists("PodBot\\" + folder)) lines.push_back("wptfolder " + folder);
    lines.push_back("minbotskill " + skill);
    lines.push_back("jasonmode " + on_off("knifeonly"));
    lines.push_back("botchat " + on_off("botchat"));
    lines.push_back("detailnames " + on_off("detailnames"));
    lines.push_back("inhumanturns " + on_off("inhumanturns"));
    lines.push_back("botsfollowuser " + get("control_bot", "0"));
  } else if (bot == kRealBot) {
    lines.push_back("rb_navigationtype " + get("navigation", "0"));
    lines.push_back("rb_minskill " + get("minskill", "1"));
    lines.push_back("rb_maxskill " + skill);
    lines.push_back("rb_extraskill " + get("extraskill", "0"));
    // Only exactly "1" forces the skill.
    if (get("forceskill", "") == "1") lines.push_back("rb_forceskill " + skill);
    lines.push_back("rb_playingcs " + get("version", "0"));
  } else if (bot == kSwatBot) {
    lines.push_back("knifewar " + get("knifeonly", "0"));
  }
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
  NeutraliseListenServer(batch, dir + "\\listenserver.cfg", ListenServerNames("CStrike"));
  const auto dir_exists = [&dir](std::string_view relative) {
    return DirectoryExists(dir + "\\" + std::string(relative));
  };
  PutBotCommandFile(state, batch, dir + "\\" + profile.bot_file,
                    CsBotFileLines(bot, profile, ini, dir_exists));
  const std::string game = dir + "\\game.cfg";
  if (FileExists(game)) {
    batch.PutLines(game, AndroidGameCfgLines(ReadLines(game), bot == kAndroid, ini));
  }
}

void WriteCsLaunchFiles(const LauncherState& state, const std::string& bot) {
  FileBatch batch;
  PutCsLaunchFiles(state, bot, batch);
  batch.Commit();
}

}  // namespace orvane
