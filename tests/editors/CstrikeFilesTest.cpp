// Counter-Strike's game.cfg, settings.scr blocks, CS_Bots.ini and
// P.O.D.Bot's botskill.cfg as values: exact bytes, round trips, hand edits.
#include "editors/CstrikeFiles.h"

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "platform/TextFile.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {

TEST(CsGameCfg, FifteenLinesAndBack) {
  CsGameCfg cfg;
  cfg.timelimit = 20;
  cfg.maxrounds = 12;
  cfg.grenade = true;
  cfg.balance = false;
  EXPECT_EQ(JoinCrLf(CsGameCfgLines(cfg)),
            "\"mp_timelimit\"\t\t\"20.00000\"\r\n\"mp_roundtime\"\t\t\"5.00000\"\r\n"
            "\"mp_freezetime\"\t\t\"1.00000\"\r\n\"mp_maxrounds\"\t\t\"12.00000\"\r\n"
            "\"mp_hostagepenalty\"\t\t\"0.00000\"\r\n\"mp_c4timer\"\t\t\"35.00000\"\r\n"
            "\"mp_limitteams\"\t\t\"2.00000\"\r\n\"mp_autokick\"\t\t\"1\"\r\n"
            "\"mp_friendlyfire\"\t\t\"0\"\r\n\"mp_chasecam\"\t\t\"0\"\r\n"
            "\"mp_footsteps\"\t\t\"1\"\r\n\"mp_flashlight\"\t\t\"1\"\r\n"
            "\"mp_friendly_grenade_damage\"\t\t\"1\"\r\n\"mp_autoteambalance\"\t\t\"0\"\r\n"
            "\"sv_sendvelocity\"\t\t\"0\"\r\n");
  CsGameCfg back;
  ParseCsGameCfg(CsGameCfgLines(cfg), "game.cfg", back);
  EXPECT_EQ(back.timelimit, 20);
  EXPECT_EQ(back.maxrounds, 12);
  EXPECT_TRUE(back.grenade);
  EXPECT_FALSE(back.balance);

  CsGameCfg hand;
  ParseCsGameCfg({"mp_c4timer 45.000000", "mp_friendlyfire Yes", "mp_footsteps on",
                  "\"mp_freezetime\" \".5\""},
                 "game.cfg", hand);
  EXPECT_EQ(hand.c4timer, 45);
  EXPECT_TRUE(hand.friendlyfire);
  EXPECT_FALSE(hand.footsteps);  // only "1" or "Yes"
  EXPECT_EQ(hand.freezetime, 0);
  CsGameCfg kept;
  try {
    ParseCsGameCfg({"mp_roundtime 3", "mp_c4timer soon"}, "game.cfg", kept);
    ADD_FAILURE() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.line(), 2);
  }
  EXPECT_EQ(kept.roundtime, 5);  // nothing of a broken file is taken
}

TEST(CsScr, NineBlocks) {
  CsGameCfg cfg;
  cfg.roundtime = 3;
  const std::vector<ScrBlock> blocks = CsScrBlocks(cfg);
  ASSERT_EQ(blocks.size(), 9u);
  EXPECT_EQ(JoinCrLf(ScrBlockLines(blocks[1])),
            "\t\"mp_roundtime\"\r\n\t{\r\n\t\t\"Round Time (Min.)\"\r\n"
            "\t\t{ NUMBER 0.000000 15.000000 }\r\n\t\t{ \"3.000000\" }\r\n\t}\r\n\r\n");
  EXPECT_EQ(blocks[8].variable, "sv_sendvelocity");
  EXPECT_EQ(blocks[8].value, "0");
}

constexpr const char* kOtherBots =
    "[Default]\r\nnumbot=3\r\nskill100=70\r\nnwpdir=nnwp\r\n[Bot 3]\r\nnom=Old\r\n";

TEST(CsBotsIni, WritesEveryKeyAndKeepsTheOtherBots) {
  CsBotOptions o;
  o.default_skill = 4;
  o.botmenu = "F9";
  const std::vector<BotEntry> roster = {{"Ghost", "3", "2", "", "4"}, {"Rex", "0", "1", "", "0"}};
  for (const bool fresh : {true, false}) {
    GameTree tree;
    const std::string path = tree.HLPath() + "/CS_Bots.ini";
    if (!fresh) WriteFileBytes(path, kOtherBots);
    FileBatch batch;
    PutCsBotsIni(batch, path, o, roster, {"5", "wptfolder", "wptcs15", false});
    batch.Commit();
    const std::string expected_default =
        "numbot=2\r\nskill5=4\r\nminskill=1\r\nextraskill=0\r\nforceskill=0\r\nbotchat=1\r\n"
        "knifeonly=0\r\npistolonly=0\r\nsubonly=0\r\nusesmoke=1\r\ndetailnames=0\r\n"
        "inhumanturns=0\r\nbotmenu=F9\r\nversion=1\r\ncontrol_bot=3\r\nnavigation=1\r\n"
        "wptfolder=wptcs15\r\n";
    // A new section follows an empty line, as Windows writes it.
    const std::string plbot =
        "\r\n[PlBot]\r\nwaydist=300\r\nbheight=150\r\npway=20\r\nproad=5\r\npgoal=4\r\npchange="
        "5\r\n"
        "plong=3\r\nbsenss=50\r\nbsensf=75\r\nbsensc=100\r\n";
    const std::string bots =
        "\r\n[Bot 1]\r\nnom=Ghost\r\nteam=2\r\nmodele=3\r\nskill5=4\r\n"
        "\r\n[Bot 2]\r\nnom=Rex\r\nteam=1\r\nmodele=0\r\nskill5=0\r\n";
    if (fresh) {
      EXPECT_EQ(ReadFileBytes(path), "[Default]\r\n" + expected_default + plbot + bots);
    } else {
      // Another bot's keys and a third roster section stay; the count decides what is read.
      EXPECT_EQ(ReadFileBytes(path),
                "[Default]\r\nnumbot=2\r\nskill100=70\r\nnwpdir=nnwp\r\n" +
                    expected_default.substr(std::string("numbot=2\r\n").size()) +
                    "[Bot 3]\r\nnom=Old\r\n" + plbot + bots);
    }
    Messages messages;
    const CsBotsIni back = ReadCsBotsIni(ReadFileBytes(path), path, 5, messages);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(back.roster, roster);
    EXPECT_EQ(back.options.default_skill, 4);
    EXPECT_EQ(back.options.botmenu, "F9");
    EXPECT_FALSE(back.options.cs71);  // "version=1" is 1.x
  }
}

TEST(CsBotsIni, ReadingHandEditedValues) {
  const std::string text =
      "[Default]\r\nnumbot=3\r\nskill100=60\r\nskill5=2\r\nbotchat=Yes\r\n"
      "[Bot 1]\r\nnom=A\r\nskill5=9\r\nskill100=95\r\n"
      "[Bot 2]\r\nnom=B\r\nteam=x\r\nmodele=7\r\n"
      "[Bot 3]\r\nteam=2\r\n";
  Messages messages;
  const CsBotsIni five = ReadCsBotsIni(text, "CS_Bots.ini", 5, messages);
  EXPECT_EQ(five.options.default_skill, 2);
  EXPECT_TRUE(five.options.botchat);
  EXPECT_FALSE(five.options.usesmoke);   // absent from an existing file: "0"
  EXPECT_EQ(five.roster[0].skill, "5");  // 9 above the top of 5
  EXPECT_EQ(five.roster[1].param1, "0");
  EXPECT_EQ(five.roster[1].model, "0");
  EXPECT_EQ(five.roster[2].name, "NewBot");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].detail,
            "[Bot 2] team: expected a whole number from 0 to 2, found \"x\"; B keeps 0.");
  // A count of millions is not millions of bots.
  Messages huge;
  const CsBotsIni capped =
      ReadCsBotsIni("[Default]\r\nnumbot=444444444444444442\r\n", "CS_Bots.ini", 5, huge);
  EXPECT_LE(capped.roster.size(), static_cast<size_t>(kMaxRosterBots));
  Messages more;
  const CsBotsIni hundred = ReadCsBotsIni(text, "CS_Bots.ini", 100, more);
  EXPECT_EQ(hundred.options.default_skill, 60);  // skill100, another key of the same file
  EXPECT_EQ(hundred.roster[0].skill, "95");
}

TEST(PodSkills, WrittenAndReadBack) {
  PodSkills skills;
  for (size_t band = 0; band < kPodBands; ++band)
    for (size_t param = 0; param < kPodParams; ++param)
      skills[band][param] = std::to_string(band * 10 + param);
  const std::vector<std::string> lines = PodSkillLines(skills);
  EXPECT_EQ(JoinCrLf({lines.begin(), lines.begin() + 12}),
            "# The order is from the Worst Bots to the Best. DON'T CHANGE THE\r\n"
            "# ORDER IN THIS FILE UNLESS YOU WANT TO EXPERIENCE WEIRD THINGS!\r\n\r\n"
            "# Settings for Bots Skill 0-19\r\nMIN_DELAY 0\r\nMAX_DELAY 1\r\nMIN_TURNSPEED 2\r\n"
            "MAX_TURNSPEED 3\r\nAIM_OFFS_X 4\r\nAIM_OFFS_Y 5\r\nAIM_OFFS_Z 6\r\n"
            "HEADSHOT_ALLOW 7\r\n");
  EXPECT_EQ(lines.back(), "HEADSHOT_ALLOW 57");
  EXPECT_EQ(lines.size(), 2 + kPodBands * 10);
  EXPECT_EQ(ParsePodSkills(lines), skills);
  // A short band leaves the rest to the next lines; blanks around values go.
  const PodSkills hand = ParsePodSkills({"  ", "MIN_DELAY   0.3  ", "# MAX_DELAY 9"});
  EXPECT_EQ(hand[0][0], "0.3");
  EXPECT_EQ(hand[0][1], "");
}

}  // namespace
}  // namespace orvane::test
