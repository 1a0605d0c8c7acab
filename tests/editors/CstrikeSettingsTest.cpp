// Counter-Strike's settings document for each kind of bot: what the bot's
// profile changes, the shared CS_Bots.ini, the waypoint directory and maps,
// P.O.D.Bot's skill table, and the files written.
#include "editors/CstrikeSettings.h"

#include <gtest/gtest.h>

#include "core/LauncherSettings.h"
#include "services/Models.h"
#include "services/Picture.h"
#include "support/ModTree.h"

namespace orvane::test {
namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

// A catalogue of four bots with their own skill scales and waypoint rules.
constexpr const char* kCatalogue =
    "[Default]\r\ndispo=4\r\nBot1=P.O.D.Bot\r\nBot2=RealBot\r\nBot3=NN Bot\r\nBot4=Swat Bot\r\n"
    "[P.O.D.Bot]\r\ndll=PODBot\\pod.dll\r\nmaxskill=100\r\nskill0=worst\r\nwaypt=.pwf\r\n"
    "config=.cfg\r\nchatfile=PODBot\\chat.txt\r\nbotmenucmd=podbotmenu\r\n"
    "[RealBot]\r\ndll=realbot.dll\r\nmaxskill=100\r\noptwaypt=.rbn\r\n"
    "waypath=realbot\\maps\r\n"
    "[NN Bot]\r\ndll=nnbot.dll\r\nmaxskill=5\r\nwaypt=.nwp\r\n"
    "[Swat Bot]\r\ndll=swat.dll\r\nmaxskill=five\r\n";

struct Cstrike {
  Cstrike(const std::string& bot, const std::function<void(GameTree&)>& more = {})
      : t("CStrike", [&](GameTree& tree) {
          tree.AppFile("CStrike.ini", kCatalogue)
              .File("cstrike\\PODBot\\pod.dll")
              .File("cstrike\\realbot.dll")
              .File("cstrike\\nnbot.dll")
              .File("cstrike\\swat.dll")
              .File("cstrike\\maps\\cs_assault.bsp")
              .File("cstrike\\maps\\de_dust.bsp")
              .File("cstrike\\maps\\cs_assault.nwp")
              .File("cstrike\\PODBot\\wptcs10\\de_dust.pwf")
              .File("cstrike\\PODBot\\wptcs10\\de_dust.cfg")
              .File("cstrike\\PODBot\\other\\cs_assault.pwf")
              .File("cstrike\\mapcycle.txt", "cs_assault\r\nde_dust\r\n")
              .AppFile("KRV.ini", "[CStrike]\r\nFirst Map=de_dust\r\n");
          if (more) more(tree);
        }) {
    SelectMod(t.state, "CStrike");
    EXPECT_TRUE(ChooseBot(t.state, bot)) << bot;
    doc = std::make_unique<CstrikeSettings>(t.state, bot);
  }
  std::string Show(const std::string& control) const { return ShownValue(doc->Show(), control); }
  void Set(const Lines& changes) {
    for (const auto& [control, value] : changes)
      ASSERT_EQ(doc->Set(control, value), std::nullopt) << control << "=" << value;
  }
  std::string Ini() const { return t.ReadApp("CS_Bots.ini"); }
  ModTree t;
  std::unique_ptr<CstrikeSettings> doc;
};

TEST(CstrikeSettings, EachBotShowsWhatItUnderstands) {
  const struct {
    const char* bot;
    std::vector<const char*> shown;
    std::vector<const char*> hidden;
  } kCases[] = {
      {"P.O.D.Bot",
       {"CS_botchat", "CS_knifeonly", "CS_detailnames", "CS_control_bot", "CS_botmenu", "WayDir",
        "CS_chatkill"},
       {"CS_pistolonly", "CS_Navigation", "CS_minskill", "PL_pway"}},
      {"RealBot", {"CS_Navigation", "CS_minskill", "CS_forceskill"}, {"CS_botchat", "WayDir"}},
      {"NN Bot", {"CS_pistolonly", "CS_usesmoke", "WayDir"}, {"CS_botmenu", "CS_chatkill"}},
      {"Swat Bot", {"CS_knifeonly"}, {"CS_botchat", "CS_control_bot", "CS_Navigation"}},
  };
  for (const auto& c : kCases) {
    Cstrike cs(c.bot);
    cs.doc->Load();
    for (const char* control : c.shown)
      EXPECT_TRUE(cs.doc->OptionState(control).visible) << c.bot << " " << control;
    for (const char* control : c.hidden)
      EXPECT_FALSE(cs.doc->OptionState(control).visible) << c.bot << " " << control;
    EXPECT_EQ(cs.doc->HasSkillsPage(), std::string(c.bot) == "P.O.D.Bot");
  }
}

TEST(CstrikeSettings, SwatBotSavesEveryDefaultKeyAndReportsItsBrokenScale) {
  Cstrike cs("Swat Bot");
  const Messages messages = cs.doc->Load();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].detail.find("[Swat Bot] maxskill"), std::string::npos);
  EXPECT_EQ(cs.doc->Set("CS_pistolonly", "1"), "CS_pistolonly is hidden now");
  cs.Set({{"CS_SBCreeBot", "1"},
          {"CS_Botskill", "5"},
          {"CS_BotT", "1"},
          {"CS_botmodel", "L337 Krew"}});
  EXPECT_EQ(cs.doc->PictureName(), "1_2");
  ASSERT_EQ(cs.doc->Checks(), std::vector<std::string>{});
  cs.doc->Save();
  EXPECT_EQ(cs.Ini(),
            "[Default]\r\nnumbot=1\r\nskill5=1\r\nminskill=1\r\nextraskill=0\r\nforceskill=0\r\n"
            "botchat=1\r\nknifeonly=0\r\npistolonly=0\r\nsubonly=0\r\nusesmoke=1\r\n"
            "detailnames=0\r\ninhumanturns=0\r\nbotmenu=\r\nversion=1\r\ncontrol_bot=3\r\n"
            "navigation=1\r\n\r\n[PlBot]\r\nwaydist=300\r\nbheight=150\r\npway=20\r\nproad=5\r\n"
            "pgoal=4\r\npchange=5\r\nplong=3\r\nbsenss=50\r\nbsensf=75\r\nbsensc=100\r\n\r\n"
            "[Bot 1]\r\nnom=NewBot\r\nteam=1\r\nmodele=2\r\nskill5=5\r\n");
  EXPECT_EQ(cs.t.Read("cstrike\\game.cfg").substr(0, 30),
            "\"mp_timelimit\"\t\t\"0.00000\"\r\n\"mp");
}

TEST(CstrikeSettings, SettingsScrFollowsTheChosenValues) {
  // A ten-line file keeps its lines, padded to the 42-line head, then the nine blocks.
  std::string head;
  for (int i = 1; i <= 10; ++i) head += "// line " + std::to_string(i) + "\r\n";
  Cstrike cs("NN Bot", [&head](GameTree& tree) { tree.File("cstrike\\settings.scr", head); });
  cs.doc->Load();
  cs.Set({{"CS_timelimit", "25"},
          {"CS_RoundTime", "3"},
          {"CS_friendlyfire", "1"},
          {"CS_footsteps", "0"},
          {"CS_SBCreeBot", "1"}});
  ASSERT_EQ(cs.doc->Checks(), std::vector<std::string>{});
  cs.doc->Save();
  const auto block = [](const char* var, const char* label, const char* type, const char* value) {
    return std::string("\t\"") + var + "\"\r\n\t{\r\n\t\t\"" + label + "\"\r\n\t\t" + type +
           "\r\n\t\t{ \"" + value + "\" }\r\n\t}\r\n\r\n";
  };
  const char* kNumber = "{ NUMBER 0.000000 15.000000 }";
  std::string padding;
  for (int i = 0; i < 32; ++i) padding += "\r\n";
  const std::string expected =
      head + padding + "{\r\n" +
      block("mp_timelimit", "Level Rotation Time (Min.)", "{ NUMBER 0.000000 -1.000000 }",
            "25.000000") +
      block("mp_roundtime", "Round Time (Min.)", kNumber, "3.000000") +
      block("mp_freezetime", "Freeze Time (Sec.)", kNumber, "1.000000") +
      block("mp_autokick", "Kick idle and disruptive players", "{ BOOL }", "1") +
      block("mp_friendlyfire", "Friendly Fire", "{ BOOL }", "1") +
      block("mp_chasecam", "Chasecam only", "{ BOOL }", "0") +
      block("mp_footsteps", "Footsteps", "{ BOOL }", "0") +
      block("mp_flashlight", "Allow flashlight", "{ BOOL }", "1") +
      block("sv_sendvelocity", "Low lag server physics and decals", "{ BOOL }", "0") + "}\r\n";
  EXPECT_EQ(cs.t.Read("cstrike\\settings.scr"), expected);
  // The same values again give the same file; without a settings.scr none is made.
  cs.doc->Save();
  EXPECT_EQ(cs.t.Read("cstrike\\settings.scr"), expected);
  Cstrike none("NN Bot");
  none.doc->Load();
  none.Set({{"CS_SBCreeBot", "1"}});
  none.doc->Save();
  EXPECT_FALSE(none.t.tree.Exists("cstrike\\settings.scr"));
}

TEST(CstrikeSettings, EveryTeamModelHasAShippedPicture) {
  GameTree tree;
  tree.ShippedData();
  LauncherState state = tree.State();
  state.app_path = tree.AppPath();
  state.selected_mod = "CStrike";
  for (const char* team : {"0", "1", "2"}) {
    for (size_t model = 0; model < CsModelTable(team).size(); ++model) {
      const std::string name = std::string(team) + "_" + std::to_string(model);
      const std::string path = ModelPicturePath(state, *FindMod("CStrike"), name);
      EXPECT_EQ(path, tree.AppPath() + "\\models\\cs\\" + name + ".jpg");
      EXPECT_EQ(LoadPicture(path).width, 164) << name;
    }
  }
}

TEST(CstrikeSettings, SkillScalesShareOneFile) {
  Cstrike real("RealBot");
  real.doc->Load();
  EXPECT_EQ(real.Show("CS_defskill"), "50");  // RealBot's "Max Skill" without CS_Bots.ini
  EXPECT_EQ(real.Show("CS_minskill"), "1");
  EXPECT_EQ(real.doc->Set("CS_minskill", "60"), "CS_minskill accepts a whole number from 1 to 50");
  real.Set({{"CS_defskill", "30"}, {"CS_minskill", "40"}});
  EXPECT_EQ(real.Show("CS_defskill"), "40");  // "Min skill" pushes the top up
  real.Set({{"CS_SBCreeBot", "1"}, {"CS_Botskill", "90"}});
  real.doc->Save();
  EXPECT_NE(real.Ini().find("skill100=40\r\n"), std::string::npos);
  EXPECT_NE(real.Ini().find("[Bot 1]\r\nnom=NewBot\r\nteam=0\r\nmodele=0\r\nskill100=90\r\n"),
            std::string::npos);
  // NN Bot's scale is 5: another key of the same file; the bot's 90 is not its skill.
  Cstrike nn("NN Bot", [&real](GameTree& tree) { tree.AppFile("CS_Bots.ini", real.Ini()); });
  nn.doc->Load();
  EXPECT_EQ(nn.Show("CS_defskill"), "1");
  EXPECT_EQ(nn.Show("CS_ListBot"), "NewBot");
  EXPECT_EQ(nn.Show("CS_Botskill"), "0");
}

TEST(CstrikeSettings, WaypointsDecideTheMaps) {
  Cstrike nn("NN Bot");
  nn.doc->Load();
  // Only maps with the bot's waypoint file are offered and kept in the cycle.
  EXPECT_EQ(nn.doc->maps.available.items, std::vector<std::string>{"cs_assault "});
  EXPECT_EQ(nn.Show("CS_MapCycle"), "cs_assault");  // de_dust (First Map) dropped

  Cstrike pod("P.O.D.Bot");
  pod.doc->Load();
  EXPECT_EQ(pod.doc->maps.available.items, std::vector<std::string>{"de_dust +"});
  EXPECT_EQ(pod.Show("CS_MapCycle"), "de_dust,de_dust");  // the starting map, then the cycle
  // Another waypoint directory: its maps, and "Play Maps" emptied.
  pod.Set({{"WayDir", pod.doc->ModDirectory() + "\\PodBot\\other"}});
  EXPECT_EQ(pod.doc->maps.available.items, std::vector<std::string>{"cs_assault "});
  EXPECT_EQ(pod.Show("CS_MapCycle"), "");
  EXPECT_EQ(pod.doc->Checks(),
            (std::vector<std::string>{"You must select a starting map.",
                                      "You must have at least one bot to play."}));
  // P.O.D.Bot's waypoints lie inside PodBot: another place is refused.
  Messages refused;
  ASSERT_EQ(pod.doc->Set("WayDir", pod.doc->ModDirectory() + "\\maps", &refused), std::nullopt);
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_EQ(pod.Show("WayDir"), pod.doc->ModDirectory() + "\\PodBot\\other");
  pod.Set({{"CS_MapCycle", "cs_assault"}, {"CS_SBCreeBot", "1"}});
  pod.doc->Save();
  EXPECT_NE(pod.Ini().find("wptfolder=other\r\n"), std::string::npos);
}

TEST(CstrikeSettings, PodBotsSkillTable) {
  Cstrike pod("P.O.D.Bot", [](GameTree& tree) {
    tree.File("cstrike\\PODBot\\botskill.cfg", "MIN_DELAY 0.5\r\nMAX_DELAY 0.9\r\n");
  });
  pod.doc->Load();
  EXPECT_EQ(pod.Show("CS_Skills_1_2"), "0.9");
  pod.Set({{"CS_Skills_6_8", "100"}, {"CS_SBCreeBot", "1"}});
  EXPECT_EQ(pod.doc->Set("CS_Skills_7_1", "1").value_or("").rfind("unknown control", 0), 0u);
  pod.doc->Save();
  // The file of another case is the one written.
  const std::string skills = pod.t.Read("cstrike\\PODBot\\botskill.cfg");
  EXPECT_NE(skills.find("# Settings for Bots Skill 0-19\r\nMIN_DELAY 0.5\r\nMAX_DELAY 0.9\r\n"),
            std::string::npos);
  EXPECT_NE(skills.find("HEADSHOT_ALLOW 100\r\n"), std::string::npos);
  EXPECT_FALSE(pod.t.tree.Exists("cstrike\\PODBot\\Botskill.cfg") &&
               std::filesystem::exists(pod.t.tree.hl_dir() / "cstrike/PODBot/Botskill.cfg"));
  // Restore Default reads the table again rather than emptying it.
  pod.doc->RestoreDefault();
  EXPECT_EQ(pod.Show("CS_Skills_6_8"), "100");
}

}  // namespace
}  // namespace orvane::test
