// orvanectl: the contracts scripts rely on, on a real tree.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "editors/BotmanSettings.h"
#include "platform/WriterLock.h"
#include "support/ModTree.h"

namespace orvane::test {
namespace {

struct Files {
  std::string game, bot, cycle, listen;
  bool operator==(const Files&) const = default;
};

Files BotmanFilesOf(const ModTree& t) {
  return {t.Read("bot\\game.cfg"), t.Read("bot\\bot.cfg"), t.Read("bot\\mapcycle.txt"),
          t.Read("bot\\listenserver.cfg")};
}

ModTree BotmanTree() {
  return ModTree("Botman", [](GameTree& tree) { BotmanFiles(tree); });
}

TEST(ConfigCommand, ShowPrintsEveryControlThenThePlayListAndTheRoster) {
  ModTree t = BotmanTree();
  const CtlRun run = RunCtl(t.tree, {"config", "Botman", "show"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.rfind("BM_deathmatch=1\nBM_teamplay=0\nBM_numteam=2\nBM_fraglimit=25\n", 0), 0u)
      << run.out;
  EXPECT_NE(run.out.find("\nBM_botname=Iris\nBM_botmodel=gina\nBM_Botskill=2\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("\nBM_MapCycle=crossfire,stalkyard\nBM_ListBot=Iris,Rex\n"),
            std::string::npos);
}

TEST(ConfigCommand, ItemsAreWhatAControlTakesFromAList) {
  ModTree t = BotmanTree();
  const struct {
    const char* control;
    const char* out;
  } kCases[] = {
      {"BM_teamplay", "0\n1\n"},   // a radio button of a pair
      {"BM_footsteps", "0\n1\n"},  // a check box
      {"BM_fraglimit", ""},        // a number: no list
      {"BM_botname", ""},          // a text
      {"BM_MapCycle", ""},         // the play list
  };
  for (const auto& c : kCases) {
    const CtlRun run = RunCtl(t.tree, {"config", "Botman", "items", c.control});
    EXPECT_EQ(run.status, 0) << c.control << run.err;
    EXPECT_EQ(run.out, c.out) << c.control;
  }
  // The current bot's model: every model the window's drop-down offers.
  const CtlRun models = RunCtl(t.tree, {"config", "Botman", "items", "BM_botmodel"});
  EXPECT_NE(models.out.find("barney\n"), std::string::npos) << models.out;
  EXPECT_EQ(BotmanFilesOf(t), BotmanFilesOf(BotmanTree()));  // nothing written
}

TEST(ConfigCommand, SetWithoutChangesIsOpeningTheWindowAndApplying) {
  ModTree by_ctl = BotmanTree();
  ModTree by_window = BotmanTree();
  const CtlRun run = RunCtl(by_ctl.tree, {"config", "Botman", "set"});
  EXPECT_EQ(run.status, 0) << run.err;
  BotmanSettings doc(by_window.state);
  doc.Load();
  ASSERT_TRUE(doc.Checks().empty());
  doc.Save();
  EXPECT_EQ(BotmanFilesOf(by_ctl), BotmanFilesOf(by_window));
  EXPECT_NE(BotmanFilesOf(by_ctl).listen, kListenServer);  // it was written
}

TEST(ConfigCommand, ExitStatusesAndNothingWrittenUnlessApplied) {
  ModTree t = BotmanTree();
  const Files before = BotmanFilesOf(t);
  const struct {
    std::vector<std::string> args;
    int status;
    const char* err;  // a part of stderr
  } kCases[] = {
      {{"config", "Botman", "set", "BM_fraglimit=1000"},
       2,
       "BM_fraglimit accepts a whole number from 0 to 999"},
      {{"config", "Botman", "set", "BM_numteam=3"}, 2, "BM_numteam is disabled under DeathMatch"},
      {{"config", "Botman", "set", "BM_fraglimit=30", "BM_nothing=1"},
       2,
       "unknown control BM_nothing"},
      {{"config", "Botman", "set", "BM_fraglimit"}, 2, "is not CONTROL=VALUE"},
      {{"config", "Botmna", "show"}, 2, "unknown mod \"Botmna\""},
      {{"config", "Botman", "list"}, 2, "config needs show, set or items"},
      {{"config", "Botman", "items", "BM_nothing"}, 2, "unknown control BM_nothing"},
      {{"config", "Botman", "items"}, 2, "items takes one CONTROL"},
      {{"config", "Phineas", "show"}, 1, "not installed"},
      {{"config", "Botman", "--bot", "RealBot", "show"}, 2, "has no bot to choose"},
      {{"config", "Botman", "set", "BM_MapCycle="}, 1, "You must select a starting map."},
      {{"config", "Botman", "set", "BM_teamplay=1", "BM_ListBot=Iris,Rex", "BM_SBDelBot=1"},
       1,
       "You must select at least two teams for a teamplay.\norvanectl: You must have at least one "
       "bot to play."},
  };
  for (const auto& c : kCases) {
    const CtlRun run = RunCtl(t.tree, c.args);
    EXPECT_EQ(run.status, c.status) << c.args.back() << ": " << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_EQ(BotmanFilesOf(t), before) << c.args.back();
  }
  EXPECT_EQ(RunCtl(t.tree, {"configure"}).status, 2);
}

// Every command that names a mod decides the same way: a name it does not
// know is 2 with the nearest names on one line, a state of the tree is 1.
TEST(CtlRefusals, OneWayForEveryCommandWithTheNearestNames) {
  GameTree tree;
  DemoGame(tree);  // no bot chosen yet for the three mods of bots
  const struct {
    std::vector<std::string> args;
    int status;
    const char* err;  // all of stderr
  } kCases[] = {
      {{"config", "Botmn", "show"},
       2,
       "orvanectl: unknown mod \"Botmn\"; did you mean Botman? (orvanectl mods lists the "
       "installed ones)\n"},
      {{"launch", "cstrike"},
       2,
       "orvanectl: unknown mod \"cstrike\"; did you mean CStrike? "
       "(orvanectl mods lists the installed ones)\n"},
      {{"restore", "Quake"},
       2,
       "orvanectl: unknown mod \"Quake\" (orvanectl mods lists the installed ones)\n"},
      {{"lanch", "Botman"},
       2,
       "orvanectl: unknown command \"lanch\"; did you mean launch? (orvanectl --help lists "
       "them)\n"},
      {{"launch", "Botman", "--nostart"},
       2,
       "orvanectl: unknown option \"--nostart\"; did you mean --no-start? (orvanectl --help)\n"},
      {{"config", "CStrike", "--bot", "PODBot", "show"},
       2,
       "orvanectl: unknown bot \"PODBot\"; did you mean P.O.D.Bot? (orvanectl mods lists the "
       "bots of CStrike)\n"},
      {{"config", "CStrike", "show"},
       1,
       "orvanectl: You must select a bot first. (use --bot NAME; orvanectl mods lists the usable "
       "bots)\n"},
      {{"config", "TFC", "set", "TF_addmap=1"},
       1,
       "orvanectl: You must select a bot first. (use --bot NAME; orvanectl mods lists the usable "
       "bots)\n"},
      {{"launch", "Frontline", "--no-start"},
       1,
       "orvanectl: You must select a bot first. (use --bot NAME; orvanectl mods lists the usable "
       "bots)\n"},
  };
  for (const auto& c : kCases) {
    const std::string krv_before = ReadHostFileOr(tree.app_dir() / "KRV.ini");
    const CtlRun run = RunCtl(tree, c.args);
    EXPECT_EQ(run.status, c.status) << c.args[1];
    EXPECT_EQ(run.err, c.err) << c.args[1];
    EXPECT_EQ(run.out, "") << c.args[1];
    EXPECT_EQ(ReadHostFileOr(tree.app_dir() / "KRV.ini"), krv_before);
    EXPECT_FALSE(std::filesystem::exists(tree.app_dir() / "log.txt"));
  }
}

TEST(ConfigCommand, SetsUpALanPartyFromAScript) {
  ModTree t = BotmanTree();
  const CtlRun run =
      RunCtl(t.tree, {"config", "Botman", "set", "BM_teamplay=1", "BM_numteam=3", "BM_team1=gina",
                      "BM_team2=barney", "BM_team3=helmet", "BM_fraglimit=30",
                      "BM_MapCycle=boot_camp,crossfire,frenzy", "BM_SBCreeBot=1", "BM_botname=Ann",
                      "BM_botmodel=helmet", "BM_Botskill=5"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(t.Read("bot\\mapcycle.txt"), "crossfire\r\nfrenzy\r\n");
  const std::string bot = t.Read("bot\\bot.cfg");
  EXPECT_NE(bot.find("map boot_camp\r\n"), std::string::npos);
  EXPECT_NE(bot.find("addbot helmet Ann 5\r\npause 5\r\n"), std::string::npos) << bot;
  EXPECT_NE(t.Read("bot\\game.cfg").find("\"mp_teamlist\"\t\t\"gina;barney;helmet\""),
            std::string::npos);
  // show reads back what set wrote.
  const CtlRun shown = RunCtl(t.tree, {"config", "Botman", "show"});
  EXPECT_NE(shown.out.find("BM_team3=helmet\n"), std::string::npos);
}

TEST(ConfigCommand, PhineasStartingMapGoesToKrvIni) {
  ModTree t("Phineas", [](GameTree& tree) { PhineasFiles(tree); });
  const CtlRun run =
      RunCtl(t.tree, {"config", "Phineas", "set", "PH_MapCycle=datacore,frenzy", "PH_quantity=2"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(t.ReadApp("KRV.ini"), "[Phineas]\r\nFirst Map=datacore\r\n");
  EXPECT_EQ(t.Read("phineas\\mapcycle.txt"), "frenzy\r\n");
  EXPECT_NE(t.Read("phineas\\bots.ini").find("Quantity\t\t=2\r\n"), std::string::npos);
}

TEST(ConfigCommand, JumbotAndScihuntKeysTextPagesAndRefusals) {
  ModTree j("Jumbot", [](GameTree& tree) { JumbotFiles(tree); });
  const std::string jumbot_cfg = j.Read("jumbot\\jumbot.cfg");
  const CtlRun hidden =
      RunCtl(j.tree, {"config", "Jumbot", "set", "JB_bot_tripmines=0", "JB_bweap_tripmine=3"});
  EXPECT_EQ(hidden.status, 2);
  EXPECT_NE(hidden.err.find("JB_bweap_tripmine is hidden now"), std::string::npos) << hidden.err;
  EXPECT_EQ(j.Read("jumbot\\jumbot.cfg"), jumbot_cfg);
  const CtlRun run = RunCtl(j.tree, {"config", "Jumbot", "set", "JB_makewp=Num Keypad 5",
                                     "JB_remwp=", "JB_Moron=Hello\\nthere", "JB_bot_num=8"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(j.Read("jumbot\\morons.cfg"), "Hello\r\nthere\r\n");
  EXPECT_NE(j.Read("jumbot\\config.cfg").find("bind \"KP_5\" \"makewp\"\r\n"), std::string::npos);
  const CtlRun shown = RunCtl(j.tree, {"config", "Jumbot", "show"});
  EXPECT_NE(shown.out.find("\nJB_bot_num=8\n"), std::string::npos);
  EXPECT_NE(shown.out.find("\nJB_Moron=Hello\\nthere\n"), std::string::npos);

  ModTree s("Scihunt", [](GameTree& tree) { ScihuntFiles(tree); });
  const CtlRun sci = RunCtl(s.tree, {"config", "Scihunt", "set", "SH_realistic=Madness",
                                     "SH_AClear=1", "SH_Aweapon_rpg=1"});
  ASSERT_EQ(sci.status, 0) << sci.err;
  EXPECT_EQ(s.Read("scihunt\\arsenals\\kit.txt"), "weapon_rpg\r\n");
  // "Save" from a script waits for the others: a later refusal writes nothing.
  EXPECT_EQ(RunCtl(s.tree, {"config", "Scihunt", "set", "SH_Aweapon_egon=1", "SH_ASave=1",
                            "SH_realistic=Chaos"})
                .status,
            2);
  EXPECT_EQ(s.Read("scihunt\\arsenals\\kit.txt"), "weapon_rpg\r\n");
}

}  // namespace
}  // namespace orvane::test

namespace orvane::test {
namespace {

TEST(CtlOptions, DirectoryCommandAndRestore) {
  ModTree t = BotmanTree();
  t.tree.File("retail\\cstrike.exe");
  // directory: shown, refused where the program is not, stored where it is.
  // Through Wine (any program stands in for it), since the game is no Steam install.
  setenv("WINE", "/bin/true", 1);
  EXPECT_EQ(RunCtl(t.tree, {"directory"}).out,
            "HLPath=" + t.tree.HLPath() +
                "\nHLExe=hl.exe\nBuild=Windows (through Wine)\nFound=stored (the launcher's "
                "settings)\nStart=/bin/true " +
                (t.tree.hl_dir() / "hl.exe").string() + "\n");
  const std::string retail = t.tree.HLPath() + "\\retail";
  CtlRun run = RunCtl(t.tree, {"directory", retail});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("hl.exe can't be found in " + t.tree.Shown("retail")), std::string::npos)
      << run.err;
  EXPECT_EQ(RunCtl(t.tree, {"directory", retail, "--program", "quake.exe"}).status, 2);
  run = RunCtl(t.tree, {"directory", retail, "--program", "cstrike.exe"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(RunCtl(t.tree, {"directory"}).out,
            "HLPath=" + retail +
                "\nHLExe=cstrike.exe\nBuild=Windows (through Wine)\nFound=stored (the launcher's "
                "settings)\nStart=/bin/true " +
                (t.tree.hl_dir() / "retail" / "cstrike.exe").string() + "\n");
  unsetenv("WINE");

  // command: refused naming the word, or stored as typed.
  run = RunCtl(t.tree, {"command", "-game x +map y"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("The command 'map' is already used by KRV."), std::string::npos);
  EXPECT_EQ(RunCtl(t.tree, {"command", " +MAP crossfire "}).status, 0);
  EXPECT_EQ(RunCtl(t.tree, {"command"}).out, " +MAP crossfire \n");
}

TEST(CtlOptions, RestoreListsOrPutsBackTheOriginals) {
  ModTree t = BotmanTree();  // its start-up made bot.bak and game.bak
  const std::string original = t.Read("bot\\bot.cfg");
  t.tree.File("bot\\bot.cfg", "changed");
  CtlRun run = RunCtl(t.tree, {"restore", "Botman", "--dry-run"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("would restore " + t.tree.HLPath() + "\\bot\\bot.cfg"), std::string::npos)
      << run.out;
  EXPECT_EQ(t.Read("bot\\bot.cfg"), "changed");
  run = RunCtl(t.tree, {"restore", "Botman"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(t.Read("bot\\bot.cfg"), original);
  EXPECT_EQ(RunCtl(t.tree, {"restore", "Botmna"}).status, 2);
  EXPECT_EQ(RunCtl(t.tree, {"restore", "Phineas"}).status, 1);  // not installed
}

// Reading writes nothing: after a first command (which may store what a first
// run stores), listing, showing and printing leave the store and KRV.ini as
// they are on disk, not rewritten with the same bytes.
TEST(CtlRefusals, ReadOnlyCommandsLeaveTheStoreAndKrvIniUntouched) {
  namespace fs = std::filesystem;
  ModTree t = BotmanTree();
  ASSERT_EQ(RunCtl(t.tree, {"config", "Botman", "set", "BM_fraglimit=12"}).status, 0);
  const fs::path store = t.tree.registry_file();
  const fs::path krv = t.tree.app_dir() / "KRV.ini";
  ASSERT_TRUE(fs::exists(store));
  const auto stamp = [](const fs::path& file) {
    struct stat st {};
    ::stat(file.c_str(), &st);
    return std::pair{st.st_ino, st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec};
  };
  const auto store_before = stamp(store);
  const auto krv_before = stamp(krv);
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"mods"},
                                             {"directory"},
                                             {"command"},
                                             {"config", "Botman", "show"},
                                             {"restore", "Botman", "--dry-run"}}) {
    EXPECT_EQ(RunCtl(t.tree, args).status, 0) << args.front();
    EXPECT_EQ(stamp(store), store_before) << args.front() << " rewrote the store";
    EXPECT_EQ(stamp(krv), krv_before) << args.front() << " rewrote KRV.ini";
  }
}

// Scripts run at the same moment each keep their change: one writer at a
// time, each reading what the one before wrote. While another Orvane holds the
// files, a run waits, and past its patience says so and writes nothing.
TEST(CtlRefusals, ParallelScriptsEachKeepTheirChange) {
  ModTree t = BotmanTree();
  for (int round = 0; round < 8; ++round) {
    const std::string frags = std::to_string(40 + round);
    const std::string minutes = std::to_string(50 + round);
    const std::string skill = std::to_string(1 + round % 5);
    const std::vector<CtlRun> runs =
        RunCtlTogether(t.tree, {{"config", "Botman", "set", "BM_fraglimit=" + frags},
                                {"config", "Botman", "set", "BM_timelimit=" + minutes},
                                {"config", "Botman", "set", "BM_defskill=" + skill}});
    for (const CtlRun& run : runs) ASSERT_EQ(run.status, 0) << run.err;
    const std::string shown = RunCtl(t.tree, {"config", "Botman", "show"}).out;
    EXPECT_NE(shown.find("BM_fraglimit=" + frags + "\n"), std::string::npos) << round;
    EXPECT_NE(shown.find("BM_timelimit=" + minutes + "\n"), std::string::npos) << round;
    EXPECT_NE(shown.find("BM_defskill=" + skill + "\n"), std::string::npos) << round;
  }

  const Files before = BotmanFilesOf(t);
  const std::optional<WriterLock> held = WriterLock::Take(t.tree.root() / "share" / "orvane");
  ASSERT_TRUE(held.has_value());
  const CtlRun refused = RunCtl(t.tree, {"config", "Botman", "set", "BM_fraglimit=7"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err,
            "orvanectl: another Orvane is writing these files; try again; nothing was written.\n");
  EXPECT_EQ(BotmanFilesOf(t), before);
}

}  // namespace
}  // namespace orvane::test
