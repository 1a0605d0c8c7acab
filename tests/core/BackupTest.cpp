#include "core/Backup.h"

#include <gtest/gtest.h>

#include "core/LauncherSettings.h"
#include "platform/FileError.h"
#include "support/GameTree.h"
#include "support/ModTree.h"

namespace orvane::test {
namespace {

// Reads the settings as start-up does, then runs the pass.
void RunBackup(GameTree& tree, LauncherState& state) {
  RegistryStore store = tree.Store();
  ReadLauncherSettings(state, store);
  FirstRunBackup(state, store);
}

std::string MarkerLines(const GameTree& tree) {
  std::string lines;
  const std::string text = ReadHostFile(tree.registry_file());
  for (const char* prefix : {"AC", "BM", "CS", "FB", "FL", "JB", "PH", "RC", "SH", "TF"}) {
    const std::string name = std::string("\"") + prefix + "_First\"=";
    const size_t at = text.find(name);
    lines += at == std::string::npos
                 ? "-"
                 : text.substr(at + name.size(), text.find('\n', at) - at - name.size());
    lines += ' ';
  }
  return lines;
}

TEST(FirstRunBackup, CopiesOnceAndSeedsTheServerFile) {
  GameTree tree;
  tree.StandardRegistry()
      .File("valve\\game.cfg", "valve cfg")
      .File("valve\\config.cfg", "valve keys")
      .File("action\\bots.ini", "bots")
      .File("cstrike\\settings.scr", "scr")
      .File("phineas\\bots.ini", "ph bots")
      .File("jumbot\\game.cfg", "jb cfg")
      .File("jumbot\\game.bak", "older backup")
      .File("scihunt\\botfiles\\bots.cfg", "sh bots");
  LauncherState state = tree.State();
  RunBackup(tree, state);

  // Action: game.cfg seeded from valve, no game.bak; bots.ini copied.
  EXPECT_EQ(tree.Read("action\\game.cfg"), "valve cfg");
  EXPECT_FALSE(tree.Exists("action\\game.bak"));
  EXPECT_EQ(tree.Read("action\\bots.bak"), "bots");
  // CStrike has no seed: without game.cfg only settings.scr is kept.
  EXPECT_FALSE(tree.Exists("cstrike\\game.cfg"));
  EXPECT_EQ(tree.Read("cstrike\\settings.bak"), "scr");
  // Phineas seeds both files from valve.
  EXPECT_EQ(tree.Read("phineas\\config.cfg"), "valve keys");
  EXPECT_EQ(tree.Read("phineas\\bots.bak"), "ph bots");
  // An existing backup is never overwritten.
  EXPECT_EQ(tree.Read("jumbot\\game.bak"), "older backup");
  EXPECT_EQ(tree.Read("scihunt\\botfiles\\bots.bak"), "sh bots");
  // Installed mods get "N", the others an empty marker, all ten written.
  EXPECT_EQ(MarkerLines(tree), "\"N\" \"\" \"N\" \"\" \"\" \"N\" \"N\" \"\" \"N\" \"\" ");

  // A marked mod is never treated again, even when its backup is gone.
  std::filesystem::remove(tree.hl_dir() / "action" / "bots.bak");
  LauncherState again = tree.State();
  RunBackup(tree, again);
  EXPECT_FALSE(tree.Exists("action\\bots.bak"));
}

TEST(FirstRunBackup, NoGameDirectoryStillWritesTenEmptyMarkers) {
  GameTree tree;
  tree.Registry({{"AppPath", tree.AppPath()}, {"AC_First", "N"}});
  LauncherState state = tree.State();
  RunBackup(tree, state);
  EXPECT_EQ(MarkerLines(tree), "\"N\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" \"\" ");
}

TEST(FirstRunBackup, AnUnreadableStoreKeepsItsBytes) {
  GameTree tree;
  const std::string broken =
      "WINE REGISTRY Version 2\n[Software\\\\Tarrow Inc.\\\\KRV]\nHLPath=x\n";
  tree.RegistryText(broken).Dir("bot");
  LauncherState state = tree.State();
  state.hl_path = tree.HLPath();
  SetModDirectories(state);
  RegistryStore store = tree.Store();
  EXPECT_NO_THROW(FirstRunBackup(state, store));
  EXPECT_EQ(ReadHostFile(tree.registry_file()), broken);
  EXPECT_EQ(state.first_markers[1], "N");  // the pass itself ran
}

}  // namespace
}  // namespace orvane::test

namespace orvane::test {
namespace {

// A tree whose first start-up made the ".bak" copies, then changed files.
struct BackedUp {
  BackedUp() {
    tree.StandardRegistry()
        .File("valve\\game.cfg", "valve cfg")
        .File("bot\\game.cfg", "bot game\r\n")
        .File("bot\\bot.cfg", "addbot gina Iris\r\n")
        .File("phineas\\bots.ini", "[Bot]\r\nName=Ph\r\n")
        .File("action\\bots.ini", "[Bot]\r\nName=Ac\r\n")
        .File("jumbot\\bots.cfg", "jb bots")
        .File("scihunt\\botfiles\\bots.cfg", "sh bots");
    state = tree.State();
    RunBackup(tree, state);
    for (const char* file :
         {"bot\\game.cfg", "bot\\bot.cfg", "phineas\\bots.ini", "action\\bots.ini",
          "jumbot\\bots.cfg", "scihunt\\botfiles\\bots.cfg"}) {
      tree.File(file, "changed by the launcher");
    }
  }
  GameTree tree;
  LauncherState state;
};

TEST(RestoreOriginalFiles, PutsBackEachBackupOfTheMod) {
  BackedUp b;
  EXPECT_EQ(ModsWithBackups(b.state),
            (std::vector<std::string>{"Action", "Botman", "Jumbot", "Phineas", "Scihunt"}));
  const RestorePlan botman = PlanRestore(b.state, "Botman");
  ASSERT_EQ(botman.files.size(), 2u);
  EXPECT_EQ(botman.files[0].file, "game.cfg");
  EXPECT_EQ(botman.files[1].file, "bot.cfg");
  EXPECT_FALSE(botman.game_cfg_seeded);
  RestoreOriginalFiles(botman);
  EXPECT_EQ(b.tree.Read("bot\\game.cfg"), "bot game\r\n");
  EXPECT_EQ(b.tree.Read("bot\\bot.cfg"), "addbot gina Iris\r\n");
  EXPECT_EQ(b.tree.Read("bot\\bot.bak"), "addbot gina Iris\r\n");  // the copy stays

  // bots.bak goes back to bots.ini for Action and Phineas, to bots.cfg for
  // Jumbot and Sci-hunt.
  const struct {
    const char* mod;
    const char* file;
    const char* original;
  } kBots[] = {{"Phineas", "phineas\\bots.ini", "[Bot]\r\nName=Ph\r\n"},
               {"Action", "action\\bots.ini", "[Bot]\r\nName=Ac\r\n"},
               {"Jumbot", "jumbot\\bots.cfg", "jb bots"},
               {"Scihunt", "scihunt\\botfiles\\bots.cfg", "sh bots"}};
  for (const auto& row : kBots) {
    const RestorePlan plan = PlanRestore(b.state, row.mod);
    EXPECT_TRUE(plan.game_cfg_seeded) << row.mod;  // game.cfg was made from valve's
    RestoreOriginalFiles(plan);
    EXPECT_EQ(b.tree.Read(row.file), row.original) << row.mod;
  }
  EXPECT_EQ(b.tree.Read("phineas\\game.cfg"), "valve cfg");  // no original: left alone
  EXPECT_TRUE(PlanRestore(b.state, "CStrike").files.empty());
}

TEST(RestoreOriginalFiles, AFailedWriteLeavesEveryFileAsItWas) {
  BackedUp b;
  b.tree.File("bot\\bot.bak", std::string(10000, 'x'));
  const RestorePlan plan = PlanRestore(b.state, "Botman");
  {
    const FileSizeLimit full_disk(4096);
    EXPECT_THROW(RestoreOriginalFiles(plan), FileError);
  }
  EXPECT_EQ(b.tree.Read("bot\\game.cfg"), "changed by the launcher");
  EXPECT_EQ(b.tree.Read("bot\\bot.cfg"), "changed by the launcher");
}

}  // namespace
}  // namespace orvane::test
