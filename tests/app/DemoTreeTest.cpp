#include "app/DemoTree.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "app/Wiring.h"
#include "core/Launch.h"
#include "core/LauncherSettings.h"
#include "core/ModTable.h"
#include "core/Startup.h"
#include "editors/CstrikeFiles.h"
#include "editors/CstrikeLaunch.h"
#include "editors/ModRegistry.h"
#include "editors/ScihuntFiles.h"
#include "platform/GameStart.h"
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

// The Steam demo: found through Steam's files alone, every mod installed,
// and the launch reaches the stand-in Steam client with the log's words.
TEST(DemoGameTree, SteamLayoutIsFoundAndStartsThroughTheStandInSteam) {
  GameTree tree;
  tree.Registry({{"AppPath", tree.AppPath()}}).ShippedData();
  const std::filesystem::path game =
      BuildDemoSteamLibrary(tree.SteamRoot(), tree.root() / "bin", ORVANE_STEAM_STANDIN);
  LauncherState state = tree.State();
  RegistryStore store = tree.Store();
  ReadLauncherSettings(state, store);
  ASSERT_EQ(state.game_source, GameSource::kSteam);
  EXPECT_EQ(state.hl_path, game.string());
  ASSERT_TRUE(GameProgramFound(state));
  // Natively only the add-ons with a Linux library can run: Counter-Strike's
  // YaPB, POD-Bot MM and RealBot as Metamod plugins; TFC's and Front Line
  // Force's are Windows only.
  for (const ModInfo& mod : Mods()) {
    const bool windows_only_bots = mod.key == "TFC" || mod.key == "Frontline";
    EXPECT_EQ(ModButtonShown(state, mod), !windows_only_bots) << mod.key;
  }
  SelectMod(state, "CStrike");
  EXPECT_EQ(state.bot_choice.names, (std::vector<std::string>{"POD-Bot MM", "RealBot", "YaPB"}));
  EXPECT_FALSE(std::filesystem::exists(game / "hl.exe"));

  SelectMod(state, "Jumbot");
  const std::string path = std::getenv("PATH");
  setenv("PATH", ((tree.root() / "bin").string() + ":" + path).c_str(), 1);
  setenv("ORVANE_STANDIN_QUIET", "1", 1);
  const LaunchResult result = LaunchSelectedMod(state, {}, StartGame);
  setenv("PATH", path.c_str(), 1);
  ASSERT_EQ(result.outcome, LaunchResult::kStarted) << result.error;
  const std::filesystem::path out = game / "standin-launch.txt";
  for (int i = 0; i < 200 && ReadHostFileOr(out).find("arg=boot_camp") == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  EXPECT_EQ(ReadHostFileOr(out), "cwd=" + std::filesystem::canonical(game).string() +
                                     "\narg=-applaunch\narg=70\narg=-console\narg=-game\n"
                                     "arg=jumbot\narg=+sv_lan\narg=1\narg=+maxplayers\narg=32\n"
                                     "arg=+connect\narg=+map\narg=boot_camp\n");
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
    const std::unique_ptr<EditorSettings> doc = MakeSettings(state, mod, state.bot_choice.text);
    const Messages messages = doc->Load();
    EXPECT_TRUE(messages.empty()) << mod << ": " << (messages.empty() ? "" : messages[0].text);
    EXPECT_TRUE(doc->Checks().empty()) << mod;
    EXPECT_FALSE(doc->roster.items.empty()) << mod;
  }
  // Every bot of the three catalogues can be chosen, configured and launched.
  for (const auto& [mod, bots] :
       {std::pair{"CStrike", 8u}, std::pair{"TFC", 3u}, std::pair{"Frontline", 2u}}) {
    SelectMod(state, mod);
    ASSERT_TRUE(LoadBotChoice(state, mod));
    EXPECT_EQ(state.bot_choice.names.size(), bots) << mod;
    for (const std::string& bot : std::vector<std::string>(state.bot_choice.names)) {
      ASSERT_TRUE(ChooseBot(state, bot));
      const std::unique_ptr<EditorSettings> doc = MakeSettings(state, mod, state.bot_choice.text);
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
