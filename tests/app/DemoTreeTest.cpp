#include "app/DemoTree.h"

#include <gtest/gtest.h>

#include "app/Documents.h"
#include "app/Wiring.h"
#include "core/Launch.h"
#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "core/Startup.h"
#include "editors/CstrikeFiles.h"
#include "editors/CstrikeLaunch.h"
#include "editors/ScihuntFiles.h"
#include "platform/TextFile.h"
#include "support/ModTree.h"

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

// The demo's files are what the windows read: each loads without a message.
TEST(DemoGameTree, EachModsFilesReadWithoutAProblem) {
  GameTree tree;
  DemoGame(tree);
  LauncherState state = tree.State();
  RegistryStore store = tree.Store();
  struct Strict final : StartupReporter {
    void ReportError(const std::string& m, const std::string& d) override {
      ADD_FAILURE() << m << d;
    }
  } reporter;
  InitLauncher(state, store, LauncherStartupHooks(state, store), reporter);
  for (const char* mod :
       {"Botman", "Phineas", "Jumbot", "Scihunt", "Rocket", "Action", "Firebot"}) {
    const std::unique_ptr<EditorSettings> doc = MakeSettings(state, mod);
    const Messages messages = doc->Load();
    EXPECT_TRUE(messages.empty()) << mod << ": " << (messages.empty() ? "" : messages[0].text);
    EXPECT_TRUE(doc->Checks().empty()) << mod;
    EXPECT_FALSE(doc->roster.items.empty()) << mod;
  }
  // Every bot of the three catalogues can be chosen, configured and launched.
  for (const auto& [mod, bots] :
       {std::pair{"CStrike", 6u}, std::pair{"TFC", 3u}, std::pair{"Frontline", 2u}}) {
    SelectMod(state, mod);
    ASSERT_TRUE(LoadBotChoice(state, mod));
    EXPECT_EQ(state.bot_choice.names.size(), bots) << mod;
    for (const std::string& bot : std::vector<std::string>(state.bot_choice.names)) {
      ASSERT_TRUE(ChooseBot(state, bot));
      const std::unique_ptr<EditorSettings> doc = MakeSettings(state, mod);
      const Messages messages = doc->Load();
      EXPECT_TRUE(messages.empty()) << bot << ": " << (messages.empty() ? "" : messages[0].detail);
      EXPECT_TRUE(doc->Checks().empty()) << bot;
      ASSERT_GE(doc->roster.items.size(), 2u) << bot;
      EXPECT_NE(doc->roster.items[0].skill, "0") << bot;  // a skill of the bot's own scale
      EXPECT_NO_THROW(PrepareLaunch(state, LauncherLaunchHooks())) << bot;
    }
  }
  EXPECT_EQ(ParsePodSkills(ReadLines(tree.HLPath() + "\\cstrike\\PODBot\\botskill.cfg"))[5][7],
            "85");
}

}  // namespace
}  // namespace orvane::test
