// Rocket Crowbar's files as values: game.cfg with the game type, the blocks
// of settings.scr and botdata.txt with every bot's personality.
#include "editors/RocketFiles.h"

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "platform/TextFile.h"

namespace orvane::test {
namespace {

TEST(RocketGameCfg, LinesGameTypesAndBack) {
  RocketGameCfg cfg;
  cfg.teams[0] = "gina";
  cfg.teams[1] = "barney";
  cfg.fraglimit = 25;
  cfg.game_type = 2;
  const std::string tail =
      "\"mp_friendlyfire\"\t\t\"0\"\r\n\"mp_weaponstay\"\t\t\"0\"\r\n"
      "\"mp_forcerespawn\"\t\t\"0\"\r\n\"mp_footsteps\"\t\t\"1\"\r\n\"mp_flashlight\"\t\t\"1\"\r\n"
      "\"mp_autocrosshair\"\t\t\"1\"\r\n\"mp_drunkrockets\"\t\t\"0\"\r\n"
      "\"sv_pregameobserver\"\t\t\"0\"\r\n\"sv_poll\"\t\t\"0\"\r\n\"mp_teamannoy\"\t\t\"0\"\r\n"
      "\"mp_allowrifts\"\t\t\"1\"\r\n\"sv_sendvelocity\"\t\t\"0\"\r\n";
  const std::string head =
      "\"mp_teamlist\"\t\t\"gina;barney\"\r\n\"mp_fraglimit\"\t\t\"25.000000\"\r\n"
      "\"mp_timelimit\"\t\t\"0.000000\"\r\n\"mp_flag_return_time\"\t\t\"60.000000\"\r\n"
      "\"mp_points_per_capture\"\t\t\"10.000000\"\r\n\"mp_scikill\"\t\t\"0.000000\"\r\n"
      "\"mp_falldamage\"\t\t\"0\"\r\n\"minplayers\"\t\t\"0.000000\"\r\n"
      "\"minbots\"\t\t\"3.000000\"\r\n";
  EXPECT_EQ(JoinCrLf(RocketGameCfgLines(cfg)),
            head + "\"mp_teamplay\"\t\t\"1\"\r\n\"mp_ctf\"\t\t\"1\"\r\n" + tail);
  cfg.game_type = kRocketNoGameType;
  EXPECT_EQ(JoinCrLf(RocketGameCfgLines(cfg)), head + tail);

  // Capture the Flag reads back; values are cut at their first "." (a team's name too).
  for (const int kind : {0, 1, 2}) {
    cfg.game_type = kind;
    RocketGameCfg back;
    ParseRocketGameCfg(RocketGameCfgLines(cfg), "game.cfg", back);
    EXPECT_EQ(back.game_type, kind);
    EXPECT_EQ(back.fraglimit, 25);
    EXPECT_EQ(back.team_text, "gina;barney");
  }
  RocketGameCfg dotted;
  ParseRocketGameCfg({"mp_teamlist \"Dr.Who;gina\"", "mp_falldamage 2"}, "game.cfg", dotted);
  EXPECT_EQ(dotted.team_text, "Dr");
  EXPECT_EQ(dotted.falldamage, 2);
  RocketGameCfg kept;
  EXPECT_THROW(ParseRocketGameCfg({"minbots many"}, "game.cfg", kept), FileError);
  EXPECT_EQ(kept.minbots, 3);

  const std::vector<ScrBlock> blocks = RocketScrBlocks(cfg);
  ASSERT_EQ(blocks.size(), 23u);
  EXPECT_EQ(JoinCrLf(ScrBlockLines(blocks[0])),
            "\t\"mp_teamlist\"\r\n\t{\r\n\t\t\"Valid teams, leave blank for all\"\r\n"
            "\t\t{ STRING }\r\n\t\t{ \"\" }\r\n\t}\r\n\r\n");
  EXPECT_EQ(blocks[9].variable, "mp_teamplay");
  cfg.game_type = kRocketNoGameType;
  EXPECT_EQ(RocketScrBlocks(cfg).size(), 21u);
}

TEST(RocketBots, SixteenLinesABotAndBack) {
  BotEntry moth = NewRocketBot();
  moth.name = "Moth";
  moth.reaction = "45";
  moth.weapon = "rpg";
  EXPECT_EQ(JoinCrLf(RocketBotLines({moth})),
            "Bot 1\r\nNAME:Moth\r\nMODEL:gordon\r\nSKILL (1-3):1\r\nYAW SPEED:10.000000\r\n"
            "MEMORY LENGTH:1.000000\r\nSIGHT DISTANCE:128.000000\r\n"
            "MAXIUM SHOT DELTA:0.000000\r\nFULL AWARENESS RANGE:0.000000\r\n"
            "REACTION TIME:0.450000\r\nWANDER RATE:10.000000\r\nHUNTER:1\r\nPHYSCO:0\r\n"
            "FAVORITE WEAPON:weapon_rpg\r\n\r\n\r\n");
  std::vector<BotEntry> roster;
  for (const auto& [reaction, seconds] :
       {std::pair{"5", "0.050000"}, std::pair{"45", "0.450000"}, std::pair{"150", "1.500000"}}) {
    EXPECT_EQ(ReactionSeconds(std::stoi(reaction)), seconds);
    BotEntry e = NewRocketBot();
    e.reaction = reaction;
    roster.push_back(e);
  }
  roster[1].weapon = "egon";
  Messages messages;
  EXPECT_EQ(ParseRocketBots(RocketBotLines(roster), "botdata.txt", messages), roster);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(JoinCrLf(RocketBotLines({NewRocketBot()})).find("FAVORITE WEAPON:NONE\r\n") !=
                std::string::npos,
            true);

  // Hand edits: a field out of its range or not a number keeps the new bot's value.
  const std::vector<BotEntry> hand = ParseRocketBots(
      {"junk:1", "Bot 1", "NAME:Dr.Solo", "YAW SPEED:9000.5", "SKILL (1-3):2.000000",
       "REACTION TIME:2.5", "FAVORITE WEAPON:laser", "Bot 2", "NAME:Two"},
      "botdata.txt", messages);
  ASSERT_EQ(hand.size(), 2u);
  EXPECT_EQ(hand[0].name, "Dr.Solo");  // not cut at its "."
  EXPECT_EQ(hand[0].yaw_speed, "10");
  EXPECT_EQ(hand[0].skill, "2");
  EXPECT_EQ(hand[0].reaction, "250");
  EXPECT_EQ(hand[0].weapon, "NONE");
  EXPECT_EQ(hand[1].model, "");  // a field the file does not hold
  EXPECT_EQ(hand[1].sight, "128");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].detail,
            "Line 4, YAW SPEED: expected a whole number from 10 to 720, found \"9000.5\"; the bot "
            "keeps its default.");
}

}  // namespace
}  // namespace orvane::test
