// Rocket Crowbar's settings document: the game type and its teams, the
// personality roster, random bots, and the files written.
#include "editors/RocketSettings.h"

#include <gtest/gtest.h>

#include "support/ModTree.h"

namespace orvane::test {
namespace {

ModTree RocketTree() {
  return ModTree("Rocket", [](GameTree& tree) {
    BotEntry bot = NewRocketBot();
    bot.name = "Moth";
    bot.model = "barney";
    tree.File("rockcrowbar\\game.cfg",
              "\"mp_teamlist\"\t\t\"barney\"\r\n\"mp_teamplay\"\t\t\"1\"\r\n"
              "\"mp_ctf\"\t\t\"1\"\r\n\"minbots\"\t\t\"5.000000\"\r\n")
        .File("rockcrowbar\\botdata.txt", JoinCrLf(RocketBotLines({bot})))
        .File("rockcrowbar\\mapcycle.txt", "frenzy\r\n")
        .File("rockcrowbar\\botnodes\\frenzy.nod")
        .File("rockcrowbar\\crossfire.cfg")
        .File("rockcrowbar\\settings.scr", "// head\r\n");
  });
}

TEST(RocketSettings, GameTypeTeamsRosterAndFiles) {
  ModTree t = RocketTree();
  RocketSettings doc(t.state);
  EXPECT_TRUE(doc.Load().empty());
  EXPECT_EQ(ShownValue(doc.Show(), "RC_Teamplay"), "Capture the Flag");
  EXPECT_EQ(ShownValue(doc.Show(), "RC_minbots"), "5");
  const std::vector<std::string>& available = doc.maps.available.items;
  for (const char* marked : {"crossfire +", "frenzy *", "stalkyard "})
    EXPECT_NE(std::find(available.begin(), available.end(), marked), available.end()) << marked;
  EXPECT_EQ(ShownValue(doc.Show(), "RC_team1"), "barney");
  EXPECT_EQ(ShownValue(doc.Show(), "RC_team2"), "");
  EXPECT_EQ(doc.Checks(),
            std::vector<std::string>{"You must select at least two teams for Teamplay / CTF."});
  EXPECT_EQ(doc.Set("RC_Teamplay", "Team"),
            "RC_Teamplay accepts one of its kinds: DeathMatch, Teamplay, Capture the Flag");
  ASSERT_EQ(doc.Set("RC_Teamplay", "DeathMatch"), std::nullopt);
  EXPECT_TRUE(doc.Checks().empty());

  // Random bots: every field within its range.
  std::mt19937 draw(7);
  for (int i = 0; i < 50; ++i) ASSERT_TRUE(doc.CreateBot(true, draw, nullptr));
  for (const BotEntry& e : doc.roster.items) {
    for (const auto& [text, lo, hi] :
         {std::tuple{e.skill, 1, 3}, std::tuple{e.yaw_speed, 10, 720}, std::tuple{e.memory, 1, 60},
          std::tuple{e.sight, 128, 8192}, std::tuple{e.shot_delta, 0, 180},
          std::tuple{e.awareness, 0, 8192}, std::tuple{e.reaction, 1, 500},
          std::tuple{e.wander, 10, 360}, std::tuple{e.hunter, 0, 1}, std::tuple{e.psycho, 0, 1}}) {
      const int n = std::stoi(text);
      EXPECT_TRUE(n >= lo && n <= hi) << text;
    }
    EXPECT_FALSE(e.name.empty());
  }
  ASSERT_EQ(doc.Set("RC_ListBot", "Moth"), std::nullopt);
  ASSERT_EQ(doc.Set("RC_botweapon", "gauss"), std::nullopt);
  ASSERT_EQ(doc.Set("RC_botreaction", "150"), std::nullopt);
  EXPECT_EQ(doc.Set("RC_botweapon", "laser").value_or("").rfind("RC_botweapon accepts", 0), 0u);
  doc.Save();
  const std::string bots = t.Read("rockcrowbar\\botdata.txt");
  EXPECT_EQ(bots.substr(0, 300).find("REACTION TIME:1.500000\r\nWANDER RATE:10.000000\r\n"
                                     "HUNTER:1\r\nPHYSCO:0\r\nFAVORITE WEAPON:weapon_gauss"),
            bots.find("REACTION TIME:1.500000"));
  EXPECT_NE(t.Read("rockcrowbar\\game.cfg").find("\"mp_teamplay\"\t\t\"0\"\r\n\"mp_ctf\"\t\t\"0\""),
            std::string::npos);
  EXPECT_NE(t.Read("rockcrowbar\\settings.scr").find("\"mp_ctf\"\r\n\t{\r\n\t\t\"CTF\""),
            std::string::npos);
}

}  // namespace
}  // namespace orvane::test
