#include "core/LauncherSettings.h"

#include <gtest/gtest.h>

#include "core/ModTable.h"
#include "platform/FileError.h"
#include "support/GameTree.h"
#include "support/ModTree.h"

namespace orvane::test {
namespace {

TEST(ModTable, GameDirIsTheKeyInLowerCaseSaveThreeMods) {
  ASSERT_EQ(Mods().size(), 10u);
  for (const ModInfo& mod : Mods()) {
    std::string lower(mod.key);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool renamed = mod.key == "Botman" || mod.key == "Firebot" || mod.key == "Rocket";
    if (!renamed) {
      EXPECT_EQ(mod.game_dir_name, lower);
    }
    EXPECT_EQ(mod.button, "SB_" + std::string(mod.key));
    EXPECT_EQ(ModIndex(mod.key), &mod - Mods().data());
    EXPECT_EQ(mod.catalogue.empty(), mod.bot_caption.empty()) << mod.key;
  }
  EXPECT_EQ(FindMod("botman"), nullptr);  // keys compare exactly
}

TEST(ReadLauncherSettings, DefaultsAndDerivedDirectories) {
  GameTree tree;
  tree.StandardRegistry({{"CloseKRV", "O"}, {"BM_First", "N"}});
  LauncherState state = tree.State();
  RegistryStore store = tree.Store();
  ReadLauncherSettings(state, store);
  EXPECT_EQ(state.app_path, tree.AppPath());
  EXPECT_EQ(state.hl_exe, "hl.exe");
  EXPECT_EQ(state.auto_start, "O");  // missing: checked, and not written back
  EXPECT_TRUE(state.auto_start_checked);
  EXPECT_TRUE(state.close_krv_checked);
  EXPECT_EQ(state.first_markers[1], "N");
  EXPECT_EQ(DirsOf(state, "Firebot").dir, tree.HLPath() + "\\firearms");
  EXPECT_EQ(DirsOf(state, "Firebot").extra,
            (std::vector<std::string>{tree.HLPath() + "\\firearms\\maps",
                                      tree.HLPath() + "\\firebot\\firearms\\waypoint",
                                      tree.HLPath() + "\\firebot\\firearms\\cfg"}));
  EXPECT_EQ(state.valve_models_dir, tree.HLPath() + "\\valve\\models\\player");
  EXPECT_EQ(ReadHostFile(tree.registry_file()).find("AutoStart"), std::string::npos);
}

TEST(ReadLauncherSettings, NonStringValueStopsTheReadingThere) {
  GameTree tree;
  tree.StandardRegistry({{"AC_First", "N"}, {"BM_First", "dword:00000001"}, {"CS_First", "N"}});
  LauncherState state = tree.State();
  state.first_markers[2] = "before";
  RegistryStore store = tree.Store();
  try {
    ReadLauncherSettings(state, store);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("\"BM_First\""), std::string::npos) << e.what();
  }
  EXPECT_EQ(state.hl_path, tree.HLPath());
  EXPECT_EQ(state.first_markers[0], "N");
  EXPECT_EQ(state.first_markers[2], "before");  // not read
  EXPECT_EQ(state.hl_exe, "");                  // the rest of the step is skipped
  EXPECT_TRUE(state.mod_dirs[0].dir.empty());
}

TEST(ReadLauncherSettings, GamePathFromTheValveKeyIsNotWrittenBack) {
  GameTree tree;
  tree.Registry({{"AppPath", tree.AppPath()}, {"HLPath", ""}})
      .WineInstallPath(kValveKey, "C:\\Sierra\\HL\\");
  LauncherState state = tree.State();
  RegistryStore store = tree.Store();
  ReadLauncherSettings(state, store);
  EXPECT_EQ(state.hl_path, "C:\\Sierra\\HL");
  EXPECT_EQ(DirsOf(state, "Botman").dir, "C:\\Sierra\\HL\\bot");
  EXPECT_EQ(ReadHostFile(tree.registry_file()).find("Sierra"), std::string::npos);
}

TEST(ReadLauncherSettings, NoGameFoundLeavesEveryDirectoryEmpty) {
  GameTree tree;
  tree.Registry({{"AppPath", tree.AppPath()}, {"AutoStart", "N"}});
  LauncherState state = tree.State();
  RegistryStore store = tree.Store();
  ReadLauncherSettings(state, store);
  EXPECT_TRUE(state.hl_path.empty());
  for (const ModDirs& dirs : state.mod_dirs) EXPECT_TRUE(dirs.dir.empty());
  EXPECT_FALSE(state.auto_start_checked);
  EXPECT_FALSE(GameProgramFound(state));
}

TEST(ReadLauncherSettings, UnreadableStoreUsesDefaultsAndReportsTheFile) {
  GameTree tree;
  const std::string broken =
      "WINE REGISTRY Version 2\n[Software\\\\Tarrow Inc.\\\\KRV]\n\"HLPath\"=\n";
  tree.RegistryText(broken).WineInstallPath(kValveKey, tree.HLPath());
  LauncherState state = tree.State();
  RegistryStore store = tree.Store();
  EXPECT_THROW(ReadLauncherSettings(state, store), FileError);
  EXPECT_EQ(state.app_path, tree.AppPath());
  EXPECT_EQ(state.hl_path, tree.HLPath());
  EXPECT_EQ(state.hl_exe, "hl.exe");
  EXPECT_EQ(state.auto_start, "O");
  EXPECT_EQ(ReadHostFile(tree.registry_file()), broken);
}

TEST(GetFirstMap, StoredValueOrTheModsDefault) {
  struct Row {
    const char* mod;
    const char* stored;  // nullptr: no key
    const char* expected;
  };
  for (const Row& row : std::vector<Row>{{"Botman", nullptr, "boot_camp"},
                                         {"Action", nullptr, "110hst"},
                                         {"CStrike", nullptr, "cs_assault"},
                                         {"Firebot", nullptr, "ps_bridge"},
                                         {"Frontline", nullptr, "flf_lombardi"},
                                         {"TFC", nullptr, "2fort"},
                                         {"Jumbot", "stalkyard", "stalkyard"},
                                         {"TFC", " ", "2fort"},
                                         {"Rocket", "\" dm2 \"", " dm2 "}}) {
    GameTree tree;
    if (row.stored != nullptr) {
      tree.AppFile("KRV.ini", "[" + std::string(row.mod) + "]\r\nFirst Map=" + row.stored + "\r\n");
    }
    LauncherState state = tree.State();
    state.app_path = tree.AppPath();
    EXPECT_EQ(GetFirstMap(state, row.mod), row.expected) << row.mod;
  }
}

TEST(ModSetting, ReadsAndWritesTheModsSection) {
  GameTree tree;
  LauncherState state = tree.State();
  state.app_path = tree.AppPath();
  WriteModSetting(state, "TFC", "Teamplay_2", "1");
  EXPECT_EQ(ReadModSetting(state, "TFC", "Teamplay_2"), "1");
  EXPECT_EQ(ReadModSetting(state, "Botman", "Teamplay_2"), "");
  WriteModSetting(state, "", "Teamplay_2", "2");  // no mod: no section to write to
  EXPECT_EQ(ReadHostFile(tree.app_dir() / "KRV.ini"), "[TFC]\r\nTeamplay_2=1\r\n");
}

// CStrike with dispo = 3 whose second library is missing.
void CatalogueTree(GameTree& tree, const std::string& last_bot) {
  tree.AppFile("CStrike.ini",
               "[Default]\r\ndispo=3\r\nBot1=Zed Bot\r\nBot2=Missing Bot\r\nBot3=alpha\r\n\r\n"
               "[Zed Bot]\r\ndll=dlls\\zed.dll\r\n[Missing Bot]\r\ndll=dlls\\gone.dll\r\n"
               "[alpha]\r\ndll=Alpha\\ALPHA.DLL\r\n")
      .AppFile("KRV.ini", "[CStrike]\r\nLast Bot=" + last_bot + "\r\n")
      .File("cstrike/dlls/zed.dll")
      .File("cstrike/alpha/alpha.dll");
}

TEST(LoadBotChoice, UsableBotsSortedAndTheLastChoiceSelected) {
  GameTree tree;
  CatalogueTree(tree, "\" Zed Bot \"");
  LauncherState state = tree.State();
  state.app_path = tree.AppPath();
  state.hl_path = tree.HLPath();
  SetModDirectories(state);
  EXPECT_TRUE(LoadBotChoice(state, "CStrike"));
  EXPECT_EQ(state.bot_choice.names, (std::vector<std::string>{"alpha", "Zed Bot"}));
  EXPECT_EQ(state.bot_choice.selected, 1);
  EXPECT_EQ(state.bot_choice.text, "Zed Bot");
  EXPECT_TRUE(ModButtonShown(state, *FindMod("CStrike")));

  EXPECT_FALSE(LoadBotChoice(state, "Botman"));  // no catalogue: emptied, false
  EXPECT_TRUE(state.bot_choice.names.empty());
  EXPECT_FALSE(LoadBotChoice(state, "TFC"));  // no TFC.ini: no bots
}

// A hand-edited count of millions is the file's problem, not a loop to run:
// the catalogue is read once and at most kMaxCatalogueBots entries looked at.
TEST(LoadBotChoice, AHugeCountIsReportedAndNotObeyed) {
  GameTree tree;
  CatalogueTree(tree, "Zed Bot");
  for (const char* dispo : {"2147483647", "99999999999999999999"}) {
    tree.AppFile("CStrike.ini", "[Default]\r\ndispo=" + std::string(dispo) +
                                    "\r\nBot1=Zed Bot\r\n[Zed Bot]\r\ndll=dlls\\zed.dll\r\n");
    LauncherState state = tree.State();
    state.app_path = tree.AppPath();
    state.hl_path = tree.HLPath();
    SetModDirectories(state);
    EXPECT_TRUE(LoadBotChoice(state, "CStrike")) << dispo;
    EXPECT_EQ(state.bot_choice.names, std::vector<std::string>{"Zed Bot"});
    EXPECT_EQ(state.bot_choice.problem, (tree.app_dir() / "CStrike.ini").string() +
                                            ": [Default] dispo=" + dispo +
                                            " lists more bot add-ons than the 1000 a catalogue "
                                            "may hold");
  }
  // The same through orvanectl: the problem on stderr, the bot still usable.
  tree.StandardRegistry();
  const CtlRun run = RunCtl(tree, {"mods"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("CStrike.ini: [Default] dispo=99999999999999999999 lists more bot"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.out.find("CStrike\t"), std::string::npos) << run.out;
}

TEST(LoadBotChoice, NoLibraryPresentHidesTheButton) {
  GameTree tree;
  CatalogueTree(tree, "Nobody");
  std::filesystem::remove_all(tree.hl_dir() / "cstrike");
  tree.Dir("cstrike");
  LauncherState state = tree.State();
  state.app_path = tree.AppPath();
  state.hl_path = tree.HLPath();
  SetModDirectories(state);
  EXPECT_FALSE(ModButtonShown(state, *FindMod("CStrike")));
}

TEST(ModButtonShown, FirebotNeedsItsBotDirectory) {
  GameTree tree;
  tree.Dir("firearms").Dir("bot");
  LauncherState state = tree.State();
  state.hl_path = tree.HLPath();
  SetModDirectories(state);
  EXPECT_FALSE(ModButtonShown(state, *FindMod("Firebot")));
  EXPECT_TRUE(ModButtonShown(state, *FindMod("Botman")));
  EXPECT_FALSE(ModButtonShown(state, *FindMod("Jumbot")));
  tree.Dir("firebot");
  EXPECT_TRUE(ModButtonShown(state, *FindMod("Firebot")));
}

}  // namespace
}  // namespace orvane::test
