// The install: every file where the desktop and the shells look for it, and
// the installed programs, moved away from the build, working from what they
// brought with them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/ModTree.h"

namespace orvane::test {
namespace {

namespace fs = std::filesystem;

class Installed : public ::testing::Test {
 protected:
  void SetUp() override {
    // Staged as a package is (DESTDIR, prefix /usr), then moved elsewhere:
    // the programs find their data from their own place, not from the build.
    const fs::path stage = tree.root() / "stage";
    const CtlRun install = RunInTree(tree, "env",
                                     {"DESTDIR=" + stage.string(), CMAKE_COMMAND, "--install",
                                      ORVANE_BUILD_DIR, "--prefix", "/usr"});
    ASSERT_EQ(install.status, 0) << install.out << install.err;
    fs::rename(stage / "usr", prefix);
  }
  GameTree tree;
  const fs::path prefix = tree.root() / "elsewhere";
};

TEST_F(Installed, EveryFileLiesWhereTheDesktopAndTheShellsLook) {
  const std::string id = ORVANE_APP_ID;
  const std::vector<std::string> files = {
      "bin/orvane",
      "bin/orvanectl",
      "share/applications/" + id + ".desktop",
      "share/metainfo/" + id + ".metainfo.xml",
      "share/icons/hicolor/scalable/apps/" + id + ".svg",
      "share/icons/hicolor/16x16/apps/" + id + ".png",
      "share/icons/hicolor/48x48/apps/" + id + ".png",
      "share/icons/hicolor/256x256/apps/" + id + ".png",
      "share/man/man6/orvane.6",
      "share/man/man6/orvanectl.6",
      "share/bash-completion/completions/orvanectl",
      "share/zsh/site-functions/_orvanectl",
      "share/orvane/data/CStrike.ini",
      "share/orvane/data/bot_names.txt",
      "share/orvane/data/models/nopic.jpg",
  };
  for (const std::string& file : files) EXPECT_TRUE(fs::is_regular_file(prefix / file)) << file;
  // The metainfo names the version and the install's own data path is in the manual.
  const std::string metainfo = ReadHostFile(prefix / ("share/metainfo/" + id + ".metainfo.xml"));
  EXPECT_NE(metainfo.find("<release version=\"" ORVANE_VERSION "\""), std::string::npos);
  EXPECT_EQ(metainfo.find('@'), std::string::npos) << "a placeholder was left";
  EXPECT_NE(ReadHostFile(prefix / "share/man/man6/orvanectl.6").find("/usr/share/orvane/data"),
            std::string::npos);
}

TEST_F(Installed, VersionIsOneLineOfEachProgram) {
  for (const char* program : {"orvane", "orvanectl"}) {
    const CtlRun run = RunInTree(tree, (prefix / "bin" / program).string(), {"--version"});
    EXPECT_EQ(run.status, 0) << program << run.err;
    EXPECT_EQ(run.out, std::string(program) + " " ORVANE_VERSION "\n");
  }
}

TEST_F(Installed, FirstStartCopiesTheShippedDataIntoTheDataDirectory) {
  // A store with the game but no data directory yet: a first start.
  tree.Registry({{"HLPath", tree.HLPath()}, {"HLExe", "hl.exe"}})
      .File("hl.exe", "MZ")
      .File("bot\\bot.cfg", kBotCfg)
      .File("bot\\game.cfg", kGameCfg);
  const fs::path shipped = prefix / "share/orvane/data";
  // A mark only this install's data has: the build's data would not copy it.
  WriteHostFile(shipped / "installed-mark.txt", "from the install\n");
  const CtlRun run = RunInTree(tree, (prefix / "bin/orvanectl").string(), {"mods"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Botman\t" + tree.Shown("bot") + "\n");
  const fs::path data_dir = tree.root() / "share" / "orvane";
  for (const char* file :
       {"installed-mark.txt", "CStrike.ini", "TFC.ini", "FLF.ini", "bot_names.txt"}) {
    EXPECT_EQ(ReadHostFileOr(data_dir / file), ReadHostFile(shipped / file)) << file;
  }
  EXPECT_NE(ReadHostFile(tree.registry_file()).find(data_dir.string()), std::string::npos);
}

TEST_F(Installed, MissingShippedDataIsSaidNotTakenFromTheBuild) {
  tree.Registry({{"HLPath", tree.HLPath()}, {"HLExe", "hl.exe"}})
      .File("hl.exe", "MZ")
      .File("bot\\bot.cfg", kBotCfg);
  fs::remove_all(prefix / "share/orvane");
  const CtlRun run = RunInTree(tree, (prefix / "bin/orvanectl").string(), {"mods"});
  EXPECT_NE(run.err.find((prefix / "share/orvane/data").string() +
                         ": the launcher's shipped data files are missing; reinstall Orvane"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(tree.root() / "share" / "orvane" / "CStrike.ini"));
  EXPECT_EQ(run.status, 0);  // start-up goes on, as the window's does
}

}  // namespace
}  // namespace orvane::test
