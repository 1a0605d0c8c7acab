// Counter-Strike's launch-time files: liblist.gam, each bot's command file,
// Android's game.cfg lines, and all of them written from the files alone.
#include "editors/CstrikeLaunch.h"

#include <gtest/gtest.h>

#include "platform/TextFile.h"
#include "support/ModTree.h"

namespace orvane::test {
namespace {

constexpr const char* kBotsIni =
    "[Default]\r\nnumbot=2\r\nskill100=80\r\nskill5=3\r\nminskill=2\r\nextraskill=1\r\n"
    "forceskill=1\r\nbotchat=1\r\nknifeonly=Yes\r\npistolonly=0\r\nsubonly=1\r\nusesmoke=1\r\n"
    "detailnames=0\r\ninhumanturns=1\r\nbotmenu=F9\r\nversion=1\r\ncontrol_bot=4\r\n"
    "navigation=1\r\nnwpdir=nnwp\r\nwptfolder=wptcs15\r\n"
    "[PlBot]\r\nwaydist=350\r\npway=21\r\n"
    "[Bot 1]\r\nnom=Ghost\r\nteam=2\r\nmodele=3\r\nskill100=90\r\nskill5=4\r\n"
    "[Bot 2]\r\nnom=Rex\r\nteam=1\r\nmodele=0\r\n";

BotProfile Profile(const char* max_skill, const char* menu = "") {
  BotProfile p;
  p.max_skill = max_skill;
  p.bot_menu_command = menu;
  p.add_bot_template = "addbot <team> <model> <name> <skill>";
  return p;
}

std::string BotFile(std::string_view bot, const BotProfile& profile,
                    std::string_view ini = kBotsIni) {
  return JoinCrLf(CsBotFileLines(bot, profile, ProfileIndex(ini), [](std::string_view dir) {
    return dir == "nnwp" || dir == "PodBot\\wptcs15";
  }));
}

TEST(CsBotFile, EachBotsOwnLines) {
  const std::string head = "# addbot <team> <model> <name> <skill>\r\npause 3\r\n\r\n";
  const std::string roster100 = " \r\naddbot 2 3 Ghost 90\r\naddbot 1 0 Rex 0\r\n";
  const std::string roster5 = " \r\naddbot 2 3 Ghost 4\r\naddbot 1 0 Rex 0\r\n";
  const struct {
    const char* bot;
    BotProfile profile;
    std::string expected;
  } kCases[] = {
      {"NN Bot", Profile("100"),
       head +
           "botskill 80\r\nnwpdir nnwp\r\nbotchat 1\r\nknifeonly Yes\r\npistolonly 0\r\n"
           "subonly 1\r\nusesmoke 1\r\ncs10 1\r\n" +
           roster100},
      {"PlBot", Profile("5"),
       head +
           "botskill 3\r\nwaydist 350\r\nbheight 150\r\npway 21\r\nproad 5\r\npgoal 4\r\n"
           "pchange 5\r\nplong 3\r\nbsenss 50\r\nbsensf 75\r\nbsensc 100\r\ncontrol_bot 4\r\n" +
           roster5},
      {"P.O.D.Bot", Profile("100", "podbotmenu"),
       head +
           "bind \"F9\" \"podbotmenu\"\r\nwptfolder wptcs15\r\nminbotskill 80\r\n"
           "jasonmode on\r\nbotchat on\r\ndetailnames off\r\ninhumanturns on\r\n"
           "botsfollowuser 4\r\n" +
           roster100},
      {"RealBot", Profile("100", "realbot"),
       head +
           "bind \"F9\" \"realbot\"\r\nrb_navigationtype 1\r\nrb_minskill 2\r\n"
           "rb_maxskill 80\r\nrb_extraskill 1\r\nrb_forceskill 80\r\nrb_playingcs 1\r\n" +
           roster100},
      {"Swat Bot", Profile("5"), head + "botskill 3\r\nknifewar Yes\r\n" + roster5},
      {"Android", Profile("100"), head + "botskill 80\r\n" + roster100},
      {"Some Bot", Profile("5"), head + "botskill 3\r\n" + roster5},
  };
  for (const auto& c : kCases) EXPECT_EQ(BotFile(c.bot, c.profile), c.expected) << c.bot;
}

TEST(CsBotFile, EdgeCases) {
  // Without CS_Bots.ini: defaults, no roster.
  EXPECT_EQ(BotFile("P.O.D.Bot", Profile("100", "podbotmenu"), ""),
            "# addbot <team> <model> <name> <skill>\r\npause 3\r\n\r\nminbotskill 0\r\n"
            "jasonmode off\r\nbotchat off\r\ndetailnames off\r\ninhumanturns off\r\n"
            "botsfollowuser 0\r\n \r\n");
  // "Yes" does not force the skill; only exactly "1" does.
  EXPECT_EQ(
      BotFile("RealBot", Profile("5"), "[Default]\r\nforceskill=Yes\r\n").find("rb_forceskill"),
      std::string::npos);
  // A menu command without a chosen key binds nothing.
  EXPECT_EQ(BotFile("NN Bot", Profile("5", "menu"), "[Default]\r\nbotmenu=\r\n").find("bind"),
            std::string::npos);
  // Each placeholder is filled once, where the template has it.
  EXPECT_EQ(FillAddBotTemplate("add <name> <name> <skill>", "1", "2", "<skill>", "3"),
            "add <skill> <name> 3");
  EXPECT_EQ(FillAddBotTemplate("addbot <team> <model> <name> <skill>", "2", "3", "Ghost", "4"),
            "addbot 2 3 Ghost 4");
}

TEST(CsLiblist, BothVersions) {
  BotProfile p;
  p.dll = "PODBot\\podbot_mm.dll";
  p.size = "184000000";
  const std::string common_end =
      "type \"multiplayer_only\"\r\nnomodels \"1\"\r\nmpentity \"info_player_start\"\r\n"
      "gamedll \"PODBot\\podbot_mm.dll\"\r\ngamedll_linux \"dlls/cs_i386.so\"\r\n";
  const std::string start =
      "game \"Counterstrike\"\r\nurl_info \"http://www.counter-strike.net\"\r\nurl_dl \"\"\r\n";
  EXPECT_EQ(JoinCrLf(CsLiblistLines("1", p)),
            start +
                "version \"1.0\"\r\nsize \"184000000\"\r\nsvonly \"0\"\r\ncldll \"1\" \r\n"
                "hlversion \"1104\"\r\n" +
                common_end + "trainmap \"tr_1\"\r\n");
  EXPECT_EQ(JoinCrLf(CsLiblistLines("0", p)),
            start +
                "version \"Beta 7.1\"\r\nsize \"184000000\"\r\nsvonly \"0\"\r\n"
                "cldll \"1\" \r\nhlversion \"1100\"\r\n" +
                common_end);
}

TEST(AndroidGameCfg, OldBotLinesGoAndAndroidsCome) {
  const std::vector<std::string> game = {"\"mp_timelimit\"\t\t\"20.00000\"", "sv_startbots 3",
                                         "sv_bot1 5|1|Old", "\"sv_sendvelocity\"\t\t\"0\""};
  EXPECT_EQ(AndroidGameCfgLines(game, false, ProfileIndex(kBotsIni)),
            (std::vector<std::string>{game[0], game[3]}));
  EXPECT_EQ(AndroidGameCfgLines(game, true, ProfileIndex(kBotsIni)),
            (std::vector<std::string>{game[0], game[3], "sv_startbots 2", "sv_bot1 90|2|Ghost",
                                      "sv_bot2 -1|1|Rex"}));
  EXPECT_EQ(AndroidGameCfgLines(game, true, ProfileIndex("")).back(), "sv_startbots 0");
}

TEST(CsLaunchFiles, WrittenFromTheCatalogueAndCsBotsIni) {
  ModTree t("CStrike", [](GameTree& tree) {
    tree.Dir("cstrike\\PODBot\\wptcs15")
        .File("cstrike\\PODBot\\podbot.dll")
        .File("cstrike\\game.cfg", "sv_bot1 1|1|x\r\nmp_c4timer 35\r\n")
        .File("cstrike\\listenserver.cfg", "mp_timelimit 30\r\nhostname x\r\n")
        .AppFile("CS_Bots.ini", kBotsIni);
  });
  WriteCsLaunchFiles(t.state, "P.O.D.Bot");
  EXPECT_NE(t.Read("cstrike\\liblist.gam").find("gamedll \"PODBot\\podbot.dll\"\r\n"),
            std::string::npos);
  const std::string bot_file = t.Read("cstrike\\PODBot\\podbot.cfg");
  EXPECT_EQ(bot_file.rfind("# addbot <skill> <team> <model> <name>\r\npause 3\r\n", 0), 0u);
  EXPECT_NE(bot_file.find("\r\naddbot 90 2 3 Ghost\r\n"), std::string::npos) << bot_file;
  EXPECT_EQ(t.Read("cstrike\\game.cfg"), "mp_c4timer 35\r\n");
  EXPECT_EQ(t.Read("cstrike\\listenserver.cfg").rfind("//", 0), 0u);
}

}  // namespace
}  // namespace orvane::test
