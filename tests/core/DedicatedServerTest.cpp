// Half-Life Dedicated Server as a Half-Life directory: found when no game
// is, served with the words a server takes, in the foreground, in the
// background with a log, or in a terminal window; server.cfg kept from
// undoing the settings.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

#include "core/BotAddons.h"
#include "core/GameDirectory.h"
#include "core/Launch.h"
#include "core/LauncherSettings.h"
#include "platform/DedicatedServer.h"
#include "platform/GameStart.h"
#include "support/GameTree.h"
#include "support/ModTree.h"

namespace orvane::test {
namespace fs = std::filesystem;
namespace {

std::string Polled(const fs::path& file, const std::string& until) {
  for (int i = 0; i < 200; ++i) {
    const std::string text = ReadHostFileOr(file);
    if (text.find(until) != std::string::npos) return text;
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  return ReadHostFileOr(file);
}

// One line per word, after the working directory: what a stand-in records.
std::string Lines(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += word + "\n";
  return text;
}

TEST(DedicatedServerDiscovery, FoundOnlyWhenNoGameIsAndWhereSteamcmdPutsIt) {
  struct Row {
    const char* name;
    std::function<void(GameTree&)> lay_out;  // the tree holds a server in hl_dir()
    bool found;
    GameSource source;
  };
  const std::vector<Row> rows = {
      {"in a library of Steam's",
       [](GameTree& t) {
         t.MoveTo(t.SteamRoot() / "steamapps/common/Half-Life").ServerManifest(t.SteamRoot());
       },
       true, GameSource::kDedicatedServer},
      {"steamcmd's ~/Steam",
       [](GameTree& t) {
         t.MoveTo(t.home() / "Steam/steamapps/common/Half-Life").ServerManifest(t.home() / "Steam");
       },
       true, GameSource::kDedicatedServer},
      {"Debian's steamcmd: ~/.steam/SteamApps",
       [](GameTree& t) {
         t.MoveTo(t.home() / ".steam/SteamApps/common/Half-Life");
         WriteHostFile(t.home() / ".steam/SteamApps/appmanifest_90.acf",
                       "\"AppState\"{\"StateFlags\" \"4\" \"installdir\" \"Half-Life\"}");
       },
       true, GameSource::kDedicatedServer},
      {"+force_install_dir ~/hlds",
       [](GameTree& t) { t.MoveTo(t.home() / "hlds").ServerManifest(t.home() / "hlds"); }, true,
       GameSource::kDedicatedServer},
      {"LinuxGSM's ~/serverfiles",
       [](GameTree& t) {
         t.MoveTo(t.home() / "serverfiles").ServerManifest(t.home() / "serverfiles");
       },
       true, GameSource::kDedicatedServer},
      {"a manifest but no server program",
       [](GameTree& t) {
         fs::remove(t.hl_dir() / "hlds_run");
         t.MoveTo(t.home() / "hlds").ServerManifest(t.home() / "hlds");
       },
       false, GameSource::kNone},
      {"a server directory nothing lists", [](GameTree&) {}, false, GameSource::kNone},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    GameTree tree;
    tree.Registry({{"AppPath", tree.AppPath()}}).Dir("cstrike").DedicatedServer();
    row.lay_out(tree);
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    ReadLauncherSettings(state, store);
    EXPECT_EQ(state.game_source, row.source);
    EXPECT_EQ(state.hl_path, row.found ? tree.HLPath() : std::string());
    EXPECT_EQ(GameProgramFound(state), row.found);
    EXPECT_EQ(LaunchProgram(state), row.found ? tree.HLPath() + "\\hlds_run" : "\\hl.exe");
  }

  // The game wins over a server, wherever each lies; a stored server is taken as stored.
  GameTree both;
  both.Registry({{"AppPath", both.AppPath()}}).InSteamLibrary();
  GameTree server;
  server.DedicatedServer().MoveTo(both.home() / "hlds").ServerManifest(both.home() / "hlds");
  LauncherState state = both.State();
  RegistryStore store = both.Store();
  ReadLauncherSettings(state, store);
  EXPECT_EQ(state.game_source, GameSource::kSteam);
  EXPECT_EQ(state.hl_path, both.HLPath());

  GameTree stored;
  stored.StandardRegistry().DedicatedServer("hlds.exe").File("hl_linux", "ELF");
  state = stored.State();
  store = stored.Store();
  ReadLauncherSettings(state, store);
  EXPECT_EQ(state.game_source, GameSource::kStored);
  EXPECT_EQ(LaunchProgram(state), stored.HLPath() + "\\hlds.exe")
      << "hl_linux outside a Steam library is no game";
  EXPECT_EQ(RunningBuild(state), GameBuild::kWindows);
  stored.File("hl.exe", "MZ");
  EXPECT_EQ(LaunchProgram(state), stored.HLPath() + "\\hl.exe")
      << "a retail install with hlds.exe beside hl.exe plays";
}

// Stand-ins for the server and for Wine record where and how they ran.
class ServerStandIns : public ::testing::Test {
 protected:
  void SetUp() override {
    DemoGame(tree_);
    setenv("WINE", tree_.ServerRecorder().c_str(), 1);
  }
  void TearDown() override {
    unsetenv("WINE");
    unsetenv("TERMINAL");
    unsetenv("ORVANE_TEST_SERVER_EXIT");
  }
  std::string Served(const std::vector<std::string>& words, bool wine = false) {
    std::vector<std::string> all = {tree_.HLPath()};
    if (wine) all.push_back((tree_.hl_dir() / "hlds.exe").string());
    all.insert(all.end(), words.begin(), words.end());
    return Lines(all);
  }
  GameTree tree_;
};

TEST_F(ServerStandIns, EveryModIsServedWithTheWordsAServerTakes) {
  struct Row {
    const char* mod;
    const char* bot;  // "" for a mod without a bot choice
    const char* dir;
    const char* map;
  };
  const std::vector<Row> rows = {
      {"Action", "", "action", "110hst"},
      {"Botman", "", "bot", "boot_camp"},
      {"CStrike", "YaPB", "cstrike", "cs_assault"},
      {"Firebot", "", "firearms", "ps_bridge"},
      {"Frontline", "AgroBot", "frontline", "flf_lombardi"},
      {"Jumbot", "", "jumbot", "boot_camp"},
      {"Phineas", "", "phineas", "boot_camp"},
      {"Rocket", "", "rockcrowbar", "boot_camp"},
      {"Scihunt", "", "scihunt", "boot_camp"},
      {"TFC", "Abot", "tfc", "2fort"},
  };
  for (const char* program : {"hlds_run", "hlds.exe"}) {
    tree_.DedicatedServer(program);
    const bool windows = std::string(program) == "hlds.exe";
    for (const Row& row : rows) {
      SCOPED_TRACE(std::string(program) + " " + row.mod);
      std::vector<std::string> args = {"launch", row.mod};
      if (*row.bot != '\0') args.insert(args.end(), {"--bot", row.bot});
      fs::remove(tree_.ServerRecord());
      const CtlRun run = RunCtl(tree_, args);
      const bool windows_bots =
          std::string(row.mod) == "TFC" || std::string(row.mod) == "Frontline";
      if (windows_bots && !windows) {
        EXPECT_EQ(run.status, 1) << "its bots exist only for Windows";
        EXPECT_NE(run.err.find("hlds.exe, through Wine"), std::string::npos) << run.err;
        continue;
      }
      ASSERT_EQ(run.status, 0) << run.err;
      std::vector<std::string> words = {"-game",       row.dir, "+sv_lan", "1",
                                        "+maxplayers", "32",    "+map"};
      if (windows) words.insert(words.begin(), "-console");
      words.push_back(row.map);
      EXPECT_EQ(ReadHostFileOr(tree_.ServerRecord()), Served(words, windows));
      std::string line;
      for (const std::string& word : words) line += " " + word;
      EXPECT_EQ(ReadHostFile(tree_.app_dir() / "log.txt"), line + "\r\n");
    }
    fs::remove(tree_.hl_dir() / program);
  }
}

TEST_F(ServerStandIns, AdditionalCommandsDetachAndTheServersEnd) {
  tree_.DedicatedServer();
  const std::string hl = tree_.HLPath();
  EXPECT_EQ(RunCtl(tree_, {"directory", hl}).out, "HLPath=" + hl + "\nHLExe=hlds_run\n");
  EXPECT_EQ(
      RunCtl(tree_, {"directory"}).out,
      "HLPath=" + hl +
          "\nHLExe=hlds_run\nBuild=Linux (Half-Life Dedicated Server, run natively: bot "
          "add-ons need their Linux library)\nFound=stored (the launcher's settings)\nStart=" +
          hl + "/hlds_run\n");
  ASSERT_EQ(RunCtl(tree_, {"command", "+hostname \"LAN party\" +mp_timelimit 25"}).status, 0);
  const std::vector<std::string> words = {"-game",       "bot",       "+sv_lan",       "1",
                                          "+maxplayers", "32",        "+map",          "boot_camp",
                                          "+hostname",   "LAN party", "+mp_timelimit", "25"};
  CtlRun run = RunCtl(tree_, {"launch", "Botman"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadHostFile(tree_.ServerRecord()), Served(words));
  EXPECT_NE(run.out.find("(Ctrl-C stops the server)\nthe server stopped\n"), std::string::npos)
      << run.out;

  // A server that fails is reported as the server's failure, not ours.
  setenv("ORVANE_TEST_SERVER_EXIT", "3", 1);
  run = RunCtl(tree_, {"launch", "Botman"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Starting anyway.\norvanectl: the server stopped with exit status 3.\n"),
            std::string::npos)
      << "after the warning that this Botman is Windows-only: " << run.err;
  unsetenv("ORVANE_TEST_SERVER_EXIT");

  // In the background, its output in a log file named on the terminal.
  fs::remove(tree_.ServerRecord());
  WriteHostFile(tree_.hl_dir() / "hlds_run",
                "#!/bin/sh\necho \"serving $*\"\necho \"a warning\" >&2\n" +
                    ReadHostFile(tree_.ServerRecorder()));
  run = RunCtl(tree_, {"launch", "Botman", "--detach"});
  ASSERT_EQ(run.status, 0) << run.err;
  const fs::path log = tree_.app_dir() / "server.log";
  EXPECT_NE(run.out.find("the server's output goes to " + log.string() + "\n"), std::string::npos)
      << run.out;
  EXPECT_EQ(Polled(log, "a warning\n"),
            "serving -game bot +sv_lan 1 +maxplayers 32 +map boot_camp +hostname LAN party "
            "+mp_timelimit 25\na warning\n");
  EXPECT_EQ(Polled(tree_.ServerRecord(), "25\n"), Served(words));
  EXPECT_EQ(RunCtl(tree_, {"launch", "Botman", "--detach", "--no-start"}).status, 2);
}

// server.cfg runs once at a dedicated server's start: what the window sets
// is commented out of it as of listenserver.cfg, at a save or a launch.
TEST_F(ServerStandIns, ServerCfgKeepsOnlyWhatTheWindowDoesNotSet) {
  tree_.DedicatedServer();
  const std::string server_cfg =
      "// by hand\r\nhostname \"LAN\"\r\nmp_timelimit 20\r\nmp_friendlyfire 1\r\n"
      "  mp_fraglimit 5\nsv_aim 0\r\n//mp_teamplay 1\r\nexec banned.cfg";
  tree_.File("bot/server.cfg", server_cfg).File("cstrike/server.cfg", server_cfg);
  ASSERT_EQ(RunCtl(tree_, {"config", "Botman", "set", "BM_fraglimit=30"}).status, 0);
  EXPECT_EQ(tree_.Read("bot/server.cfg"),
            "// by hand\r\nhostname \"LAN\"\r\n//mp_timelimit 20\r\n//mp_friendlyfire 1\r\n"
            "//  mp_fraglimit 5\nsv_aim 0\r\n//mp_teamplay 1\r\nexec banned.cfg");
  ASSERT_EQ(RunCtl(tree_, {"launch", "CStrike", "--bot", "YaPB", "--no-start"}).status, 0);
  const std::string cstrike = tree_.Read("cstrike/server.cfg");
  EXPECT_EQ(cstrike, Replaced(Replaced(server_cfg, "mp_timelimit", "//mp_timelimit"),
                              "mp_friendlyfire", "//mp_friendlyfire"));
  ASSERT_EQ(RunCtl(tree_, {"launch", "CStrike", "--no-start"}).status, 0);
  EXPECT_EQ(tree_.Read("cstrike/server.cfg"), cstrike) << "a second launch changes nothing";
}

TEST_F(ServerStandIns, TheWindowsStartNeedsATerminalAndGivesItWinesSettings) {
  tree_.DedicatedServer("hlds.exe");
  LauncherState state = tree_.State();
  RegistryStore store = tree_.Store();
  ReadLauncherSettings(state, store);
  SelectMod(state, "Botman");
  // No terminal at all: said, and nothing started.
  setenv("TERMINAL", "no-such-terminal", 1);
  LaunchResult result = LaunchSelectedMod(state, {}, StartGame);
  EXPECT_EQ(result.outcome, LaunchResult::kStartFailed);
  EXPECT_NE(result.error.find("$TERMINAL names \"no-such-terminal\""), std::string::npos);

  unsetenv("TERMINAL");
  const std::string path_before = std::getenv("PATH");
  setenv("PATH", (tree_.root() / "nothing").c_str(), 1);
  result = LaunchSelectedMod(state, {}, StartGame);
  setenv("PATH", path_before.c_str(), 1);
  EXPECT_NE(result.error.find("x-terminal-emulator was not found"), std::string::npos)
      << result.error;

  // A terminal started by a server of its own would lose Wine's settings: they travel along.
  const fs::path terminal = tree_.ServerRecorder();
  const ProcessPlan plan = PlanInTerminal(
      PlanGameStart(LaunchProgram(state), " -game bot", state.hl_path, tree_.wine_prefix(), {}),
      terminal.string());
  ASSERT_GE(plan.argv.size(), 11u);
  EXPECT_EQ(std::vector<std::string>(plan.argv.begin(), plan.argv.begin() + 2),
            (std::vector<std::string>{terminal.string(), "-e"}));
  EXPECT_EQ(plan.argv[6], tree_.HLPath());
  EXPECT_EQ(plan.argv[7], "env");
  EXPECT_EQ(plan.argv[8], "WINEPREFIX=" + tree_.wine_prefix().string());
}

}  // namespace
}  // namespace orvane::test
