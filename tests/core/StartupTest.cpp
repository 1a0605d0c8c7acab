#include "core/Startup.h"

#include <gtest/gtest.h>

#include "core/BotNames.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {

struct Recorder final : StartupReporter {
  void ReportError(const std::string& message, const std::string& detail) override {
    messages.push_back(message);
    details.push_back(detail);
  }
  std::vector<std::string> messages;
  std::vector<std::string> details;
};

struct Calls {
  std::vector<std::string> order;
  StartupHooks Hooks() {
    auto record = [this](const char* name) { return [this, name] { order.push_back(name); }; };
    return {record("reset"), record("keys"), record("backup"), record("maps"), record("models")};
  }
};

TEST(BotNames, OnlySingleWordsThatAreNotComments) {
  EXPECT_EQ(BotNamesFromLines(
                {"Alpha", "#Beta", "/Gamma", "Delta Force", "", "  ", "Tab\tName", " Lead", "x#y"}),
            (std::vector<std::string>{"Alpha", "x#y"}));
}

TEST(InitLauncher, RunsEveryStepInOrder) {
  GameTree tree;
  tree.StandardRegistry().AppFile("bot_names.txt",
                                  "Alpha\r\n#Beta\r\n/Gamma\r\nDelta Force\r\n\r\n  \r\n");
  LauncherState state = tree.State();
  RegistryStore store = tree.Store();
  Calls calls;
  Recorder reporter;
  InitLauncher(state, store, calls.Hooks(), reporter);
  EXPECT_EQ(calls.order, (std::vector<std::string>{"reset", "keys", "backup", "maps", "models"}));
  EXPECT_TRUE(reporter.messages.empty());
  EXPECT_EQ(state.bot_names, std::vector<std::string>{"Alpha"});
}

TEST(InitLauncher, WhichListsAreBuilt) {
  struct Row {
    bool hl_exists;
    const char* exe;
    std::vector<std::string> expected;
  };
  for (const Row& row : std::vector<Row>{{true, "cstrike.exe", {"reset", "keys", "backup", "maps"}},
                                         {false, "hl.exe", {"reset", "keys", "backup"}}}) {
    GameTree tree;
    tree.Registry({{"AppPath", tree.AppPath()},
                   {"HLPath", row.hl_exists ? tree.HLPath() : tree.HLPath() + "-missing"},
                   {"HLExe", row.exe}});
    LauncherState state = tree.State();
    RegistryStore store = tree.Store();
    Calls calls;
    Recorder reporter;
    InitLauncher(state, store, calls.Hooks(), reporter);
    EXPECT_EQ(calls.order, row.expected) << row.exe;
    EXPECT_EQ(state.bot_names, std::vector<std::string>{"NewBot"});  // no bot_names.txt
  }
}

TEST(InitLauncher, GuardedStepsReportAndStartUpGoesOn) {
  GameTree tree;
  tree.StandardRegistry({{"HLExe", "hex:01"}}).AppFile("bot_names.txt", "# only comments\r\n");
  LauncherState state = tree.State();
  RegistryStore store = tree.Store();
  Calls calls;
  StartupHooks hooks = calls.Hooks();
  hooks.load_map_catalogue = [] { throw std::runtime_error("maps broke"); };
  Recorder reporter;
  InitLauncher(state, store, hooks, reporter);
  // HLExe is not a string: the settings step stops, the rest goes on.
  EXPECT_EQ(reporter.messages,
            (std::vector<std::string>{"Can't load default directories.", "Can't get maps list."}));
  EXPECT_NE(reporter.details[0].find("registry.reg"), std::string::npos);
  EXPECT_EQ(reporter.details[1], "maps broke");
  EXPECT_EQ(calls.order,
            (std::vector<std::string>{"reset", "keys", "backup"}));  // HLExe empty: no models
  EXPECT_TRUE(state.bot_names.empty());  // a file of comments gives no names, not "NewBot"
}

TEST(RunStartupGuarded, AnErrorOutsideTheStepsIsReportedOnce) {
  GameTree tree;
  tree.StandardRegistry();
  LauncherState state = tree.State();
  RegistryStore store = tree.Store();
  Calls calls;
  StartupHooks hooks = calls.Hooks();
  hooks.reset_editor_states = [] { throw std::runtime_error("editor state"); };
  Recorder reporter;
  RunStartupGuarded(state, store, hooks, reporter);
  EXPECT_EQ(reporter.messages, std::vector<std::string>{"Can't prepare parameters."});
}

}  // namespace
}  // namespace orvane::test
