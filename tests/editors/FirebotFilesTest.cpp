// Firebot's files as values: game.cfg, default.cfg's bots and options,
// botskill.cfg's grid and the settings.scr blocks.
#include "editors/FirebotFiles.h"

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "platform/TextFile.h"

namespace orvane::test {
namespace {

TEST(FirebotGameCfg, SeventeenLinesAndOptionsBack) {
  FirebotCfg cfg;
  cfg.fraglimit = 30;
  cfg.fall_realistic = true;
  cfg.autoexeccfg = true;
  EXPECT_EQ(JoinCrLf(FirebotGameCfgLines(cfg)),
            "\"mp_teamlist\"\t\t\"blue;red\"\r\n\"mp_teamplay\"\t\t\"1\"\r\n"
            "\"mp_fraglimit\"\t\t\"30.00000\"\r\n\"mp_timelimit\"\t\t\"0.00000\"\r\n"
            "\"mp_falldamage\"\t\t\"1\"\r\n\"mp_friendlyfire\"\t\t\"0\"\r\n"
            "\"mp_weaponstay\"\t\t\"0\"\r\n\"mp_forcerespawn\"\t\t\"0\"\r\n"
            "\"mp_footsteps\"\t\t\"1\"\r\n\"mp_flashlight\"\t\t\"1\"\r\n"
            "\"mp_autocrosshair\"\t\t\"1\"\r\n\"mp_blood\"\t\t\"1\"\r\n\"mp_shells\"\t\t\"1\"\r\n"
            "\"mp_bulletholes\"\t\t\"1\"\r\n\"sv_useskills\"\t\t\"1\"\r\n"
            "\"autoexeccfg\"\t\t\"1\"\r\n\"sv_sendvelocity\"\t\t\"0\"\r\n");
  FirebotCfg back;
  ParseFirebotOptions(FirebotGameCfgLines(cfg), "game.cfg", back);
  EXPECT_EQ(back.fraglimit, 30);
  EXPECT_TRUE(back.fall_realistic);
  EXPECT_TRUE(back.autoexeccfg);
  FirebotCfg kept;
  EXPECT_THROW(ParseFirebotOptions({"botskill 3", "sv_useskills all"}, "game.cfg", kept),
               FileError);
  EXPECT_EQ(kept.default_skill, 1);
}

TEST(FirebotBots, AddBotLinesAndOptions) {
  FirebotCfg cfg;
  cfg.default_skill = 2;
  cfg.observer = true;
  const std::vector<BotEntry> roster = {{"Sarge", "2", "14", "", "3"}};
  EXPECT_EQ(JoinCrLf(FirebotBotLines(cfg, roster)),
            "# addbot <team> <weapon> <name> <skill>\r\nbotskill 2\r\n\r\n"
            "addbot 2 14 Sarge 3\r\n\r\n\"botdontshoot\"\t\t\"0\"\r\n\"observer\"\t\t\"1\"\r\n"
            "\"botstamina\"\t\t\"0\"\r\n\"autojoin\"\t\t\"1\"\r\n");
  Messages messages;
  const std::vector<BotEntry> read =
      ParseFirebotBots({"addbot 2 14 Sarge 3", "addbot 5 3 Ghost", "ADDBOT", "addbot 1 x Bad 2",
                        "addbot 1 2 Old Man 4"},
                       "default.cfg", messages);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0], (BotEntry{"Sarge", "2", "14", "", "3"}));
  EXPECT_EQ(read[1], (BotEntry{"Ghost", "0", "3", "", "0"}));  // 5 is above 2: Auto
  EXPECT_EQ(read[2], (BotEntry{"NewBot", "0", "0", "", "0"}));
  ASSERT_EQ(messages.size(), 2u);  // the weapon "x"; the skill "Man 4" (a name of one word)
  EXPECT_EQ(
      messages[1].detail,
      "Line 5: the skill is a whole number from 0 to 5, found \"Man 4\"; the bot is left out.");
  EXPECT_EQ(FbWeaponList()[14], "Rifle - 5.56 AR-TAC");
}

TEST(FirebotSkills, GridWrittenAndRead) {
  FbSkills skills;
  for (size_t row = 0; row < kFbSkillRows; ++row)
    for (size_t level = 0; level < 5; ++level)
      skills[row][level] = std::to_string(row * 10 + level);
  const std::vector<std::string> lines = FbSkillLines(skills);
  EXPECT_EQ(lines.front(), "AIM_X 1 20");
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines.back(), "REACT_MAX 5 14");
  EXPECT_EQ(lines.size(), 6u * 5 + 5);
  EXPECT_EQ(ParseFbSkills(lines), skills);
  const FbSkills hand = ParseFbSkills({"# c", "REACT_MAX 4 0.35", "AIM_HEAD 2", "AIM_Z 9 1"});
  EXPECT_EQ(hand[1][3], "0.35");  // column 4, row 2
  EXPECT_EQ(hand[5][1], "");      // too short: skipped
}

}  // namespace
}  // namespace orvane::test
