#include "services/ServerFiles.h"

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {

TEST(SplitCfgLine, EveryRule) {
  struct Row {
    const char* line;
    bool rocket;
    const char* key;
    const char* value;
  };
  for (const Row& row : std::vector<Row>{
           {"\"mp_footsteps\"\t\t\"1\"", false, "mp_footsteps", "1"},
           {"mp_fraglimit 15", false, "mp_fraglimit", "15"},
           {"\"mp_footsteps\"\t\t\"0\" // quiet", false, "mp_footsteps", "0"},
           {"  mp_timelimit\t 20.00000  ", false, "mp_timelimit", "20.00000"},
           {"// only a comment", false, "", ""},
           {"sv_cheats", false, "", "sv_cheats"},
           {"\"sh_weapfileloc\" \"weapons/arsenal.txt\"", false, "sh_weapfileloc",
            "weapons/arsenal.txt"},
           {"hostname \"My \"quoted\" server\"", false, "hostname", "My \"quoted\" server"},
           {"mp_timelimit 12.5", true, "mp_timelimit", "12"},
           {"mp_timelimit 12.5", false, "mp_timelimit", "12.5"},
           {"key\tvalue with space", false, "key", "value with space"},
       }) {
    const CfgPair pair = SplitCfgLine(row.line, row.rocket);
    EXPECT_EQ(pair.key, row.key) << row.line;
    EXPECT_EQ(pair.value, row.value) << row.line;
  }
}

TEST(StandardGameCfg, ExactBytes) {
  StandardGameCfg deathmatch;
  deathmatch.fraglimit = 20;
  deathmatch.autocrosshair = false;
  GameTree tree;
  tree.Dir("bot");
  const std::string path = tree.HLPath() + "\\bot\\game.cfg";
  WriteStandardGameCfg(path, deathmatch);
  EXPECT_EQ(tree.Read("bot/game.cfg"),
            "\"mp_teamlist\"\t\t\"\"\r\n"
            "\"mp_fraglimit\"\t\t\"20.00000\"\r\n"
            "\"mp_timelimit\"\t\t\"0.00000\"\r\n"
            "\"mp_falldamage\"\t\t\"0\"\r\n"
            "\"mp_teamplay\"\t\t\"0\"\r\n"
            "\"mp_friendlyfire\"\t\t\"0\"\r\n"
            "\"mp_weaponstay\"\t\t\"0\"\r\n"
            "\"mp_forcerespawn\"\t\t\"0\"\r\n"
            "\"mp_footsteps\"\t\t\"1\"\r\n"
            "\"mp_flashlight\"\t\t\"1\"\r\n"
            "\"mp_autocrosshair\"\t\t\"0\"\r\n"
            "\"sv_sendvelocity\"\t\t\"0\"\r\n");

  StandardGameCfg teams;
  teams.teams = {"gina", "", "gordon", "", "", "", "", "", "", "helmet"};
  teams.timelimit = 30;
  teams.fall_realistic = teams.teamplay = teams.friendlyfire = teams.weaponstay = true;
  teams.forcerespawn = teams.autocrosshair = true;
  teams.footsteps = teams.flashlight = false;
  WriteStandardGameCfg(path, teams);
  StandardGameCfg read;
  ASSERT_TRUE(ReadStandardGameCfg(path, read));
  EXPECT_EQ(read.team_text, "gina;gordon;helmet");
  EXPECT_EQ(read.timelimit, 30);
  EXPECT_TRUE(read.fall_realistic && read.teamplay && read.friendlyfire && read.weaponstay &&
              read.forcerespawn && read.autocrosshair);
  EXPECT_FALSE(read.footsteps || read.flashlight);
  std::array<std::string, 10> leading_blank{};
  leading_blank[1] = "gina";
  EXPECT_EQ(TeamListText(leading_blank), ";gina");
}

TEST(StandardGameCfg, HandEditedLinesAndBadInput) {
  GameTree tree;
  tree.File("bot/game.cfg",
            "mp_fraglimit 15\r\n\"mp_footsteps\"\t\t\"0\" // quiet\r\nmp_falldamage 2\r\n");
  const std::string path = tree.HLPath() + "\\bot\\game.cfg";
  StandardGameCfg cfg;
  cfg.footsteps = true;
  cfg.fall_realistic = true;
  ASSERT_TRUE(ReadStandardGameCfg(path, cfg));
  EXPECT_EQ(cfg.fraglimit, 15);
  EXPECT_FALSE(cfg.footsteps);
  EXPECT_FALSE(cfg.fall_realistic);  // only "1" is Realistic
  EXPECT_FALSE(ReadStandardGameCfg(tree.HLPath() + "\\bot\\missing.cfg", cfg));

  for (const auto& [text, line] : std::vector<std::pair<std::string, int>>{
           {"mp_footsteps 1\r\nmp_timelimit twenty\r\n", 2},
           {"mp_fraglimit 1x\r\n", 1},
           {"mp_footsteps 1\r\n" + std::string(5000, 'x') + "\r\n", 2}}) {
    tree.File("bot/game.cfg", text);
    StandardGameCfg before;
    before.fraglimit = 7;
    try {
      ReadStandardGameCfg(path, before);
      ADD_FAILURE() << text;
    } catch (const FileError& e) {
      EXPECT_EQ(e.file(), path);
      EXPECT_EQ(e.line(), line);
    }
    EXPECT_EQ(before.fraglimit, 7);              // nothing half-applied
    EXPECT_EQ(tree.Read("bot/game.cfg"), text);  // a reader writes nothing
  }
}

TEST(ListenServer, CommentsOutOnlyWhatWouldOverride) {
  GameTree tree;
  const std::string original =
      "maxplayers 8\r\n//mp_timelimit 30\r\nsv_cheats 0\r\nmp_teamplay 1\nhostname \"x\"\r\n"
      "  mp_fraglimit 10";
  tree.File("bot/listenserver.cfg", original);
  const std::string path = tree.HLPath() + "\\bot\\listenserver.cfg";
  NeutraliseListenServer(path, ListenServerNames("Botman"));
  const std::string once = tree.Read("bot/listenserver.cfg");
  EXPECT_EQ(
      once,
      "//maxplayers 8\r\n//mp_timelimit 30\r\nsv_cheats 0\r\n//mp_teamplay 1\nhostname \"x\"\r\n"
      "//  mp_fraglimit 10");
  NeutraliseListenServer(path, ListenServerNames("Botman"));
  EXPECT_EQ(tree.Read("bot/listenserver.cfg"), once);
  // TFC's names differ; mods without names leave the file alone.
  EXPECT_EQ(
      NeutraliseListenServerText("tfc_birthday 1\r\nmp_falldamage 1\r\n", ListenServerNames("TFC")),
      "//tfc_birthday 1\r\nmp_falldamage 1\r\n");
  EXPECT_TRUE(ListenServerNames("Jumbot").empty());
  NeutraliseListenServer(tree.HLPath() + "\\jumbot\\listenserver.cfg", ListenServerNames("Botman"));
  EXPECT_FALSE(tree.Exists("jumbot/listenserver.cfg"));  // a missing file is not created
}

}  // namespace
}  // namespace orvane::test
