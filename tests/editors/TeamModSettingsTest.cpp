// TFC's and Front Line Force's settings documents for their bots (what each
// bot shows, the files written, Restore Default), and their launches from
// the files alone (the maps' bot files for TFC).
#include <gtest/gtest.h>

#include "core/LauncherSettings.h"
#include "editors/FrontlineSettings.h"
#include "editors/LaunchFiles.h"
#include "editors/TfcSettings.h"
#include "support/ModTree.h"

namespace orvane::test {
namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

constexpr const char* kTfcCatalogue =
    "[Default]\r\ndispo=2\r\nBot1=Abot\r\nBot2=HPB Bot\r\n"
    "[Abot]\r\ndll=dlls\\abot.dll\r\nbotfile=abot.cfg\r\nmaxskill=5\r\noptwaypt=.abw\r\n"
    "config=.bot\r\nchatfile=abot_chat.txt\r\naddbot=addbot <team> <model> <name> <skill>\r\n"
    "[HPB Bot]\r\ndll=dlls\\hpb_bot.dll\r\nwaypt=.wpt\r\n";  // no maxskill: 5
constexpr const char* kFlfCatalogue =
    "[Default]\r\ndispo=2\r\nBot1=AgroBot\r\nBot2=HPB Bot\r\n"
    "[AgroBot]\r\ndll=dlls\\agrobot.dll\r\nmaxskill=5\r\n"
    "[HPB Bot]\r\ndll=dlls\\hpb_bot.dll\r\nmaxskill=10\r\n";

// One mod with its bot chosen and its document made.
template <typename Document>
struct Team {
  Team(const char* mod, const std::string& bot, const std::function<void(GameTree&)>& files)
      : t(mod, files) {
    SelectMod(t.state, mod);
    EXPECT_TRUE(ChooseBot(t.state, bot)) << bot;
    doc = std::make_unique<Document>(t.state, t.state.bot_choice.text);
  }
  std::string Show(const std::string& control) const { return ShownValue(doc->Show(), control); }
  void Set(const Lines& changes) {
    for (const auto& [control, value] : changes)
      ASSERT_EQ(doc->Set(control, value), std::nullopt) << control << "=" << value;
  }
  ModTree t;
  std::unique_ptr<Document> doc;
};

void TfcFiles(GameTree& tree) {
  tree.AppFile("TFC.ini", kTfcCatalogue)
      .File("tfc\\dlls\\abot.dll")
      .File("tfc\\dlls\\hpb_bot.dll")
      .File("tfc\\maps\\2fort.bsp")
      .File("tfc\\maps\\well.bsp")
      .File("tfc\\maps\\2fort.abw")
      .File("tfc\\maps\\well.wpt")
      .File("tfc\\maps\\Well.Bot", "// mine\r\naddbot 1 1 Old 2\r\n\r\n")
      .File("tfc\\mapcycle.txt", "well\r\n2fort\r\n..\\..\\valve\\x\r\n")
      .File("tfc\\game.cfg", "\"team_even\"\t\t\"1\"\r\n\"mp_fraglimit\"\t\t\"40.00000\"\r\n")
      .AppFile("KRV.ini", "[TFC]\r\nFirst Map=2fort\r\nTeamplay_8=2\r\nTeamplay_512=x\r\n");
}

TEST(TfcSettings, AbotAndTheOtherBots) {
  Team<TfcSettings> abot("TFC", "Abot", TfcFiles);
  const Messages messages = abot.doc->Load();
  ASSERT_EQ(messages.size(), 1u);  // the hand-edited damage choice
  EXPECT_NE(messages[0].detail.find("[TFC] Teamplay_512"), std::string::npos);
  EXPECT_EQ(abot.Show("TeamPlay_8"), "None");
  EXPECT_EQ(abot.Show("TF_team_even"), "0");
  EXPECT_EQ(abot.Show("TF_fraglimit"), "40");
  EXPECT_EQ(abot.doc->maps.available.items, (std::vector<std::string>{"2fort *", "well +"}));
  EXPECT_TRUE(abot.doc->OptionState("TF_gameplay").visible);
  abot.Set({{"TeamPlay_2", "Half"},
            {"TF_team_even", "1"},
            {"TF_addmap", "1"},
            {"TF_defskill", "3"},
            {"TF_SBCreeBot", "1"},
            {"TF_botmodel", "Engineer"},
            {"TF_TeamRed", "1"},
            {"BM_SBUpBot", "1"}});
  EXPECT_EQ(abot.doc->Set("TF_SBUpBot", "1").value_or("").rfind("unknown control", 0), 0u);
  EXPECT_EQ(abot.doc->PictureName(), "2_9");
  abot.doc->Save();
  EXPECT_EQ(abot.t.Read("tfc\\game.cfg"),
            "\"mp_teamplay\"\t\t\"19\"\r\n\"mp_fraglimit\"\t\t\"40.00000\"\r\n"
            "\"mp_timelimit\"\t\t\"0.00000\"\r\n\"tfc_respawndelay\"\t\t\"0.00000\"\r\n"
            "\"mp_footsteps\"\t\t\"1\"\r\n\"tfc_balance_teams\"\t\t\"1\"\r\n"
            "\"tfc_birthday\"\t\t\"0\"\r\n\"team_even\"\t\t\"0\"\r\n\"botshoot\"\t\t\"0\"\r\n"
            "\"bottarget\"\t\t\"0\"\r\n\"skilllevel\"\t\t\"2\"\r\n\"gameplay\"\t\t\"0\"\r\n"
            "\"addmap\"\t\t\"2\"\r\n\"sv_sendvelocity\"\t\t\"0\"\r\n");
  EXPECT_EQ(abot.t.ReadApp("TF_Bots.ini"),
            "[Default]\r\nnumbot=1\r\nskill5=3\r\nbotdontshoot=0\r\naddmap=1\r\n"
            "\r\n[Bot 1]\r\nnom=NewBot\r\nteam=2\r\nmodele=9\r\nskill5=0\r\n");
  // The choices' positions replace what was there, the new keys follow.
  EXPECT_NE(abot.t.ReadApp("KRV.ini").find(
                "[TFC]\r\nFirst Map=2fort\r\nTeamplay_8=2\r\n"
                "Teamplay_512=0\r\nLast Bot=Abot\r\nTeamplay_2=1\r\nTeamplay_128=0\r\n"),
            std::string::npos)
      << abot.t.ReadApp("KRV.ini");

  // Restore Default leaves the default skill; the launch then writes the map bot files.
  abot.Set({{"TF_defskill", "5"}});
  abot.doc->RestoreDefault();
  EXPECT_EQ(abot.Show("TF_defskill"), "3");  // read again from TF_Bots.ini
  EXPECT_EQ(abot.Show("TF_addmap"), "1");
  WriteTfcLaunchFiles(abot.t.state, "Abot");
  EXPECT_EQ(abot.t.Read("tfc\\maps\\2fort.bot"), "exec abot.cfg\r\n");
  EXPECT_EQ(abot.t.Read("tfc\\maps\\Well.Bot"), "// mine\r\nexec abot.cfg\r\n");
  EXPECT_FALSE(std::filesystem::exists(abot.t.tree.hl_dir() / "tfc/maps/well.bot"))
      << "the player's file is edited under its own name";
  EXPECT_FALSE(abot.t.tree.Exists("valve\\x.bot"));  // a cycle line is no path
  EXPECT_NE(abot.t.Read("tfc\\abot.cfg").find("botskill 2\r\n \r\naddbot 2 9 NewBot 0\r\n"),
            std::string::npos);

  // HPB Bot: the common controls only; maps need its waypoint file.
  Team<TfcSettings> hpb("TFC", "HPB Bot", TfcFiles);
  ASSERT_EQ(hpb.doc->Load().size(), 1u);         // only the damage choice again
  EXPECT_EQ(hpb.doc->profile().max_skill, "5");  // its section has no maxskill
  EXPECT_FALSE(hpb.doc->OptionState("TF_team_even").visible);
  EXPECT_FALSE(hpb.doc->OptionState("TF_addmap").visible);
  EXPECT_EQ(hpb.doc->maps.available.items, std::vector<std::string>{"well "});
  EXPECT_EQ(hpb.Show("TF_MapCycle"), "well");  // the starting map and 2fort dropped
  EXPECT_EQ(hpb.doc->Set("TF_Bottarget", "1"), "TF_Bottarget is hidden now");
}

void FlfFiles(GameTree& tree) {
  tree.AppFile("FLF.ini", kFlfCatalogue)
      .File("frontline\\dlls\\agrobot.dll")
      .File("frontline\\dlls\\hpb_bot.dll")
      .File("frontline\\maps\\flf_lombardi.bsp")
      .File("frontline\\game.cfg", "mp_friendlyfire 0\r\nmp_flashlight 1\r\n")
      .File("frontline\\settings.scr", "// head\r\n")
      .AppFile("FL_Bots.ini",
               "[Default]\r\nnumbot=1\r\nskill10=7\r\nskill5=2\r\n"
               "[Bot 1]\r\nnom=Moth\r\nteam=1\r\nmodele=3\r\nskill10=9\r\n")
      .AppFile("KRV.ini", "[Frontline]\r\nFirst Map=flf_lombardi\r\n");
}

TEST(FrontlineSettings, ResetFilesAndTheTwoBots) {
  Team<FrontlineSettings> agro("Frontline", "AgroBot", FlfFiles);
  EXPECT_TRUE(agro.doc->Load().empty());
  EXPECT_EQ(agro.Show("FL_friendlyfire"), "0");
  EXPECT_EQ(agro.Show("FL_defskill"), "2");   // skill5, AgroBot's scale
  EXPECT_EQ(agro.doc->PictureName(), "1_3");  // Support for the Rebels
  EXPECT_EQ(agro.Show("FL_botmodel"), "Support");
  agro.doc->RestoreDefault();
  EXPECT_EQ(agro.Show("FL_friendlyfire"), "1");
  EXPECT_EQ(agro.Show("FL_flashlight"), "0");
  agro.Set({{"FL_roundlimit", "25"}, {"FL_dodge_bullets", "1"}});
  agro.doc->Save();
  EXPECT_EQ(agro.t.ReadApp("FL_Bots.ini"),
            "[Default]\r\nnumbot=1\r\nskill10=7\r\nskill5=2\r\nbotdontshoot=0\r\n"
            "dodge_bullets=1\r\n[Bot 1]\r\nnom=Moth\r\nteam=1\r\nmodele=3\r\nskill10=9\r\n"
            "skill5=0\r\n");
  const std::string scr = agro.t.Read("frontline\\settings.scr");
  EXPECT_EQ(scr.substr(0, 10), "// head\r\n\r");
  EXPECT_NE(scr.find("\t\t{ \"25.000000\" }"), std::string::npos);
  EXPECT_NE(agro.t.Read("frontline\\game.cfg").find("\"mp_roundlimit\"\t\t\"25.00000\""),
            std::string::npos);

  // HPB Bot's scale is 10: its own skill keys, and no dodging.
  Team<FrontlineSettings> hpb("Frontline", "HPB Bot", FlfFiles);
  hpb.doc->Load();
  EXPECT_EQ(hpb.Show("FL_defskill"), "7");
  EXPECT_EQ(hpb.Show("FL_Botskill"), "9");
  EXPECT_FALSE(hpb.doc->OptionState("FL_dodge_bullets").visible);
}

// A bot settings file the window's save would leave as it is is still its
// own: changed elsewhere after the load (by orvanectl, say), it is named
// before Apply writes the window's values over it, and nothing else is.
TEST(TeamModSettings, SettingsFilesChangedElsewhereAreNamedEvenWhenTheSaveLeftThemAlone) {
  struct Case {
    const char* mod;
    const char* bot;
    void (*files)(GameTree&);
    const char* ini;
  };
  for (const Case& c : {Case{"TFC", "Abot", TfcFiles, "TF_Bots.ini"},
                        Case{"Frontline", "AgroBot", FlfFiles, "FL_Bots.ini"}}) {
    SCOPED_TRACE(c.mod);
    ModTree t(c.mod, c.files);
    SelectMod(t.state, c.mod);
    ASSERT_TRUE(ChooseBot(t.state, c.bot));
    std::unique_ptr<EditorSettings> doc =
        c.mod == std::string("TFC")
            ? std::unique_ptr<EditorSettings>(std::make_unique<TfcSettings>(t.state, c.bot))
            : std::make_unique<FrontlineSettings>(t.state, c.bot);
    doc->Load();
    doc->Save();  // every file now as the document would write it
    doc->Load();
    EXPECT_EQ(doc->ChangedOnDisk(), std::vector<std::string>{});
    const std::string ini = t.ReadApp(c.ini);
    t.tree.AppFile(c.ini, ini.substr(0, ini.find("[Bot 1]")) + "[Bot 1]\r\nnom=Renamed\r\n");
    const std::vector<std::string> changed = doc->ChangedOnDisk();
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_TRUE(changed[0].ends_with(c.ini)) << changed[0];
  }
}

}  // namespace
}  // namespace orvane::test
