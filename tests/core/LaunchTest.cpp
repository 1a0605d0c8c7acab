#include "core/Launch.h"

#include <gtest/gtest.h>

#include "core/LauncherSettings.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {

// A tree with the given mod directories, its settings read as start-up does.
LauncherState Prepared(GameTree& tree, const std::string& mod,
                       const std::vector<std::pair<std::string, std::string>>& registry = {}) {
  tree.StandardRegistry(registry).File("hl.exe");
  LauncherState state = tree.State();
  RegistryStore store = tree.Store();
  ReadLauncherSettings(state, store);
  SelectMod(state, mod);
  return state;
}

TEST(BuildCommandLine, BothFormsAndTheAdditionalCommand) {
  struct Row {
    const char* mod;
    const char* auto_start;
    const char* krv_ini;  // AppPath\KRV.ini
    const char* expected;
  };
  const Row rows[] = {
      {"Botman", "O", "", " -console -game bot +sv_lan 1 +maxplayers 32 +connect +map boot_camp"},
      {"TFC", "O", "", " -console -game tfc +sv_lan 1 +maxplayers 32 +connect +map 2fort"},
      {"Rocket", "N", "", " -nointro -console -game rockcrowbar +maxplayers 32"},
      {"Botman", "N", "[KRV]\r\nCommand=+mp_timelimit 30\r\n",
       " -nointro -console -game bot +maxplayers 32 +mp_timelimit 30"},
      {"Botman", "N", "[KRV]\r\nCommand=   \r\n", " -nointro -console -game bot +maxplayers 32"},
      // The profile read trims blanks, as Windows' does ...
      {"Firebot", "N", "[KRV]\r\nCommand= +x 1 \r\n",
       " -nointro -console -game firearms +maxplayers 32 +x 1"},
      // ... and keeps them inside quotes.
      {"Firebot", "N", "[KRV]\r\nCommand=\" +x 1 \"\r\n",
       " -nointro -console -game firearms +maxplayers 32  +x 1 "},
      {"Jumbot", "", "[Jumbot]\r\nFirst Map=stalkyard\r\n",
       " -console -game jumbot +sv_lan 1 +maxplayers 32 +connect +map stalkyard"},
      {"Action", "O", "[Action]\r\nFirst Map= \r\n",
       " -console -game action +sv_lan 1 +maxplayers 32 +connect +map 110hst"},
  };
  for (const Row& row : rows) {
    GameTree tree;
    tree.AppFile("KRV.ini", row.krv_ini);
    LauncherState state = Prepared(tree, row.mod, {{"AutoStart", row.auto_start}});
    EXPECT_EQ(BuildCommandLine(state), row.expected) << row.mod << " " << row.krv_ini;
  }
}

struct StartRecorder {
  std::vector<std::string> calls;
  StartResult answer{true, ""};
  ProgramStarter Starter() {
    return [this](std::string_view program, std::string_view parameters, std::string_view dir) {
      calls.push_back(std::string(program) + "|" + std::string(parameters) + "|" +
                      std::string(dir));
      return answer;
    };
  }
};

TEST(LaunchSelectedMod, WritesLogThenStartsTheGameInItsDirectory) {
  GameTree tree;
  LauncherState state = Prepared(tree, "Botman");
  state.map_list = {"boot_camp.bsp"};
  state.model_list = {"gina"};
  int dropped = 0;
  LaunchHooks hooks;
  hooks.drop_rosters = [&dropped] { ++dropped; };
  StartRecorder recorder;
  const LaunchResult result = LaunchSelectedMod(state, hooks, recorder.Starter());
  const std::string line = " -console -game bot +sv_lan 1 +maxplayers 32 +connect +map boot_camp";
  EXPECT_EQ(result.outcome, LaunchResult::kStarted);
  EXPECT_EQ(ReadHostFile(tree.app_dir() / "log.txt"), line + "\r\n");
  ASSERT_EQ(recorder.calls.size(), 1u);
  EXPECT_EQ(recorder.calls[0], tree.HLPath() + "\\hl.exe|" + line + "|" + tree.HLPath());
  // The rosters go; the catalogues stay for the next editor.
  EXPECT_EQ(dropped, 1);
  EXPECT_EQ(state.map_list, std::vector<std::string>{"boot_camp.bsp"});
  EXPECT_EQ(state.model_list, std::vector<std::string>{"gina"});
}

TEST(LaunchSelectedMod, AFailedStartIsReportedNotSuccess) {
  GameTree tree;
  LauncherState state = Prepared(tree, "Jumbot");
  StartRecorder recorder;
  recorder.answer = {false, "The program hl.exe does not exist."};
  const LaunchResult result = LaunchSelectedMod(state, {}, recorder.Starter());
  EXPECT_EQ(result.outcome, LaunchResult::kStartFailed);
  EXPECT_EQ(result.error, "The program hl.exe does not exist.");
}

TEST(LaunchSelectedMod, CatalogueModWithoutABotWritesNothing) {
  GameTree tree;
  tree.ShippedData().Dir("cstrike");
  LauncherState state = Prepared(tree, "CStrike");
  bool hook_ran = false;
  LaunchHooks hooks;
  hooks.bot_files = [&hook_ran](const LauncherState&, std::string_view, const std::string&) {
    hook_ran = true;
  };
  StartRecorder recorder;
  EXPECT_EQ(LaunchSelectedMod(state, hooks, recorder.Starter()).outcome, LaunchResult::kNoBot);
  EXPECT_FALSE(hook_ran);
  EXPECT_TRUE(recorder.calls.empty());
  EXPECT_FALSE(std::filesystem::exists(tree.app_dir() / "log.txt"));
}

TEST(LaunchSelectedMod, ChosenBotReachesTheModsHook) {
  GameTree tree;
  tree.ShippedData().File("cstrike\\PODBot\\podbot.dll");
  LauncherState state = Prepared(tree, "CStrike");
  ASSERT_TRUE(ChooseBot(state, "p.o.d.bot"));  // any case, as typed in a shortcut
  std::string bot;
  LaunchHooks hooks;
  hooks.bot_files = [&bot](const LauncherState&, std::string_view mod, const std::string& name) {
    bot = std::string(mod) + "/" + name;
  };
  EXPECT_EQ(LaunchSelectedMod(state, hooks, nullptr).outcome, LaunchResult::kWritten);
  EXPECT_EQ(bot, "CStrike/P.O.D.Bot");
}

TEST(PrepareLaunch, OurMessageOfTheDayAndBotmansMapsGo) {
  struct Row {
    const char* mod;
    const char* dir;
    const char* motd;
    bool motd_stays;
  };
  const Row rows[] = {{"Botman", "bot", "Welcome, made by Orvane 8.2", false},
                      {"Botman", "bot", "The server's own message (orvane)", true},
                      {"Phineas", "phineas", "Orvane", false},
                      {"Jumbot", "jumbot", "Orvane", true}};
  for (const Row& row : rows) {
    GameTree tree;
    const std::string dir = row.dir;
    tree.File(dir + "\\motd.txt", row.motd)
        .File(dir + "\\maps\\crossfire.txt", "x")
        .File(dir + "\\maps\\Hidden.RES", "y");
    LauncherState state = Prepared(tree, row.mod);
    PrepareLaunch(state, {});
    EXPECT_EQ(tree.Exists(dir + "\\motd.txt"), row.motd_stays) << row.mod << " " << row.motd;
    // Only Botman loses its maps directory, files and all.
    EXPECT_EQ(tree.Exists(dir + "\\maps"), row.mod != std::string("Botman")) << row.mod;
  }
}

TEST(PrepareLaunch, BotmanMapsWithASubdirectoryKeepWhatCannotGo) {
  GameTree tree;
  tree.File("bot\\maps\\a.txt", "x").File("bot\\maps\\sub\\b.txt", "y");
  LauncherState state = Prepared(tree, "Botman");
  EXPECT_NO_THROW(PrepareLaunch(state, {}));
  EXPECT_FALSE(tree.Exists("bot\\maps\\a.txt"));
  EXPECT_TRUE(tree.Exists("bot\\maps\\sub\\b.txt"));  // removal failed, ignored
}

}  // namespace
}  // namespace orvane::test
