// Action HL's settings document: its own models and maps, the team tree's
// commands and refusals, the gore level, and the files written.
#include "editors/ActionSettings.h"

#include <gtest/gtest.h>

#include "support/ModTree.h"

namespace orvane::test {
namespace {

ModTree ActionTree() {
  return ModTree("Action", [](GameTree& tree) {
    tree.File("action\\maps\\ahl_office.bsp")
        .File("action\\maps\\ahl_roof.bsp")
        .File("action\\maps\\ahl_office.wps")
        .File("action\\models\\player\\drake\\drake.mdl")
        .File("action\\models\\player\\swat\\swat.mdl")
        .File("action\\models\\player\\empty\\other.mdl")
        .File("action\\mapcycle.txt", "ahl_roof\r\n")
        .File("action\\bots.ini", "Ghost drake 3\r\n")
        .File("action\\user.scr",
              "\"Gore Level\"\r\n{\r\nLIST\r\n\"Low\" \"1\"\r\n}\r\n{ \"4.000000\" }\r\n");
  });
}

TEST(ActionSettings, ModelsMapsTeamsAndFiles) {
  ModTree t = ActionTree();
  ActionSettings doc(t.state);
  EXPECT_TRUE(doc.Load().empty());
  EXPECT_EQ(doc.models(), (std::vector<std::string>{"drake", "swat"}));
  EXPECT_EQ(doc.maps.available.items, (std::vector<std::string>{"ahl_office *", "ahl_roof "}));
  EXPECT_EQ(ShownValue(doc.Show(), "AC_Gorelevel"), "Very High");
  EXPECT_EQ(ShownValue(doc.Show(), "AC_Teams"),
            "The Syndicate/markham(Suits/markham,Assassins/josaphine);"
            "COPS/drake(LAPD/drake,SWAT/swat)");

  // The pop-up menu's refusals and question.
  const struct {
    const char* node;
    const char* refused;
  } kDeletes[] = {{"The Syndicate/markham", "You can't delete the two first main teams."},
                  {"COPS/drake", "You can't delete the two first main teams."},
                  {"COPS/drake>LAPD/drake", "You can't delete the first subteam."}};
  for (const auto& d : kDeletes) {
    ASSERT_EQ(doc.Set("AC_Teams", d.node), std::nullopt) << d.node;
    EXPECT_EQ(doc.DeleteRefusal(), d.refused) << d.node;
  }
  ASSERT_EQ(doc.Set("AC_Teams", "The Syndicate/markham>Suits/markham"), std::nullopt);
  EXPECT_EQ(doc.Set("AddaSubTeam1", "1"),
            "You can't add a Subteam to a Subteam. Select a Main team first.");
  ASSERT_EQ(doc.Set("AC_Teams", "COPS/drake>SWAT/swat"), std::nullopt);
  EXPECT_EQ(doc.DeleteRefusal(), "");
  EXPECT_EQ(doc.DeleteQuestion(), "Are you sure to delete the subteam \"SWAT\" ?");
  ASSERT_EQ(doc.Set("DeleteTeam1", "1"), std::nullopt);
  ASSERT_EQ(doc.Set("AddaTeam1", "1"), std::nullopt);
  ASSERT_EQ(doc.Set("AC_Teams", "New Team/agent99"), std::nullopt);
  EXPECT_EQ(doc.DeleteQuestion(), "Are you sure to delete the team \"New Team\" ?");
  ASSERT_EQ(doc.Set("AC_TeamModel", "swat"), std::nullopt);
  ASSERT_EQ(doc.Set("AC_TeamName", "Feds"), std::nullopt);
  EXPECT_EQ(doc.Set("AC_TeamModel", "markham"), "AC_TeamModel accepts one of Action's models");

  ASSERT_EQ(doc.Set("AC_bots", "4"), std::nullopt);
  doc.Save();
  EXPECT_NE(t.Read("action\\teams.ini")
                .find("[COPS/drake]\r\nLAPD/drake\r\n\r\n[Feds/swat]\r\nNew SubTeam/agent99\r\n"),
            std::string::npos);
  EXPECT_EQ(t.Read("action\\game.cfg").rfind("\"mp_bots\"\t\t\"5.00000\"\r\n", 0), 0u);
  EXPECT_NE(t.Read("action\\bots.ini").find("NAME MODEL SKILL\r\nGhost drake 3\r\n"),
            std::string::npos);
  EXPECT_NE(t.Read("action\\user.scr").find("{ \"4.000000\" }"), std::string::npos);

  // Restore Default: the default tree again, the roster read again, no play list.
  doc.RestoreDefault();
  EXPECT_EQ(doc.team_tree, DefaultActionTeams());
  EXPECT_EQ(doc.roster.items.size(), 1u);
  EXPECT_TRUE(doc.maps.play.items.empty());
  EXPECT_EQ(doc.Checks(), std::vector<std::string>{"You must select a starting map."});
}

}  // namespace
}  // namespace orvane::test
