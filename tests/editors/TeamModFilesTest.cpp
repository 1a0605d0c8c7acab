// TFC's and Front Line Force's files as values: game.cfg (with Abot's
// lines), the team-damage code, settings.scr's blocks, TF_Bots.ini /
// FL_Bots.ini, and what their launches write: liblist.gam, the bot command
// files and the maps' own bot files.
#include <gtest/gtest.h>

#include "editors/FrontlineFiles.h"
#include "editors/LaunchFiles.h"
#include "editors/TfcFiles.h"
#include "platform/FileError.h"
#include "platform/TextFile.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {

TEST(TfcGameCfg, DamageCodeAbotLinesAndBack) {
  const struct {
    int body_direct, body_deflagration, armour_direct, armour_deflagration, code;
  } kCodes[] = {{1, 2, 0, 1, 531}, {2, 2, 2, 2, 1301}, {0, 0, 0, 0, 1}};
  for (const auto& c : kCodes) {
    TfcConfig cfg;
    cfg.damage_2 = c.body_direct;
    cfg.damage_8 = c.body_deflagration;
    cfg.damage_128 = c.armour_direct;
    cfg.damage_512 = c.armour_deflagration;
    EXPECT_EQ(TeamDamageCode(cfg), c.code);
  }
  TfcConfig cfg;
  cfg.fraglimit = 30;
  cfg.default_skill = 3;
  cfg.addmap = true;
  cfg.botdontshoot = true;
  cfg.gameplay = 1;
  const std::string common =
      "\"mp_teamplay\"\t\t\"1\"\r\n\"mp_fraglimit\"\t\t\"30.00000\"\r\n"
      "\"mp_timelimit\"\t\t\"0.00000\"\r\n\"tfc_respawndelay\"\t\t\"0.00000\"\r\n"
      "\"mp_footsteps\"\t\t\"1\"\r\n\"tfc_balance_teams\"\t\t\"1\"\r\n\"tfc_"
      "birthday\"\t\t\"0\"\r\n";
  EXPECT_EQ(JoinCrLf(TfcGameCfgLines(cfg, false)), common + "\"sv_sendvelocity\"\t\t\"0\"\r\n");
  EXPECT_EQ(JoinCrLf(TfcGameCfgLines(cfg, true)),
            common +
                "\"team_even\"\t\t\"0\"\r\n\"botshoot\"\t\t\"1\"\r\n\"bottarget\"\t\t\"0\"\r\n"
                "\"skilllevel\"\t\t\"2\"\r\n\"gameplay\"\t\t\"1\"\r\n\"addmap\"\t\t\"2\"\r\n"
                "\"sv_sendvelocity\"\t\t\"0\"\r\n");

  // team_even "0" is checked and only "1" unchecks it; mp_teamplay is not read.
  for (const auto& [stored, even] :
       {std::pair{"0", true}, std::pair{"1", false}, std::pair{"x", true}}) {
    TfcConfig back;
    back.team_even = !even;
    ParseTfcGameCfg(
        {std::string("team_even ") + stored, "mp_teamplay 1301", "gameplay 1", "mp_fraglimit 12.5"},
        "game.cfg", back);
    EXPECT_EQ(back.team_even, even) << stored;
    EXPECT_EQ(back.damage_2, 0);
    EXPECT_EQ(back.gameplay, 1);
    EXPECT_EQ(back.fraglimit, 12);
  }
  TfcConfig kept;
  try {
    ParseTfcGameCfg({"mp_timelimit 5", "gameplay last"}, "game.cfg", kept);
    ADD_FAILURE() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.line(), 2);
  }
  EXPECT_EQ(kept.timelimit, 0);
}

TEST(FrontlineGameCfg, NineLinesElevenBlocksAndBack) {
  FrontlineConfig cfg;
  cfg.roundlimit = 25;
  EXPECT_EQ(JoinCrLf(FrontlineGameCfgLines(cfg)),
            "\"mp_timelimit\"\t\t\"0.00000\"\r\n\"mp_roundlimit\"\t\t\"25.00000\"\r\n"
            "\"mp_friendlyfire\"\t\t\"1\"\r\n\"mp_footsteps\"\t\t\"1\"\r\n"
            "\"mp_flashlight\"\t\t\"0\"\r\n\"mp_autoteambalance\"\t\t\"1\"\r\n"
            "\"mp_forcebalance\"\t\t\"1\"\r\n\"mp_teamchange\"\t\t\"1\"\r\n"
            "\"sv_sendvelocity\"\t\t\"0\"\r\n");
  const std::vector<ScrBlock> blocks = FrontlineScrBlocks(cfg);
  ASSERT_EQ(blocks.size(), 11u);
  EXPECT_EQ(JoinCrLf(ScrBlockLines(blocks[0])),
            "\t\"mp_roundlimit\"\r\n\t{\r\n\t\t\"Round Limit\"\r\n"
            "\t\t{ NUMBER 0.000000 -1.000000 }\r\n\t\t{ \"25.000000\" }\r\n\t}\r\n\r\n");
  EXPECT_EQ(blocks[3].value, "1");  // mp_teamchange
  EXPECT_EQ(blocks[10].variable, "sv_sendvelocity");
  FrontlineConfig back;
  ParseFrontlineGameCfg({"mp_flashlight 1", "mp_teamchange 0", "mp_friendlyfire 0"}, "game.cfg",
                        back);
  EXPECT_TRUE(back.flashlight);
  EXPECT_FALSE(back.friendlyfire);
}

TEST(TeamBotsIni, WrittenInOrderAndReadWithHandEdits) {
  GameTree tree;
  const std::string path = tree.HLPath() + "/TF_Bots.ini";
  TeamBotOptions o;
  o.default_skill = 3;
  o.addmap = true;
  FileBatch batch;
  // Engineer is class 9, "<Random Class>" 10.
  PutTeamBotsIni(batch, path, o, {{"Vole", "9", "1", "", "4"}, {"Rex", "10", "0", "", "0"}}, "5",
                 "addmap");
  batch.Commit();
  EXPECT_EQ(ReadFileBytes(path),
            "[Default]\r\nnumbot=2\r\nskill5=3\r\nbotdontshoot=0\r\naddmap=1\r\n"
            "\r\n[Bot 1]\r\nnom=Vole\r\nteam=1\r\nmodele=9\r\nskill5=4\r\n"
            "\r\n[Bot 2]\r\nnom=Rex\r\nteam=0\r\nmodele=10\r\nskill5=0\r\n");
  Messages clean;
  const TeamBotsIni read = ReadTeamBotsIni(ReadFileBytes(path), path, {5, 1, 10, 1}, {}, clean);
  EXPECT_TRUE(clean.empty());
  EXPECT_EQ(read.options.default_skill, 3);
  EXPECT_TRUE(read.options.addmap);
  EXPECT_EQ(read.roster[0].model, "9");

  const std::string hand =
      "[Default]\r\nnumbot=3\r\nskill5=three\r\ndodge_bullets=Yes\r\n"
      "[Bot 1]\r\nnom=A\r\nmodele=4\r\n[Bot 2]\r\nnom=B\r\n[Bot 3]\r\nnom=C\r\nskill5=x\r\n";
  TeamBotOptions before;
  before.default_skill = 2;
  Messages messages;
  const TeamBotsIni flf = ReadTeamBotsIni(hand, "FL_Bots.ini", {5, 1, 3, 1}, before, messages);
  EXPECT_EQ(flf.options.default_skill, 2);  // the value it had
  EXPECT_TRUE(flf.options.dodge_bullets);
  EXPECT_EQ(flf.roster[0].model, "1");  // 4 is no class of three
  EXPECT_EQ(flf.roster[1].model, "1");  // missing: the first class
  EXPECT_EQ(flf.roster[2].skill, "0");
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].detail,
            "[Default] skill5: expected a whole number, found \"three\"; the value stays 2.");
  EXPECT_EQ(messages[1].detail,
            "[Bot 1] modele: expected a whole number from 1 to 3, found \"4\"; A keeps 1.");
  EXPECT_EQ(messages[0].text, "Can't read the file FL_Bots.ini.");
}

constexpr const char* kRoster =
    "[Default]\r\nnumbot=2\r\nskill5=3\r\nbotdontshoot=1\r\ndodge_bullets=1\r\n"
    "[Bot 1]\r\nnom=Ghost\r\nteam=2\r\nmodele=3\r\nskill5=4\r\n[Bot 2]\r\nnom=Rex\r\n";

TEST(TeamLaunch, LiblistsAndBotFiles) {
  BotProfile p;
  p.add_bot_template = "addbot <team> <model> <name> <skill>";
  p.dll = "dlls\\abot.dll";
  p.size = "201000000";
  EXPECT_EQ(JoinCrLf(TfcLiblistLines(p)),
            "game \"Team Fortress\"\r\nurl_info \"http://www.teamfortress.com\"\r\nurl_dl \"\"\r\n"
            "version \"1.5\"\r\nsize \"201000000\"\r\nsvonly \"0\"\r\ncldll \"0\" \r\n"
            "type \"multiplayer_only\"\r\nnomodels \"1\"\r\nmpentity \"info_tfdetect\"\r\n"
            "gamedll \"dlls\\abot.dll\"\r\ngamedll_linux \"dlls/tfc_i386.so\"\r\n");
  EXPECT_EQ(JoinCrLf(FrontlineLiblistLines(p)),
            "// Front Line Force\r\nversion \"v1.1\"\r\ngame \"Front Line Force\"\r\n"
            "url_info \"http://www.frontlineforce.com\"\r\nurl_dl \"\"\r\nsize \"201000000\"\r\n"
            "svonly \"0\"\r\ncldll \"1\"\r\nhlversion \"1104\"\r\ntype \"multiplayer_only\"\r\n"
            "nomodels \"1\"\r\nmpentity \"info_frontline\"\r\ngamedll \"dlls\\abot.dll\"\r\n"
            "gamedll_linux \"dlls/front_i386.so\"\r\n");

  const std::string head = "# addbot <team> <model> <name> <skill>\r\npause 2\r\n\r\n";
  const std::string roster = "addbot 2 3 Ghost 4\r\naddbot 0 0 Rex 0\r\n";
  const struct {
    bool tfc;
    const char* bot;
    std::string bytes;
  } kCases[] = {
      {true, "Abot", head + "botskill 2\r\n \r\n" + roster},  // Abot counts from 0
      {true, "HPB Bot", head + "botdontshoot 1\r\nbotskill 3\r\n \r\n" + roster},
      {true, "Foxbot", head + "botskill 3\r\n \r\n" + roster},
      {false, "AgroBot", head + "botskill 3\r\n \r\ndodge_bullets 1\r\n" + roster},
      {false, "HPB Bot", head + "botskill 3\r\n \r\nbotdontshoot 1\r\n" + roster},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(JoinCrLf(c.tfc ? TfcBotFileLines(c.bot, p, ProfileIndex(kRoster), "TF_Bots.ini")
                             : FrontlineBotFileLines(c.bot, p, ProfileIndex(kRoster))),
              c.bytes)
        << c.bot;
  }
  // Without a settings file: no roster; Abot's lowest skill.
  EXPECT_EQ(JoinCrLf(TfcBotFileLines("Abot", p, ProfileIndex(""), "TF_Bots.ini")),
            head + "botskill 0\r\n \r\n");
  EXPECT_THROW(
      TfcBotFileLines("Abot", p, ProfileIndex("[Default]\r\nskill5=high\r\n"), "TF_Bots.ini"),
      FileError);
}

TEST(TeamLaunch, MapBotFiles) {
  using Lines = std::vector<std::string>;
  const struct {
    const char* what;
    std::optional<Lines> existing;
    std::optional<Lines> written;
  } kCases[] = {
      {"no file", std::nullopt, Lines{"exec abot.cfg"}},
      {"already there", Lines{"addbot 1 1 A 1", "exec abot.cfg"}, std::nullopt},
      {"bots dropped", Lines{"// mine", "addbot 1 1 A 1", "pause 3", "sv_gravity 600", "  "},
       Lines{"// mine", "sv_gravity 600", "exec abot.cfg"}},
      {"nothing kept", Lines{"addbot 1 1 A 1", "botskill 3"}, Lines{"exec abot.cfg"}},
  };
  for (const auto& c : kCases) EXPECT_EQ(MapBotFileLines(c.existing), c.written) << c.what;
}

}  // namespace
}  // namespace orvane::test
