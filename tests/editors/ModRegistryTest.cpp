// The mod table and the registry of documents and launch files hold one row
// per mod, in the same order: a mod added to one and not the other fails here.
#include "editors/ModRegistry.h"

#include <gtest/gtest.h>

#include <map>

#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "platform/FileSystem.h"
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

// A load asks about the maps directory, its waypoints and configs from
// several parts (the available maps, the map cycle's check, the marks): each
// directory is listed from the disk once per load.
TEST(ModRegistry, EachLoadListsEachDirectoryOnce) {
  GameTree tree;
  LauncherState state = DemoState(tree);
  const std::map<std::string_view, std::string> kBot = {
      {"CStrike", "P.O.D.Bot"}, {"TFC", "Abot"}, {"Frontline", "AgroBot"}};
  for (const ModInfo& mod : Mods()) {
    const auto bot = kBot.find(mod.key);
    const std::unique_ptr<EditorSettings> doc =
        MakeSettings(state, mod.key, bot == kBot.end() ? "" : bot->second);
    std::map<std::string, int> listed;
    ObserveDirectoryListings([&listed](const std::string& dir) { ++listed[dir]; });
    doc->Load();
    ObserveDirectoryListings(nullptr);
    EXPECT_FALSE(listed.empty()) << mod.key;
    for (const auto& [dir, times] : listed) EXPECT_EQ(times, 1) << mod.key << ": " << dir;
  }
}

}  // namespace
}  // namespace orvane::test
