#include "app/DemoTree.h"

#include <gtest/gtest.h>

#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {

TEST(DemoGameTree, EveryModIsInstalledAndEditsSurviveARebuild) {
  GameTree tree;
  tree.StandardRegistry().ShippedData();
  const std::filesystem::path program = tree.root() / "standin.exe";
  WriteHostFile(program, "MZ stand-in");
  BuildDemoGameTree(tree.hl_dir(), program);

  LauncherState state = tree.State();
  RegistryStore store = tree.Store();
  ReadLauncherSettings(state, store);
  ASSERT_TRUE(GameProgramFound(state));
  for (const ModInfo& mod : Mods()) EXPECT_TRUE(ModButtonShown(state, mod)) << mod.key;
  EXPECT_NE(tree.Read("ORVANE-DEMO.txt").find("demo"), std::string::npos);

  // The player's edits stay; the stand-in follows a rebuilt program.
  tree.File("bot\\bot.cfg", "edited");
  WriteHostFile(program, "MZ rebuilt");
  BuildDemoGameTree(tree.hl_dir(), program);
  EXPECT_EQ(tree.Read("bot\\bot.cfg"), "edited");
  EXPECT_EQ(tree.Read("hl.exe"), "MZ rebuilt");
}

}  // namespace
}  // namespace orvane::test
