// Half-Life from Steam: found at start-up when nothing else names the game,
// taken as a game directory, started through Steam, and a warning before a
// Windows-only mod starts on the native build.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "core/GameDirectory.h"
#include "core/Launch.h"
#include "core/LauncherSettings.h"
#include "core/NativeRun.h"
#include "platform/FileError.h"
#include "platform/GameStart.h"
#include "support/ModTree.h"

namespace orvane::test {
namespace fs = std::filesystem;
namespace {

TEST(SteamDiscovery, UsedOnlyWhenNeitherTheStoreNorTheWinePrefixNamesTheGame) {
  struct Row {
    const char* name;
    bool stored;
    bool wine_key;
    GameSource source;
  };
  const Row rows[] = {
      {"Steam alone", false, false, GameSource::kSteam},
      {"a stored HLPath wins", true, false, GameSource::kStored},
      {"the Wine prefix's key wins", false, true, GameSource::kWinePrefix},
  };
  for (const Row& row : rows) {
    GameTree tree;
    const fs::path elsewhere = tree.root() / "Retail";
    fs::create_directories(elsewhere);
    tree.InSteamLibrary();
    if (row.stored) {
      tree.Registry({{"AppPath", tree.AppPath()}, {"HLPath", elsewhere.string()}});
    } else {
      tree.Registry({{"AppPath", tree.AppPath()}});
    }
    if (row.wine_key) tree.WineInstallPath("Software\\Valve\\Half-Life", elsewhere.string());
    const std::string store_before = ReadHostFile(tree.registry_file());
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    ReadLauncherSettings(state, store);
    EXPECT_EQ(state.game_source, row.source) << row.name;
    EXPECT_EQ(state.hl_path, row.source == GameSource::kSteam ? tree.HLPath() : elsewhere.string())
        << row.name;
    // Nothing is written back: the launcher follows the game when Steam moves it.
    EXPECT_EQ(ReadHostFile(tree.registry_file()), store_before) << row.name;
    if (row.source == GameSource::kSteam) {
      EXPECT_EQ(state.hl_exe, "hl.exe");
      EXPECT_TRUE(GameProgramFound(state)) << "hl_linux stands for hl.exe in a Steam library";
      EXPECT_EQ(DirsOf(state, "Botman").dir, tree.HLPath() + "\\bot");
    }
  }
}

TEST(SteamDiscovery, ABrokenLibraryListIsReportedAndTheGameStillFound) {
  GameTree tree;
  tree.InSteamLibrary().Registry({{"AppPath", tree.AppPath()}});
  WriteHostFile(tree.SteamRoot() / "steamapps" / "libraryfolders.vdf",
                "\"libraryfolders\"\n{\n\t\"1\"\t\t\"/mnt/x\"\n");
  LauncherState state = tree.State();
  RegistryStore store = tree.Store();
  try {
    ReadLauncherSettings(state, store);
    ADD_FAILURE() << "no problem reported";
  } catch (const FileError& e) {
    EXPECT_EQ(e.file(), (tree.SteamRoot() / "steamapps" / "libraryfolders.vdf").string());
    EXPECT_EQ(e.line(), 1);  // where the unclosed block opens
  }
  EXPECT_EQ(state.hl_path, tree.HLPath());
  EXPECT_TRUE(GameProgramFound(state));
}

TEST(GameProgramIn, SteamsLinuxProgramCountsOnlyInASteamLibrary) {
  GameTree tree;
  tree.File("hl_linux", "ELF");
  EXPECT_FALSE(GameProgramIn(tree.HLPath(), "hl.exe")) << "not a Steam library";
  tree.InSteamLibrary();
  EXPECT_TRUE(GameProgramIn(tree.HLPath(), "hl.exe"));
  EXPECT_EQ(GameProgramMessage(tree.HLPath(), "hl.exe"), "");
  EXPECT_FALSE(GameProgramIn(tree.HLPath(), "cstrike.exe"));
  fs::remove(tree.hl_dir() / "hl_linux");
  EXPECT_FALSE(GameProgramIn(tree.HLPath(), "hl.exe"));
  tree.File("hl.exe", "MZ");  // the Windows build, as Proton installs it
  EXPECT_TRUE(GameProgramIn(tree.HLPath(), "hl.exe"));
}

TEST(WindowsOnlyWarning, WhenSteamRunsHalfLifeNativelyAndTheModCannot) {
  struct Row {
    const char* name;
    const char* mod;
    const char* liblist;  // of the mod; nullptr: none
    bool linux_library;   // the mod's dlls/mod.so exists
    bool proton;
    bool steam;
    const char* warning;  // a part of it; "" for none
  };
  const Row rows[] = {
      {"a mod with its Linux library", "Botman",
       "gamedll \"dlls\\bot.dll\"\ngamedll_linux \"dlls/mod.so\"\n", true, false, true, ""},
      {"no gamedll_linux", "Botman", "game \"Bots\"\ngamedll \"dlls\\bot.dll\"\n", false, false,
       true,
       "Botman 10 will not run on Steam's native Half-Life: it exists only for Windows: its "
       "liblist.gam names no Linux library (gamedll_linux)"},
      {"the Linux library named is missing", "Jumbot", "GAMEDLL_LINUX \"dlls/mod.so\"\n", false,
       false, true, "its Linux library dlls/mod.so is missing"},
      {"no liblist.gam", "Phineas", nullptr, false, false, true, "it has no liblist.gam"},
      {"Proton chosen for Half-Life", "Botman", "gamedll \"dlls\\bot.dll\"\n", false, true, true,
       ""},
      {"a Windows bot add-on written into liblist.gam", "CStrike",
       "gamedll_linux \"dlls/mod.so\"\n", true, false, true,
       "its bot add-on P.O.D.Bot cannot run there: it has no Linux library"},
      {"not Steam's Half-Life", "Botman", "gamedll \"dlls\\bot.dll\"\n", false, false, false, ""},
  };
  for (const Row& row : rows) {
    GameTree tree;
    const std::string dir(FindMod(row.mod)->dir);
    tree.Dir(dir).ShippedData();
    if (row.liblist != nullptr) tree.File(dir + "\\liblist.gam", row.liblist);
    if (row.linux_library) tree.File(dir + "\\dlls\\mod.so", "ELF");
    if (std::string(row.mod) == "CStrike") tree.File("cstrike\\PODBot\\podbot.dll");
    if (row.steam) tree.InSteamLibrary();
    if (row.proton) tree.ProtonForHalfLife();
    tree.StandardRegistry();
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    ReadLauncherSettings(state, store);
    SelectMod(state, row.mod);
    if (std::string(row.mod) == "CStrike" && !ChooseBot(state, "P.O.D.Bot")) {
      // Chosen while Proton was on, and turned off in Steam since.
      state.bot_choice.text = "P.O.D.Bot";
      state.bot_choice.selected = 0;
    }
    const std::string warning = WindowsOnlyWarning(state);
    if (*row.warning == '\0') {
      EXPECT_EQ(warning, "") << row.name;
    } else {
      EXPECT_NE(warning.find(row.warning), std::string::npos) << row.name << ": " << warning;
      EXPECT_NE(warning.find("Turn on Proton for Half-Life in Steam"), std::string::npos);
    }
  }
}

// Stand-ins for steam and flatpak on the PATH: each records its working
// directory and arguments, one a line.
class SteamStandIns : public ::testing::Test {
 protected:
  void SetUp() override {
    path_before_ = std::getenv("PATH");
    bin_ = tree_.root() / "bin";
    record_ = tree_.root() / "started.txt";
    for (const char* name : {"steam", "flatpak"}) {
      const fs::path script = bin_ / name;
      // Shell built-ins only: the tests narrow the PATH to these two.
      WriteHostFile(script, std::string("#!/bin/sh\n{ echo ") + name +
                                "; pwd; for a in \"$@\"; do echo \"$a\"; done; } > \"" +
                                record_.string() + "\"\n: > \"" + record_.string() + ".done\"\n");
      fs::permissions(script, fs::perms::owner_all);
    }
  }
  void TearDown() override {
    setenv("PATH", path_before_.c_str(), 1);
    unsetenv("STEAM");
  }
  // Only these programs on the PATH.
  void OnPath(std::initializer_list<const char*> names) {
    const fs::path only = tree_.root() / "only";
    fs::create_directories(only);
    for (const char* name : names) fs::copy_file(bin_ / name, only / name);
    setenv("PATH", only.c_str(), 1);
  }
  std::string Recorded() {
    const fs::path done = record_.string() + ".done";
    for (int i = 0; i < 200 && !fs::exists(done); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    fs::remove(done);
    return ReadHostFileOr(record_);
  }

  GameTree tree_;
  fs::path bin_;
  fs::path record_;
  std::string path_before_;
};

TEST_F(SteamStandIns, TheLaunchStartsSteamWithTheWordsOfTheLog) {
  tree_.Dir("bot").InSteamLibrary().StandardRegistry({{"AutoStart", "O"}});
  LauncherState state = tree_.State();
  RegistryStore store = tree_.Store();
  ReadLauncherSettings(state, store);
  SelectMod(state, "Botman");
  WriteHostFile(tree_.app_dir() / "KRV.ini", "[KRV]\r\nCommand=+hostname \"My LAN\"\r\n");
  OnPath({"steam"});
  int asked = 0;
  const LaunchResult result =
      LaunchSelectedMod(state, {}, StartGame, [&](const std::string&) { return ++asked, true; });
  ASSERT_EQ(result.outcome, LaunchResult::kStarted) << result.error;
  EXPECT_EQ(asked, 1) << "this Botman has no liblist.gam";
  EXPECT_EQ(ReadHostFile(tree_.app_dir() / "log.txt"),
            " -console -game bot +sv_lan 1 +maxplayers 32 +connect +map boot_camp +hostname "
            "\"My LAN\"\r\n");
  EXPECT_EQ(Recorded(), "steam\n" + fs::canonical(tree_.hl_dir()).string() +
                            "\n-applaunch\n70\n-console\n-game\nbot\n+sv_lan\n1\n+maxplayers\n32\n"
                            "+connect\n+map\nboot_camp\n+hostname\nMy LAN\n");
}

TEST_F(SteamStandIns, ProgramChoiceAndRefusals) {
  tree_.InSteamLibrary();
  const std::string game = tree_.HLPath();
  const fs::path flatpak_root =
      tree_.home() / ".var/app/com.valvesoftware.Steam/.local/share/Steam";
  auto plan = [&](const std::string& dir) {
    return PlanGameStart(dir + "\\hl.exe", " -game bot", dir, tree_.wine_prefix(),
                         {tree_.home(), {}, {}});
  };
  OnPath({"steam", "flatpak"});
  EXPECT_EQ(plan(game).argv, (std::vector<std::string>{(tree_.root() / "only/steam").string(),
                                                       "-applaunch", "70", "-game", "bot"}));
  setenv("STEAM", (bin_ / "steam").c_str(), 1);
  EXPECT_EQ(plan(game).argv[0], (bin_ / "steam").string()) << "$STEAM first";
  setenv("STEAM", "/nowhere/steam", 1);
  EXPECT_NE(plan(game).error.find("$STEAM names \"/nowhere/steam\""), std::string::npos);
  unsetenv("STEAM");

  // Flatpak's Steam: flatpak run, unless a steam is on the PATH.
  fs::create_directories(flatpak_root);
  fs::rename(tree_.SteamRoot() / "steamapps", flatpak_root / "steamapps");
  const std::string flatpak_game = (flatpak_root / "steamapps/common/Half-Life").string();
  EXPECT_EQ(plan(flatpak_game).argv[0], (tree_.root() / "only/steam").string());
  fs::remove(tree_.root() / "only/steam");
  EXPECT_EQ(
      plan(flatpak_game).argv,
      (std::vector<std::string>{(tree_.root() / "only/flatpak").string(), "run",
                                "com.valvesoftware.Steam", "-applaunch", "70", "-game", "bot"}));
  const StartResult started = StartDetached(plan(flatpak_game));
  ASSERT_TRUE(started.started) << started.error;
  EXPECT_EQ(Recorded(), "flatpak\n" + fs::canonical(flatpak_game).string() +
                            "\nrun\ncom.valvesoftware.Steam\n-applaunch\n70\n-game\nbot\n");

  // No Steam program at all: what was tried and how to mend it.
  fs::remove(tree_.root() / "only/flatpak");
  const StartResult none = StartGame(flatpak_game + "\\hl.exe", "", flatpak_game);
  EXPECT_FALSE(none.started);
  EXPECT_NE(none.error.find("\"steam\" was not found on the PATH. Install Steam"),
            std::string::npos)
      << none.error;

  // Any other directory still starts through Wine.
  const fs::path wine = bin_ / "steam";  // any executable stands in for Wine here
  setenv("WINE", wine.c_str(), 1);
  tree_.File("hl.exe", "MZ");
  const fs::path retail = tree_.root() / "Retail";
  WriteHostFile(retail / "hl.exe", "MZ");
  const ProcessPlan through_wine = plan(retail.string());
  unsetenv("WINE");
  EXPECT_EQ(through_wine.argv, (std::vector<std::string>{
                                   wine.string(), (retail / "hl.exe").string(), "-game", "bot"}));
}

TEST_F(SteamStandIns, OrvanectlWarnsOfWindowsOnlyModsUnlessProtonIsOn) {
  ModTree t("Botman", [](GameTree& tree) {
    tree.InSteamLibrary().Registry({{"AppPath", tree.AppPath()}});  // found, not stored
    BotmanFiles(tree);
  });
  OnPath({"steam"});
  CtlRun run = RunCtl(t.tree, {"launch", "Botman"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("orvanectl: warning: Botman 10 will not run on Steam's native "
                         "Half-Life"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("Proton"), std::string::npos);
  EXPECT_NE(Recorded().find("\n-applaunch\n70\n-console\n-game\nbot\n"), std::string::npos);

  t.tree.ProtonForHalfLife();
  run = RunCtl(t.tree, {"launch", "Botman"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.rfind("started " + (tree_.root() / "only/steam").string() +
                              " -applaunch 70 with: -console -game bot",
                          0),
            0u)
      << run.out;

  run = RunCtl(t.tree, {"directory"});
  EXPECT_EQ(run.out, "HLPath=" + t.tree.HLPath() +
                         "\nHLExe=hl.exe\nBuild=Windows (Steam runs Half-Life through Proton)"
                         "\nFound=Steam\nStart=" +
                         (tree_.root() / "only/steam").string() + " -applaunch 70\n");
  // A Steam install given by hand is taken and stored like any other.
  run = RunCtl(t.tree, {"directory", t.tree.HLPath()});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(RunCtl(t.tree, {"directory"}).out.find("\nFound=stored"), std::string::npos);
}

}  // namespace
}  // namespace orvane::test
