// The two option dialogs' rules without a window: the game directory check
// and store, the reserved words and the stored additional command.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/CommandLine.h"
#include "core/GameDirectory.h"
#include "core/LauncherSettings.h"
#include "platform/HostPath.h"
#include "platform/RegistryStore.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {

TEST(CommandLine, RefusesTheLauncherOwnWordsNamingTheLastFound) {
  const struct {
    const char* text;
    const char* word;
  } kCases[] = {
      {"+map crossfire", "map"},        {"-game x +map crossfire", "map"},
      {"+maxplayers 16", "maxplayers"}, {"+mygamevar 1", "game"},  // a plain substring test
      {"-console", "console"},          {"+MAP crossfire", ""},    // case-sensitive
      {"+mp_timelimit 30", ""},         {"", ""},
  };
  for (const auto& c : kCases) EXPECT_EQ(ReservedWordIn(c.text), c.word) << c.text;
  EXPECT_EQ(ReservedWordMessage("map"),
            "The command 'map' is already used by KRV. Please remove it from your command line.");
}

TEST(CommandLine, StoresTheTextAsTypedBlanksAndQuotesIncluded) {
  GameTree tree;
  tree.AppFile("KRV.ini", "[KRV]\r\nCommand=\r\n");
  LauncherState state = tree.State();
  state.app_path = tree.AppPath();
  for (const char* text : {" +mp_timelimit 30 ", "+MAP crossfire", "\"quoted\"", "", "\t+x"}) {
    StoreCommand(state, text);
    EXPECT_EQ(StoredCommand(state), text);
  }
  StoreCommand(state, " +x ");
  EXPECT_EQ(ReadHostFile(tree.app_dir() / "KRV.ini"), "[KRV]\r\nCommand=\" +x \"\r\n");
}

TEST(GameDirectory, ChecksTheProgramAndStoresBoth) {
  GameTree tree;
  tree.StandardRegistry().File("hl.exe").File("retail\\cstrike.exe");
  EXPECT_TRUE(GameProgramIn(tree.HLPath(), "hl.exe"));
  EXPECT_EQ(GameProgramMessage(tree.HLPath(), "hl.exe"), "");
  // Named as the player's system has it: a Windows path through the Wine prefix.
  EXPECT_EQ(GameProgramMessage("C:\\Games", "hl.exe"),
            "hl.exe can't be found in " + ShownPath("C:\\Games"));
  EXPECT_NE(ShownPath("C:\\Games").find("/dosdevices/c:/Games"), std::string::npos);
  EXPECT_EQ(GameProgramMessage("", "hl.exe"), "");  // nothing given: nothing to say
  EXPECT_FALSE(GameProgramIn("", "hl.exe"));

  RegistryStore store = tree.Store();
  const std::string retail = tree.HLPath() + "\\retail";
  ASSERT_TRUE(StoreGameDirectory(store, retail, "cstrike.exe"));
  LauncherState state = tree.State();
  RegistryStore again = tree.Store();
  ReadLauncherSettings(state, again);
  EXPECT_EQ(state.hl_path, retail);
  EXPECT_EQ(state.hl_exe, "cstrike.exe");
}

// A Windows path typed as the player knows it resolves through the Wine prefix.
TEST(GameDirectory, AWindowsPathResolvesThroughTheWinePrefix) {
  GameTree tree;
  tree.File("hl.exe");
  std::filesystem::create_directories(tree.wine_prefix() / "dosdevices");
  std::filesystem::create_directory_symlink(tree.root(), tree.wine_prefix() / "dosdevices" / "c:");
  const std::string before = std::getenv("WINEPREFIX");
  setenv("WINEPREFIX", tree.wine_prefix().c_str(), 1);
  EXPECT_TRUE(GameProgramIn("C:\\Half-Life", "hl.exe"));
  EXPECT_TRUE(GameProgramIn("c:\\HALF-LIFE", "HL.EXE"));  // letters in any case, as on Windows
  EXPECT_FALSE(GameProgramIn("C:\\Half-Life", "cstrike.exe"));
  setenv("WINEPREFIX", before.c_str(), 1);
}

}  // namespace
}  // namespace orvane::test
