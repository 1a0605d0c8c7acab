// The mod table and the registry of documents and launch files hold one row
// per mod, in the same order: a mod added to one and not the other fails here.
#include "editors/ModRegistry.h"

#include <gtest/gtest.h>

#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "support/ModTree.h"

namespace orvane::test {
namespace {

// The demo tree with the launcher's settings read, as at start-up.
LauncherState DemoState(GameTree& tree) {
  DemoGame(tree);
  LauncherState state = tree.State();
  RegistryStore store = tree.Store();
  ReadLauncherSettings(state, store);
  return state;
}

TEST(ModRegistry, OneRowPerModOfTheTableEachMakingItsOwnDocument) {
  GameTree tree;
  LauncherState state = DemoState(tree);
  ASSERT_EQ(ModRegistrations().size(), Mods().size());
  for (size_t i = 0; i < Mods().size(); ++i) {
    const ModInfo& mod = Mods()[i];
    const ModRegistration& row = ModRegistrations()[i];
    EXPECT_EQ(row.key, mod.key);
    EXPECT_EQ(row.write_launch_files != nullptr, mod.launch == LaunchWork::kBotFiles) << mod.key;
    const std::unique_ptr<EditorSettings> doc = MakeSettings(state, mod.key, "P.O.D.Bot");
    ASSERT_NE(doc, nullptr) << mod.key;
    EXPECT_EQ(doc->mod().key, mod.key);
  }
  EXPECT_EQ(MakeSettings(state, "Quake"), nullptr);
  EXPECT_EQ(FindRegistration("cstrike"), nullptr);  // keys are exact
}

// Each option's default stands once: a row's reset is what the default file
// record holds, for every table of every mod bound to a record.
TEST(ModRegistry, EveryRowResetsToTheRecordsDefault) {
  GameTree tree;
  LauncherState state = DemoState(tree);
  for (const ModInfo& mod : Mods()) {
    const std::unique_ptr<EditorSettings> doc = MakeSettings(state, mod.key, "P.O.D.Bot");
    for (const DocumentPart& part : doc->parts()) {
      if (part.options == nullptr) continue;
      for (const std::string& row : part.options->ResetsOtherThanRecord()) {
        ADD_FAILURE() << mod.key << ": " << row;
      }
    }
  }
}

}  // namespace
}  // namespace orvane::test
