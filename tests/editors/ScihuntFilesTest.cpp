// Sci-hunt's game.cfg, Shconfig.cfg and chat file as values.
#include "editors/ScihuntFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/FileError.h"
#include "platform/TextFile.h"

namespace orvane::test {
namespace {

TEST(ScihuntGameCfg, SixteenLinesAndBack) {
  ScihuntGameCfg cfg;
  cfg.realistic = 4;  // Madness
  cfg.fraglimit = 30;
  cfg.fall_realistic = true;
  EXPECT_EQ(JoinCrLf(ScihuntGameCfgLines(cfg)),
            "\"sh_realistic\"\t\t\"4\"\r\n\"sh_weapfileloc\"\t\t\"arsenals/starteqp.txt\"\r\n"
            "\"sh_wallclimb\"\t\t\"0\"\r\n\"sh_allmonsfly\"\t\t\"1\"\r\n"
            "\"sh_gibcount\"\t\t\"20.00000\"\r\n\"sh_insanity\"\t\t\"5.00000\"\r\n"
            "\"mp_fraglimit\"\t\t\"30.00000\"\r\n\"mp_timelimit\"\t\t\"0.00000\"\r\n"
            "\"mp_falldamage\"\t\t\"1\"\r\n\"mp_friendlyfire\"\t\t\"0\"\r\n"
            "\"mp_weaponstay\"\t\t\"0\"\r\n\"mp_forcerespawn\"\t\t\"0\"\r\n"
            "\"mp_footsteps\"\t\t\"1\"\r\n\"mp_flashlight\"\t\t\"1\"\r\n"
            "\"mp_autocrosshair\"\t\t\"1\"\r\n\"sv_sendvelocity\"\t\t\"0\"\r\n");
  ScihuntGameCfg back;
  back.weapfileloc = "other.txt";
  ParseScihuntGameCfg(ScihuntGameCfgLines(cfg), "game.cfg", back);
  EXPECT_EQ(ScihuntGameCfgLines(back), ScihuntGameCfgLines(cfg));
  EXPECT_EQ(back.weapfileloc, "starteqp.txt");
}

TEST(ScihuntGameCfg, HandEditedValues) {
  ScihuntGameCfg cfg;
  ParseScihuntGameCfg({"sh_realistic 4.000000", "sh_weapfileloc \"maps/x.txt\"", "sh_insanity 9.5"},
                      "game.cfg", cfg);
  EXPECT_EQ(cfg.realistic, 4);
  EXPECT_EQ(cfg.weapfileloc, "starteqp.txt");  // not in arsenals: ignored
  EXPECT_EQ(cfg.insanity, 9);
  ParseScihuntGameCfg({"sh_realistic -1"}, "game.cfg", cfg);
  EXPECT_EQ(cfg.realistic, -1);  // no mode chosen
  for (const char* bad : {"sh_realistic 7", "sh_realistic mad", "sh_gibcount lots"}) {
    try {
      ParseScihuntGameCfg({"// x", bad}, "game.cfg", cfg);
      ADD_FAILURE() << "no error for " << bad;
    } catch (const FileError& e) {
      EXPECT_EQ(e.line(), 2) << bad;
    }
  }
  EXPECT_EQ(cfg.realistic, -1) << "a broken file changed the values";
}

TEST(ShConfig, WritesItsKeysAroundTheFixedLines) {
  ShConfig cfg;
  cfg.levelexec = true;
  cfg.scimax = 12;
  const std::vector<std::string> lines = ShConfigLines(cfg);
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[3], "sh_mondmg9mm_sci 3");
  EXPECT_EQ(lines[20], "sh_scimax 12");
  EXPECT_EQ(lines[21], "sh_goremultiply 0");
  EXPECT_EQ(lines[22], "sh_enablebots 1");
  EXPECT_EQ(lines[23], "sh_levelexec 1");
  EXPECT_EQ(lines[24], "executed 1");
  EXPECT_EQ(lines[25], "echo \"The scihunt.cfg file has been executed.\"");
  ShConfig back;
  ParseShConfig(lines, "Shconfig.cfg", back);
  EXPECT_EQ(ShConfigLines(back), lines);
  EXPECT_THROW(ParseShConfig({"sh_scispeed fast"}, "Shconfig.cfg", back), FileError);
}

TEST(ScihuntScr, TwentyFourBlocksWithTheModeAsAList) {
  ScihuntGameCfg game;
  game.realistic = 4;
  ShConfig sh;
  sh.levelexec = true;
  const std::vector<ScrBlock> blocks = ScihuntScrBlocks(game, sh);
  ASSERT_EQ(blocks.size(), 24u);
  EXPECT_EQ(blocks[2].variable, "sh_realistic");
  EXPECT_EQ(blocks[2].value, "4.000000");  // Madness
  EXPECT_EQ(blocks[2].choices[3], (std::pair<std::string, std::string>{"Live In Fear", "3"}));
  EXPECT_EQ(blocks[7].variable, "lvlconfig");
  EXPECT_EQ(blocks[7].value, "1");
  EXPECT_EQ(blocks[0].value, "0.000000");
  EXPECT_EQ(blocks.back().variable, "sv_sendvelocity");
  EXPECT_EQ(blocks.back().value, "0");
  const std::vector<std::string> list = ScrBlockLines(blocks[3]);
  EXPECT_NE(std::find(list.begin(), list.end(), "\t\t\t\"Realistic\" \"1\""), list.end());
}

TEST(ScihuntChat, ThirtyOneLinesASection) {
  ScihuntChat chat;
  for (int i = 0; i < 40; ++i) chat.after_killing.push_back("got you " + std::to_string(i));
  chat.after_dying = {"ouch", "% again", "later"};
  const std::vector<std::string> lines = ScihuntChatLines(chat);
  ASSERT_EQ(lines.size(), 3u + 31u + 2u + 31u + 2u);
  EXPECT_EQ(lines[2], "*Bot says these lines after killing.");
  EXPECT_EQ(lines[33], "got you 30");  // the 41st line and on are dropped
  EXPECT_EQ(lines[34], "");
  EXPECT_EQ(lines[35], "*Bot says these lines after being killed.");
  EXPECT_EQ(lines[38], "later");
  EXPECT_EQ(lines[39], "");  // 28 empty lines follow the three
  EXPECT_EQ(lines.back(), "*");
  const ScihuntChat back = ParseScihuntChat(lines);
  EXPECT_EQ(back.after_killing.size(), 31u);
  EXPECT_EQ(back.after_dying, chat.after_dying);
  const ScihuntChat odd =
      ParseScihuntChat({"before", "*", "#note", " indented", "hit", "*", "hurt", "*", "gone"});
  EXPECT_EQ(odd.after_killing, std::vector<std::string>{"hit"});
  EXPECT_EQ(odd.after_dying, std::vector<std::string>{"hurt"});
}

}  // namespace
}  // namespace orvane::test
