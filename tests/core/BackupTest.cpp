#include "core/Backup.h"

#include <gtest/gtest.h>

#include "core/LauncherSettings.h"
#include "support/GameTree.h"

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
