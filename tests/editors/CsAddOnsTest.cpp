// The add-ons Counter-Strike players install today: YaPB and POD-Bot MM,
// offered when installed as their own instructions say, their settings
// files merged at launch (Orvane's variables and roster in, every line of
// the player's kept), loaded standalone or through Metamod.
#include <gtest/gtest.h>

#include "core/Backup.h"
#include "core/LauncherSettings.h"
#include "editors/CstrikeLaunch.h"
#include "editors/PodbotMmConfig.h"
#include "editors/YapbConfig.h"
#include "platform/Installation.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "services/CvarFile.h"
#include "support/ModTree.h"

namespace orvane::test {
namespace {

// Two bots: Vole a Counter-Terrorist of model 1, Old Tom on any team with
// any model; the default skill, knife mode, chat and the team they join.
constexpr const char* kCsBotsIni =
    "[Default]\r\nnumbot=2\r\nskill4=2\r\nskill100=80\r\nknifeonly=1\r\nbotchat=0\r\n"
    "detailnames=1\r\njointeam=2\r\nbotmenu=F9\r\npb_wptfolder=wptcs16\r\n"
    "[Bot 1]\r\nnom=Vole\r\nteam=2\r\nmodele=1\r\nskill4=3\r\nskill100=90\r\n"
    "[Bot 2]\r\nnom=Old Tom\r\nteam=0\r\nmodele=0\r\nskill4=0\r\nskill100=10\r\n";

// A player's yapb.cfg: comments, quoted values, a variable of its own, no
// yb_join_team line, no final line end.
constexpr const char* kYapbCfg =
    "// YaPB main config\n//\nyb_quota \"9\"\nyb_quota_mode \"normal\"\nyb_difficulty 3\n"
    "yb_chat \"1\"  // chat in the game\nyb_jasonmode \"0\"\nyb_language \"en\"";
// A player's podbot.cfg, CR LF, "#" comments, his own pb add line.
constexpr const char* kPodbotCfg =
    "# This is the Pod-Bot Config File\r\n#\r\npb_wptfolder wptdefault\r\npb_maxbots 24\r\n"
    "pb_bot_join_team \"ANY\"\r\npb_minbotskill 95\r\npb_maxbotskill 85\r\npb_jasonmode 0\r\n"
    "pb_chat 1\r\npb add 100 1 1 1 Mine\r\n";

BotProfile Profile(const char* max_skill, const char* templ, const char* menu) {
  BotProfile p;
  p.max_skill = max_skill;
  p.add_bot_template = templ;
  p.bot_menu_command = menu;
  return p;
}

TEST(CsAddOns, YapbAndPodbotMmSettingsFilesMergedWithThePlayersLinesKept) {
  const std::function<bool(std::string_view)> dirs = [](std::string_view dir) {
    return dir == "addons\\podbot\\wptcs16";
  };
  const ProfileIndex ini(kCsBotsIni);
  const BotProfile yapb = Profile("4", "yb add <skill> * <team> <model> <name>", "yb menu");
  const std::string yapb_merged = MergeYapbConfig(kYapbCfg, {yapb, ini, dirs});
  EXPECT_EQ(yapb_merged,
            "// YaPB main config\n//\nyb_quota \"0\"\nyb_quota_mode \"normal\"\nyb_difficulty 2\n"
            "yb_chat \"0\"  // chat in the game\nyb_jasonmode \"1\"\nyb_language \"en\"\n"
            "yb_join_team ct\nyb_bind_menu_key F9\n"
            "// Orvane: the roster's bots, added once when the server starts\n"
            "alias orvane_bot1 \"yb add 3 * 2 1 Vole\"\n"
            "alias orvane_bot2 \"yb add 0 * 0 0 Old_Tom\"\n"
            "alias orvane_roster \"orvane_bot1; orvane_bot2\"\norvane_roster\n"
            "// Orvane: end of the roster");
  // Again with one bot: the block is replaced where it stands, nothing else moves.
  const std::string one_bot =
      std::string(kCsBotsIni).replace(std::string(kCsBotsIni).find("numbot=2"), 8, "numbot=1");
  const std::string again = MergeYapbConfig(yapb_merged, {yapb, ProfileIndex(one_bot), dirs});
  EXPECT_EQ(again, Replaced(yapb_merged,
                            "alias orvane_bot2 \"yb add 0 * 0 0 Old_Tom\"\n"
                            "alias orvane_roster \"orvane_bot1; orvane_bot2\"",
                            "alias orvane_roster \"orvane_bot1\""));
  EXPECT_EQ(MergeYapbConfig(again, {yapb, ProfileIndex(one_bot), dirs}), again);

  const BotProfile pod = Profile("100", "pb add <skill> 5 <team> <model> <name>", "pb menu");
  EXPECT_EQ(MergePodbotMmConfig(kPodbotCfg, {pod, ini, dirs}),
            "# This is the Pod-Bot Config File\r\n#\r\npb_wptfolder wptcs16\r\npb_maxbots 24\r\n"
            "pb_bot_join_team \"CT\"\r\npb_minbotskill 80\r\npb_maxbotskill 85\r\n"
            "pb_jasonmode 1\r\npb_chat 0\r\npb add 100 1 1 1 Mine\r\npb_detailnames 1\r\n"
            "# Orvane: the roster's bots, added when the server starts\r\n"
            "bind \"F9\" \"pb menu\"\r\npb add 90 5 2 1 Vole\r\npb add 10 5 5 5 Old_Tom\r\n"
            "# Orvane: end of the roster\r\n");
  // A missing file gets Orvane's lines alone.
  EXPECT_EQ(MergePodbotMmConfig("", {pod, ProfileIndex(""), dirs}),
            "pb_minbotskill 0\r\npb_jasonmode 0\r\npb_chat 1\r\npb_detailnames 0\r\n"
            "pb_bot_join_team ANY\r\n# Orvane: the roster's bots, added when the server "
            "starts\r\n# Orvane: end of the roster\r\n");
}

// Counter-Strike with the shipped catalogue, the add-ons laid out as their
// instructions say.
struct CsWithAddOns {
  explicit CsWithAddOns(bool metamod, bool steam) {
    tree.ShippedData()
        .File("cstrike\\liblist.gam",
              "game \"Counter-Strike\"\ngamedll \"dlls\\mp.dll\"\ngamedll_linux \"dlls/cs.so\"\n")
        .File("cstrike\\addons\\yapb\\bin\\yapb.dll")
        .File("cstrike\\addons\\yapb\\bin\\yapb.so")
        .File("cstrike\\addons\\yapb\\conf\\yapb.cfg", kYapbCfg)
        .File("cstrike\\addons\\podbot\\podbot_mm.dll")
        .File("cstrike\\addons\\podbot\\podbot_mm_i386.so")
        .File("cstrike\\addons\\podbot\\podbot.cfg", kPodbotCfg)
        .AppFile("CS_Bots.ini", kCsBotsIni);
    if (metamod) tree.Metamod("cstrike");
    if (steam) tree.InSteamLibrary();
    tree.StandardRegistry();
    state = tree.State();
    RegistryStore store = tree.Store();
    ReadLauncherSettings(state, store);
    SelectMod(state, "CStrike");
  }
  GameTree tree;
  LauncherState state;
};

TEST(CsAddOns, InstalledAsTheirInstructionsSayOfferedLoadedAndMerged) {
  // Native Steam, no Metamod: YaPB standalone; POD-Bot MM needs Metamod.
  CsWithAddOns plain(false, true);
  EXPECT_EQ(plain.state.bot_choice.names, std::vector<std::string>{"YaPB"});
  ASSERT_FALSE(plain.state.bot_choice.unusable.empty());
  EXPECT_EQ(plain.state.bot_choice.unusable[0].first, "POD-Bot MM");
  EXPECT_NE(plain.state.bot_choice.unusable[0].second.find("runs only as a Metamod plugin"),
            std::string::npos);
  ASSERT_TRUE(ChooseBot(plain.state, "YaPB"));
  WriteCsLaunchFiles(plain.state, "YaPB");
  EXPECT_EQ(plain.tree.Read("cstrike\\liblist.gam"),
            "game \"Counter-Strike\"\ngamedll \"dlls\\mp.dll\"\n"
            "gamedll_linux \"addons/yapb/bin/yapb.so\"\n");
  const std::string merged = plain.tree.Read("cstrike\\addons\\yapb\\conf\\yapb.cfg");
  EXPECT_EQ(merged.rfind("// YaPB main config\n//\nyb_quota \"0\"\nyb_quota_mode \"normal\"\n", 0),
            0u);
  EXPECT_NE(merged.find("alias orvane_bot1 \"yb add 3 * 2 1 Vole\"\n"), std::string::npos);
  EXPECT_EQ(plain.tree.Read("cstrike\\addons\\yapb\\conf\\yapb.bak"), kYapbCfg);
  EXPECT_FALSE(plain.tree.Exists("cstrike\\addons\\podbot\\podbot.bak"));

  // Wine with Metamod: both are plugins; liblist.gam stays.
  CsWithAddOns mm(true, false);
  EXPECT_EQ(mm.state.bot_choice.names, (std::vector<std::string>{"POD-Bot MM", "YaPB"}));
  const std::string liblist = mm.tree.Read("cstrike\\liblist.gam");
  ASSERT_TRUE(ChooseBot(mm.state, "POD-Bot MM"));
  WriteCsLaunchFiles(mm.state, "POD-Bot MM");
  ASSERT_TRUE(ChooseBot(mm.state, "YaPB"));
  WriteCsLaunchFiles(mm.state, "YaPB");
  EXPECT_EQ(mm.tree.Read("cstrike\\liblist.gam"), liblist);
  EXPECT_EQ(mm.tree.Read("cstrike\\addons\\metamod\\plugins.ini"),
            ";win32 addons/podbot/podbot_mm.dll\r\nwin32 addons/yapb/bin/yapb.dll\r\n");
  EXPECT_NE(
      mm.tree.Read("cstrike\\addons\\podbot\\podbot.cfg").find("\r\npb add 90 5 2 1 Vole\r\n"),
      std::string::npos);
  // Restore puts the add-ons' own files back.
  RestoreOriginalFiles(PlanRestore(mm.state, "CStrike"));
  EXPECT_EQ(mm.tree.Read("cstrike\\addons\\podbot\\podbot.cfg"), kPodbotCfg);
  EXPECT_EQ(mm.tree.Read("cstrike\\addons\\yapb\\conf\\yapb.cfg"), kYapbCfg);
}

TEST(CsAddOns, AnOlderLaunchersCatalogueGivesWayAnEditedOneStays) {
  GameTree tree;
  const std::string shipped = std::string(ORVANE_SOURCE_DATA_DIR) + "/CStrike.ini";
  const std::string catalogue = ReadFileBytes(shipped);
  const std::string replaces(*FindProfileValue(catalogue, "Default", "replaces"));
  // An older catalogue, as that launcher left it, is one the list names.
  const std::string older = "; an older catalogue\r\n[Default]\r\ndispo=0\r\n";
  ASSERT_FALSE(Contains(replaces, DigestHex(older)));
  tree.AppFile("CStrike.ini", older);
  SeedDataDirectory(ORVANE_SOURCE_DATA_DIR, tree.app_dir());
  EXPECT_EQ(ReadHostFile(tree.app_dir() / "CStrike.ini"), older);  // not one it succeeds

  const std::string listed = "[Default]\r\nreplaces=" + DigestHex(older) + "\r\ndispo=0\r\n";
  const std::filesystem::path data = tree.root() / "shipped";
  WriteHostFile(data / "CStrike.ini", listed);
  SeedDataDirectory(data, tree.app_dir());
  EXPECT_EQ(ReadHostFile(tree.app_dir() / "CStrike.ini"), listed);
  EXPECT_EQ(ReadHostFile(tree.app_dir() / "CStrike.ini.old"), older);
}

TEST(CvarFile, VariablesWhereTheyStandTheBlockWholeTheRestKept) {
  const CvarFileStyle style{"#/;", "// begin", "// end"};
  LineText text("a 1\n\tb \"x\"  // note\n// c 3\nd\n// begin\nold\n// end\ne 5");
  SetCvar(text, style, "B", "y");
  SetCvar(text, style, "c", "4");  // only a comment names it: added before the block
  SetCvar(text, style, "d", "6");  // no value yet
  SetMarkedBlock(text, style, {"new 1", "new 2"});
  EXPECT_EQ(text.Bytes(),
            "a 1\n\tb \"y\"  // note\n// c 3\nd 6\nc 4\n// begin\nnew 1\nnew 2\n// end\ne 5");
  LineText ended("x 1\r\n// begin\r\nold\r\n// end");
  SetMarkedBlock(ended, style, {});
  EXPECT_EQ(ended.Bytes(), "x 1\r\n// begin\r\n// end");
}

}  // namespace
}  // namespace orvane::test
