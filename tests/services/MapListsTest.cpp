#include "services/MapLists.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "core/LauncherSettings.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {

LauncherState StateFor(const GameTree& tree, const char* mod) {
  LauncherState state = tree.State();
  state.app_path = tree.AppPath();
  state.hl_path = tree.HLPath();
  state.selected_mod = mod;
  SetModDirectories(state);
  return state;
}

TEST(MapCatalogue, BspFilesThenTheStandardMaps) {
  GameTree tree;
  tree.File("valve/maps/crossfire.bsp")
      .File("valve/maps/.hidden.bsp")
      .File("valve/maps/boot_camp.bsp")
      .File("valve/maps/notes.txt")
      .Dir("valve/maps/folder.bsp");
  LauncherState state = StateFor(tree, "Botman");
  LoadMapCatalogue(state);
  EXPECT_EQ(state.map_list, (std::vector<std::string>{
                                "boot_camp.bsp", "crossfire.bsp", "snark_pit.bsp",
                                "lambda_bunker.bsp", "stalkyard.bsp", "boot_camp.bsp",
                                "undertow.bsp", "datacore.bsp", "subtransit.bsp", "bounce.bsp"}));
  EXPECT_EQ(FillAvailableMaps(state, *FindMod("Botman")).size(), 10u);
  GameTree empty;
  LauncherState none = StateFor(empty, "Botman");
  LoadMapCatalogue(none);
  EXPECT_TRUE(none.map_list.empty());  // no maps directory: not even the standard maps
}

TEST(MapCatalogue, JumbotAndRocketEntriesCarryMarks) {
  GameTree tree;
  tree.File("valve/maps/crossfire.bsp")
      .File("jumbot/wpfiles/boot_camp.jrf")
      .File("jumbot/mapcfgs/Boot_Camp.cfg")
      .File("jumbot/wpfiles/crossfire.jrf")
      .File("rockcrowbar/botnodes/datacore.nod")
      .File("rockcrowbar/stalkyard.cfg");
  struct Row {
    const char* mod;
    std::vector<std::string> first_entries;
  };
  for (const Row& row : std::vector<Row>{
           {"Jumbot",
            {"crossfire *", "snark_pit ", "lambda_bunker ", "stalkyard ", "boot_camp *+"}},
           {"Rocket", {"crossfire ", "snark_pit ", "lambda_bunker ", "stalkyard +", "boot_camp "}},
           {"Phineas", {"crossfire", "snark_pit", "lambda_bunker", "stalkyard", "boot_camp"}}}) {
    LauncherState state = StateFor(tree, row.mod);
    LoadMapCatalogue(state);
    std::vector<std::string> entries = FillAvailableMaps(state, *FindMod(row.mod));
    entries.resize(5);
    EXPECT_EQ(entries, row.first_entries) << row.mod;
  }
  LauncherState cs = StateFor(tree, "CStrike");
  LoadMapCatalogue(cs);
  EXPECT_TRUE(FillAvailableMaps(cs, *FindMod("CStrike")).empty());
}

// A mod's own maps: the required file filters, the marks follow their
// files case-blind, hidden and missing things are no maps.
TEST(MapCatalogue, OwnMapsWithRequiredFileAndMarks) {
  GameTree tree;
  tree.File("mod/maps/ctf_x.bsp")
      .File("mod/maps/DM_Y.BSP")
      .File("mod/maps/bare.bsp")
      .File("mod/maps/.hidden.bsp")
      .File("mod/maps/ctf_x.cfg")
      .File("mod/wp/ctf_x.fwp")
      .File("mod/wp/dm_y.FWP")
      .File("mod/wp/.hidden.fwp")
      .File("mod/wp/bare.txt");
  const std::string maps = tree.HLPath() + "\\mod\\maps";
  const std::string wp = tree.HLPath() + "\\mod\\wp";
  struct Row {
    const char* what;
    MapMark required, star, plus;
    std::vector<std::string> entries;
  };
  for (const Row& row : std::vector<Row>{
           {"required waypoints, config mark",
            {wp, ".fwp"},
            {},
            {maps, ".cfg"},
            {"DM_Y ", "ctf_x +"}},
           {"two marks, nothing required",
            {},
            {wp, ".fwp"},
            {maps, ".cfg"},
            {"DM_Y *", "bare ", "ctf_x *+"}},
           {"a mark directory that is missing",
            {},
            {maps + "\\none", ".fwp"},
            {},
            {"DM_Y ", "bare ", "ctf_x "}},
           {"a required directory that is missing", {maps + "\\none", ".fwp"}, {}, {}, {}}}) {
    std::vector<std::string> entries = MarkedMaps(maps, row.required, row.star, row.plus);
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, row.entries) << row.what;
  }
  EXPECT_TRUE(MarkedMaps(maps + "\\none", {}, {}, {}).empty());
}

TEST(MapValidity, FileOrStandardMapAndTheExtraFile) {
  GameTree tree;
  tree.File("cstrike/maps/de_dust.bsp")
      .File("cstrike/maps/cs_italy.bsp")
      .File("cstrike/PODBot/wptdefault/de_dust.pwf");
  const std::string maps = tree.HLPath() + "\\cstrike\\maps";
  const std::string wpt = tree.HLPath() + "\\cstrike\\PODBot\\wptdefault";
  struct Row {
    const char* name;
    const char* ext;
    bool valid;
  };
  for (const Row& row : std::vector<Row>{{"de_dust", "", true},
                                         {" de_dust ", "", true},
                                         {"DE_DUST", "", true},
                                         {"boot_camp", "", true},
                                         {"Boot_Camp", "", false},
                                         {"", "", false},
                                         {"de_aztec", "", false},
                                         {"de_dust", ".pwf", true},
                                         {"cs_italy", ".pwf", false},
                                         {"stalkyard", ".pwf", false}}) {
    EXPECT_EQ(IsValidMap(row.name, maps, wpt, row.ext), row.valid) << row.name << row.ext;
    EXPECT_EQ(MapValidator(maps, wpt, row.ext)(row.name), row.valid) << row.name << row.ext;
  }
}

TEST(MapEntries, NameAndCommentKey) {
  for (const auto& [entry, name, key] :
       std::vector<std::tuple<const char*, const char*, const char*>>{
           {"boot_camp *+", "boot_camp", "boot_camp"},
           {"stalkyard ", "stalkyard", "stalkyard"},
           {"crossfire+", "crossfire", "crossfire+"},
           {"datacore", "datacore", "datacore"}}) {
    EXPECT_EQ(MapEntryName(entry), name);
    EXPECT_EQ(MapCommentKey(entry), key);
  }
}

TEST(MapCycle, RoundTripInBothModes) {
  GameTree tree;
  tree.File("valve/maps/crossfire.bsp")
      .File("phineas/mapcycle.txt", " boot_camp \r\nnot_a_map\r\n\r\ncrossfire\nstalkyard")
      .AppFile("KRV.ini", "[Phineas]\r\nFirst Map=datacore\r\n");
  LauncherState state = StateFor(tree, "Phineas");
  const std::string dir = tree.HLPath() + "\\phineas";
  std::vector<std::string> play;
  ReadMapCycle(state, *FindMod("Phineas"), dir, state.valve_maps_dir, play);
  EXPECT_EQ(play, (std::vector<std::string>{"datacore", " boot_camp ", "crossfire", "stalkyard"}));
  play.push_back("crossfire");  // twice is allowed
  WriteMapCycle(state, *FindMod("Phineas"), dir, play);
  EXPECT_EQ(tree.Read("phineas/mapcycle.txt"),
            " boot_camp \r\ncrossfire\r\nstalkyard\r\ncrossfire\r\n");
  EXPECT_EQ(ReadModSetting(state, "Phineas", "First Map"), "datacore");

  // Botman keeps its starting map in its own files: KRV.ini is left alone.
  tree.Dir("bot");
  const std::string bot = tree.HLPath() + "\\bot";
  WriteMapCycle(state, *FindMod("Botman"), bot, {"undertow"});
  EXPECT_EQ(tree.Read("bot/mapcycle.txt"), "");
  std::vector<std::string> bot_play = {"undertow"};
  ReadMapCycle(state, *FindMod("Botman"), bot, state.valve_maps_dir, bot_play);
  EXPECT_EQ(bot_play, std::vector<std::string>{"undertow"});
  EXPECT_EQ(ReadHostFile(tree.app_dir() / "KRV.ini"), "[Phineas]\r\nFirst Map=datacore\r\n");
}

TEST(MapComments, LineBreaksRoundTripThroughTheProfileFile) {
  GameTree tree;
  LauncherState state = StateFor(tree, "Botman");
  WriteMapComment(state, "mapcom.ini", "boot_camp *", "Big map\r\nGood for 8 bots");
  EXPECT_EQ(ReadHostFile(tree.app_dir() / "mapcom.ini"),
            "[boot_camp]\r\ncomment=Big map#13#10Good for 8 bots\r\n");
  EXPECT_EQ(ReadMapComment(state, "mapcom.ini", "boot_camp"), "Big map\r\nGood for 8 bots");
  EXPECT_EQ(DecodeMapComment("typed #13#10 here, #13 and #10 alone"),
            "typed \r\n here, #13 and #10 alone");
  EXPECT_EQ(EncodeMapComment("a\nb\rc"), "a#10b#13c");
  WriteMapComment(state, "mapcom.ini", "boot_camp", "");
  EXPECT_EQ(ReadHostFile(tree.app_dir() / "mapcom.ini"), "[boot_camp]\r\ncomment=\r\n");
  EXPECT_EQ(ReadMapComment(state, "mapcom.ini", "crossfire"), "");
}

ListView List(std::vector<std::string> items, std::vector<int> selected = {}, int current = -1) {
  ListView list;
  for (std::string& item : items) list.Append(std::move(item));
  for (int i : selected) list.selected[static_cast<size_t>(i)] = true;
  list.current = current;
  return list;
}

TEST(MapListOperations, AddRemoveAndMove) {
  ListView available = List({"boot_camp *+", "crossfire ", "stalkyard "}, {0, 2});
  ListView play = List({"datacore"});
  EXPECT_TRUE(AddSelectedMaps(available, play));
  EXPECT_TRUE(AddSelectedMaps(available, play));
  EXPECT_EQ(play.items, (std::vector<std::string>{"datacore", "boot_camp", "stalkyard", "boot_camp",
                                                  "stalkyard"}));
  EXPECT_TRUE(available.selected[0]);  // the selection stays

  play.selected = {false, true, false, true, true};
  EXPECT_TRUE(RemoveSelectedMaps(play));
  EXPECT_EQ(play.items, (std::vector<std::string>{"datacore", "stalkyard"}));
  EXPECT_EQ(play.current, 1);  // where the last removal was, clamped to the end
  EXPECT_EQ(play.selected, (std::vector<bool>{false, true}));

  EXPECT_FALSE(MoveMap(play, +1));  // already last: nothing happens
  EXPECT_TRUE(MoveMap(play, -1));
  EXPECT_EQ(play.items, (std::vector<std::string>{"stalkyard", "datacore"}));
  EXPECT_EQ(play.current, 0);
  EXPECT_FALSE(MoveMap(play, -1));
  ListView none = List({"a"});
  EXPECT_FALSE(MoveMap(none, +1));  // no current entry

  EXPECT_TRUE(AddAllMaps(available, play));
  EXPECT_EQ(play.items.size(), 5u);
  EXPECT_EQ(available.current, -1);
  EXPECT_TRUE(RemoveAllMaps(play));
  EXPECT_TRUE(play.items.empty());
  std::mt19937 random(1);
  EXPECT_TRUE(ShuffleMaps(play, random));  // empty: only the modified mark
}

TEST(MapListOperations, ShuffleKeepsEveryMap) {
  ListView play = List({"a", "b", "c", "d", "e", "f"}, {2}, 2);
  std::mt19937 random(7);
  ShuffleMaps(play, random);
  std::vector<std::string> sorted = play.items;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (std::vector<std::string>{"a", "b", "c", "d", "e", "f"}));
  EXPECT_EQ(play.selected, std::vector<bool>(6, false));
}

}  // namespace
}  // namespace orvane::test
