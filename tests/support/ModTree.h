// A game tree with one mod's files laid out and the launcher started on it
// (that mod selected), for the settings-document, window and orvanectl
// tests; and the few tools those tests share.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/LauncherState.h"
#include "platform/RegistryStore.h"
#include "support/GameTree.h"

namespace orvane::test {

// A standard game.cfg as the launcher writes it (frag limit 25, time limit
// 15, weapons stay, no teams).
inline constexpr const char* kGameCfg =
    "\"mp_teamlist\"\t\t\"\"\r\n\"mp_fraglimit\"\t\t\"25.00000\"\r\n"
    "\"mp_timelimit\"\t\t\"15.00000\"\r\n\"mp_falldamage\"\t\t\"0\"\r\n"
    "\"mp_teamplay\"\t\t\"0\"\r\n\"mp_friendlyfire\"\t\t\"0\"\r\n\"mp_weaponstay\"\t\t\"1\"\r\n"
    "\"mp_forcerespawn\"\t\t\"0\"\r\n\"mp_footsteps\"\t\t\"1\"\r\n\"mp_flashlight\"\t\t\"1\"\r\n"
    "\"mp_autocrosshair\"\t\t\"1\"\r\n\"sv_sendvelocity\"\t\t\"0\"\r\n";
inline constexpr const char* kBotCfg =
    "map crossfire\r\npause 3\r\nbotskill 2\r\naddbot gina Iris 2\r\n"
    "pause 5\r\naddbot barney Rex\r\npause 5\r\n";
inline constexpr const char* kListenServer =
    "hostname \"x\"\r\nmp_timelimit 30\r\n// mp_teamplay 1\r\n";
inline constexpr const char* kBotsIni =
    ";PHINEAS MAIN BOT USERINFO FILE\r\n[DefaultMap]\r\nQuantity\t\t=6\r\nRandom\t\t=Yes\r\n"
    "InitialDelay\t\t=7\r\nSpawnDelay\t\t=9\r\nWaitForPlayers = 0\r\n \r\n"
    "[Bot]\r\nName\t\t=Iris\r\nModel\t\t=gina\r\nTopColor\t\t=200\r\nBottomColor\t\t=30\r\n \r\n"
    "[Bot]\r\nName\t\t=Rex\r\nModel\t\t=barney\r\nTopColor\t\t=1\r\nBottomColor\t\t=2\r\n";

// Jumbot's files: jumbot.cfg (think speed 3, view speed 10, trip mines on at
// 7, starting map crossfire), a roster of two (one with a blank in its
// name, one without a skill), the three text pages and a config.cfg.
inline constexpr const char* kJumbotCfg =
    "// by hand\r\nmap crossfire\r\nbot_num 6\r\nbot_skill 3\r\nbotcfgfile team.cfg\r\n"
    "chatfile other.cfg\r\nbot_tripmines 1\r\nbot_thinkspeed 0.3\r\nbot_viewdelay 0.10\r\n"
    "bweap_tripmine 7\r\nbotusefov 0\r\nnav_autogen 1\r\nwaypoints 0\r\nwp_vis 1\r\n";
inline constexpr const char* kJumbotRoster =
    "#JUMBOT MAIN BOT USERINFO FILE\r\nbot1 \"Old Tom\" barney 200 30 3\r\n"
    "bot7 Solo gordon 5 6\r\n";
inline constexpr const char* kConfigCfg =
    "bind \"w\" \"+forward\"\r\nbind \"F5\" \"makewp\"\r\nbind \"F9\" \"writewpfile\"\r\n"
    "name \"Player\"\r\n";
// Sci-hunt's files: game.cfg (mode 2, arsenal kit.txt), Shconfig.cfg,
// botfiles (jumbot.cfg with names after botfiles\, roster, chat), an
// arsenal, its own maps (sh_lab with waypoints and a config) and a 10-line
// settings.scr.
inline constexpr const char* kScihuntGameCfg =
    "\"sh_realistic\"\t\t\"2\"\r\n\"sh_weapfileloc\"\t\t\"arsenals/kit.txt\"\r\n"
    "\"sh_gibcount\"\t\t\"40.00000\"\r\n\"mp_fraglimit\"\t\t\"15.00000\"\r\n";
inline constexpr const char* kShConfig = "sh_scimax 12\r\nsh_crowbar 1\r\nsh_levelexec 1\r\n";
inline constexpr const char* kScihuntJumbotCfg =
    "map sh_lab\r\nbot_num 3\r\nbotcfgfile \"botfiles\\hunters.cfg\"\r\n"
    "chatfile \"botfiles\\talk.cfg\"\r\nbotchat 1\r\nwp_edit 1\r\nbot_crowbar 1\r\n";
inline constexpr const char* kScihuntChat =
    "#chat\r\n*\r\nGot you, %.\r\n  indented\r\n*\r\nOuch.\r\n*\r\nnever said\r\n";

// The valve maps crossfire and frenzy and the player model barney, with the
// launcher's shipped data and registry.
GameTree& ValveGame(GameTree& tree);
GameTree& BotmanFiles(GameTree& tree, std::string_view bot_cfg = kBotCfg,
                      std::string_view game_cfg = kGameCfg);
GameTree& PhineasFiles(GameTree& tree, std::string_view bots_ini = kBotsIni,
                       std::string_view game_cfg = kGameCfg);

GameTree& JumbotFiles(GameTree& tree, std::string_view jumbot_cfg = kJumbotCfg,
                      std::string_view roster = kJumbotRoster);
GameTree& ScihuntFiles(GameTree& tree, std::string_view jumbot_cfg = kScihuntJumbotCfg);

// The launcher's demo of all ten mods laid out in the tree, with its own
// registry, shipped data and a game program (not a runnable one).
GameTree& DemoGame(GameTree& tree);

class ModTree {
 public:
  // lay_out adds the mod's files to the valve game; start-up then runs.
  ModTree(std::string_view mod_key, const std::function<void(GameTree&)>& lay_out);
  std::string Read(std::string_view relative) const { return tree.Read(relative); }
  std::string ReadApp(std::string_view name) const;  // a file of AppPath

  GameTree tree;
  RegistryStore store;
  LauncherState state;
};

// The value of a control in a settings document's Show(), "<absent>" when it
// shows none.
std::string ShownValue(const std::vector<std::pair<std::string, std::string>>& shown,
                       const std::string& control);

// orvanectl run on the tree, as a player's shell would run it.
struct CtlRun {
  int status;
  std::string out;
  std::string err;
};
// In a UTF-8 terminal (LC_ALL=C.UTF-8), or in the locale given.
CtlRun RunCtl(const GameTree& tree, const std::vector<std::string>& args);
CtlRun RunCtlInLocale(const GameTree& tree, const std::string& locale,
                      const std::vector<std::string>& args);
// Any program run so, with the tree as its home, settings and data (an
// installed orvanectl, a shell calling the completion).
CtlRun RunInTree(const GameTree& tree, const std::string& program,
                 const std::vector<std::string>& args);
// Several orvanectl runs started at the same moment, as parallel scripts; their outcomes in order.
std::vector<CtlRun> RunCtlTogether(const GameTree& tree,
                                   const std::vector<std::vector<std::string>>& runs);

// While alive, no file can grow beyond `bytes` in this process (a full disk
// as a test can make one, even as root).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(unsigned long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  unsigned long before_;
};

}  // namespace orvane::test
