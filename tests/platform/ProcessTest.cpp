#include "platform/Process.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "support/GameTree.h"

namespace orvane::test {
namespace {
namespace fs = std::filesystem;

TEST(SplitWindowsCommandLine, TheCRuntimesRules) {
  struct Row {
    const char* text;
    std::vector<std::string> args;
  };
  const Row rows[] = {
      {" -console -game bot +map boot_camp", {"-console", "-game", "bot", "+map", "boot_camp"}},
      {"", {}},
      {"  \t ", {}},
      {"+hostname \"My Server\" +x", {"+hostname", "My Server", "+x"}},
      {"a\"b c\"d", {"ab cd"}},
      {"\"\"", {""}},
      {"C:\\Games\\ \\\\\"q\"", {"C:\\Games\\", "\\q"}},
      {"a\\\"b", {"a\"b"}},
      {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
      {"\"unterminated text", {"unterminated text"}},
  };
  for (const Row& row : rows) EXPECT_EQ(SplitWindowsCommandLine(row.text), row.args) << row.text;
}

std::string EnvValue(const ProcessPlan& plan, const std::string& name) {
  for (const std::string& entry : plan.env) {
    if (entry.rfind(name + "=", 0) == 0) return entry.substr(name.size() + 1);
  }
  return "<unset>";
}

TEST(PlanProgramStart, WindowsProgramRunsThroughWine) {
  GameTree tree;
  tree.File("hl.exe", "MZ");
  const fs::path fake_wine = tree.root() / "bin" / "wine";
  WriteHostFile(fake_wine, "#!/bin/sh\n");
  fs::permissions(fake_wine, fs::perms::owner_all);
  setenv("WINE", fake_wine.c_str(), 1);
  const ProcessPlan plan = PlanProgramStart(tree.HLPath() + "\\HL.EXE", " -game bot +map \"a b\"",
                                            tree.HLPath(), tree.wine_prefix());
  unsetenv("WINE");
  ASSERT_EQ(plan.error, "");
  EXPECT_EQ(plan.program, fake_wine);
  EXPECT_EQ(plan.argv,
            (std::vector<std::string>{fake_wine.string(), (tree.hl_dir() / "hl.exe").string(),
                                      "-game", "bot", "+map", "a b"}));
  EXPECT_EQ(plan.working_dir, tree.hl_dir());
  EXPECT_EQ(EnvValue(plan, "WINEPREFIX"), tree.wine_prefix().string());
  EXPECT_NE(EnvValue(plan, "WINEDLLOVERRIDES").find("winemenubuilder.exe=d"), std::string::npos);
}

TEST(StartProgram, FailuresNameTheProgramAndAreNotSuccess) {
  GameTree tree;
  tree.File("readme.txt", "text");
  struct Row {
    std::string program;
    std::string dir;
    const char* wine;
    const char* error_part;
  };
  const Row rows[] = {
      {tree.HLPath() + "\\hl.exe", tree.HLPath(), nullptr, "hl.exe does not exist"},
      {tree.HLPath() + "\\readme.txt", tree.HLPath(), nullptr, "is not executable"},
      {tree.HLPath() + "\\readme.txt", tree.HLPath() + "\\nowhere", nullptr, "does not exist"},
  };
  for (const Row& row : rows) {
    const StartResult result = StartProgram(row.program, "", row.dir);
    EXPECT_FALSE(result.started) << row.program;
    EXPECT_NE(result.error.find(row.error_part), std::string::npos) << result.error;
  }
  tree.File("hl.exe", "MZ");
  setenv("WINE", "no-such-wine-program", 1);
  const StartResult no_wine = StartProgram(tree.HLPath() + "\\hl.exe", "", tree.HLPath());
  unsetenv("WINE");
  EXPECT_FALSE(no_wine.started);
  EXPECT_NE(no_wine.error.find("Wine"), std::string::npos) << no_wine.error;
}

TEST(StartProgram, HostProgramStartsDetachedInItsDirectory) {
  GameTree tree;
  const fs::path script = tree.hl_dir() / "game.sh";
  WriteHostFile(
      script,
      "#!/bin/sh\npwd > started.txt\nfor a in \"$@\"; do echo \"$a\" >> started.txt; done\n");
  fs::permissions(script, fs::perms::owner_all);
  const StartResult result =
      StartProgram(tree.HLPath() + "\\game.sh", " -game bot \"+map x\"", tree.HLPath());
  ASSERT_TRUE(result.started) << result.error;
  const fs::path out = tree.hl_dir() / "started.txt";
  for (int i = 0; i < 200 && ReadHostFileOr(out).find("+map x") == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  EXPECT_EQ(ReadHostFileOr(out), fs::canonical(tree.hl_dir()).string() + "\n-game\nbot\n+map x\n");
}

// The real thing: a Windows program built with mingw-w64, started through
// Debian's Wine exactly as a launch starts the game.
TEST(StartProgram, WindowsGameThroughWineGetsItsArgumentsAndDirectory) {
  if (std::system("command -v wine >/dev/null 2>&1") != 0 || !fs::exists(ORVANE_STANDIN_EXE)) {
    if (std::getenv("CI") != nullptr) FAIL() << "wine or the mingw-w64 stand-in is missing in CI";
    GTEST_SKIP()
        << "wine or the mingw-w64 stand-in is missing: the start through Wine is not tested";
  }
  GameTree tree;
  fs::copy_file(ORVANE_STANDIN_EXE, tree.hl_dir() / "hl.exe");
  setenv("ORVANE_STANDIN_QUIET", "1", 1);
  setenv("WINEDEBUG", "-all", 1);
  setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
  const StartResult result = StartDetached(PlanProgramStart(
      tree.HLPath() + "\\hl.exe", " -console -game bot +sv_lan 1 +map \"boot camp\"", tree.HLPath(),
      ORVANE_WINE_PREFIX "-launch"));
  ASSERT_TRUE(result.started) << result.error;
  // A new prefix takes Wine a while to set up.
  const fs::path out = tree.hl_dir() / "standin-launch.txt";
  for (int i = 0; i < 1800 && ReadHostFileOr(out).find("boot camp") == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  std::string cwd = "Z:" + fs::canonical(tree.hl_dir()).string();
  for (char& c : cwd) {
    if (c == '/') c = '\\';
  }
  EXPECT_EQ(ReadHostFileOr(out), "cwd=" + cwd +
                                     "\r\narg=-console\r\narg=-game\r\narg=bot\r\narg=+sv_lan\r\n"
                                     "arg=1\r\narg=+map\r\narg=boot camp\r\n");
}

}  // namespace
}  // namespace orvane::test
