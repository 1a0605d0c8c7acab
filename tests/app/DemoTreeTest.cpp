#include "app/DemoTree.h"

#include <gtest/gtest.h>

#include "app/Documents.h"
#include "app/Wiring.h"
#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "core/Startup.h"
#include "editors/JumbotFiles.h"
#include "editors/ScihuntFiles.h"
#include "platform/TextFile.h"
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

// The demo's files are what the windows read: each loads without a message.
TEST(DemoGameTree, EachModsFilesReadWithoutAProblem) {
  GameTree tree;
  tree.StandardRegistry().ShippedData();
  BuildDemoGameTree(tree.hl_dir(), {});
  LauncherState state = tree.State();
  RegistryStore store = tree.Store();
  struct Strict final : StartupReporter {
    void ReportError(const std::string& m, const std::string& d) override {
      ADD_FAILURE() << m << d;
    }
  } reporter;
  InitLauncher(state, store, LauncherStartupHooks(state, store), reporter);
  for (const char* mod : {"Botman", "Phineas"}) {
    const std::unique_ptr<EditorSettings> doc = MakeSettings(state, mod);
    const Messages messages = doc->Load();
    EXPECT_TRUE(messages.empty()) << mod << ": " << (messages.empty() ? "" : messages[0].text);
    EXPECT_TRUE(doc->Checks().empty()) << mod;
    EXPECT_FALSE(doc->roster.items.empty()) << mod;
  }
  const auto lines = [&tree](const char* file) { return ReadLines(tree.HLPath() + "\\" + file); };
  JumbotCfg jumbot;
  ParseJumbotCfg(
      lines("jumbot\\jumbot.cfg"), "jumbot.cfg", [](std::string_view) { return true; },
      JumbotFlavour::kJumbot, jumbot);
  EXPECT_EQ(jumbot.start_maps, std::vector<std::string>{"crossfire"});
  EXPECT_EQ(ParseJumbotRoster(lines("jumbot\\bots.cfg"), "bots.cfg").size(), 2u);
  JumbotCfg scihunt;
  ParseJumbotCfg(
      lines("scihunt\\botfiles\\jumbot.cfg"), "jumbot.cfg", [](std::string_view) { return true; },
      JumbotFlavour::kScihunt, scihunt);
  EXPECT_EQ(scihunt.chatfile, "botchat.cfg");
  ShConfig sh;
  ParseShConfig(lines("scihunt\\Shconfig.cfg"), "Shconfig.cfg", sh);
  ScihuntGameCfg game;
  ParseScihuntGameCfg(lines("scihunt\\game.cfg"), "game.cfg", game);
  EXPECT_EQ(game.weapfileloc, "starteqp.txt");
  EXPECT_TRUE(tree.Exists("scihunt\\arsenals\\starteqp.txt"));
  EXPECT_EQ(ParseScihuntChat(lines("scihunt\\botfiles\\botchat.cfg")).after_dying,
            std::vector<std::string>{"Not again, %!"});
}

}  // namespace
}  // namespace orvane::test
