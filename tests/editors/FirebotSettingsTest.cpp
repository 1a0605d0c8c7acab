// Firebot's settings document: the maps its waypoints allow, the roster of
// default.cfg with its options, the skill table, and the files written.
#include "editors/FirebotSettings.h"

#include <gtest/gtest.h>

#include "support/ModTree.h"

namespace orvane::test {
namespace {

TEST(FirebotSettings, WaypointMapsBotsSkillsAndFiles) {
  ModTree t("Firebot", [](GameTree& tree) {
    tree.File("firearms\\maps\\ctf_x.bsp")
        .File("firearms\\maps\\ps_y.bsp")
        .File("firebot\\firearms\\waypoint\\ctf_x.fwp")
        .File("firebot\\firearms\\cfg\\ctf_x.cfg")
        .File("firearms\\mapcycle.txt", "ps_y\r\nctf_x\r\n")
        .File("firebot\\firearms\\cfg\\default.cfg",
              "botskill 4\r\naddbot 2 14 Sarge 3\r\n\"observer\"\t\t\"1\"\r\n")
        .File("firebot\\firearms\\botskill.cfg", "REACT_MAX 4 0.35\r\n")
        .File("firearms\\settings.scr", "// head\r\n");
  });
  FirebotSettings doc(t.state);
  EXPECT_TRUE(doc.Load().empty());
  EXPECT_EQ(doc.maps.available.items, std::vector<std::string>{"ctf_x +"});
  EXPECT_EQ(ShownValue(doc.Show(), "FB_MapCycle"), "ctf_x");  // ps_y has no waypoints
  EXPECT_EQ(ShownValue(doc.Show(), "FB_Defskill"), "4");
  EXPECT_EQ(ShownValue(doc.Show(), "FB_observer"), "1");
  EXPECT_EQ(ShownValue(doc.Show(), "FB_botweapon"), "Rifle - 5.56 AR-TAC");
  EXPECT_EQ(ShownValue(doc.Show(), "FB_TeamBlue"), "1");
  EXPECT_EQ(ShownValue(doc.Show(), "FB_Skills_4_2"), "0.35");
  ASSERT_EQ(doc.Set("FB_botweapon", "Other - Knife"), std::nullopt);
  ASSERT_EQ(doc.Set("FB_TeamAuto", "1"), std::nullopt);
  ASSERT_EQ(doc.Set("FB_Skills_1_3", "12"), std::nullopt);
  EXPECT_EQ(doc.Set("FB_Skills_6_1", "1").value_or("").rfind("unknown control", 0), 0u);
  ASSERT_TRUE(doc.Checks().empty());
  doc.Save();
  EXPECT_EQ(t.Read("firebot\\firearms\\cfg\\default.cfg"),
            "# addbot <team> <weapon> <name> <skill>\r\nbotskill 4\r\n\r\naddbot 0 24 Sarge 3\r\n"
            "\r\n\"botdontshoot\"\t\t\"0\"\r\n\"observer\"\t\t\"1\"\r\n\"botstamina\"\t\t\"0\"\r\n"
            "\"autojoin\"\t\t\"1\"\r\n");
  const std::string skills = t.Read("firebot\\firearms\\botskill.cfg");
  EXPECT_EQ(skills.rfind("AIM_X 1 12\r\nAIM_X 2 \r\n", 0), 0u);
  EXPECT_NE(skills.find("REACT_MAX 4 0.35\r\n"), std::string::npos);
  EXPECT_NE(t.Read("firearms\\settings.scr").find("\"mp_bulletholes\""), std::string::npos);
  EXPECT_EQ(t.Read("firearms\\game.cfg").rfind("\"mp_teamlist\"\t\t\"blue;red\"\r\n", 0), 0u);
}

}  // namespace
}  // namespace orvane::test
