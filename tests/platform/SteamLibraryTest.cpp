#include "platform/SteamLibrary.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/GameStart.h"
#include "platform/KeyValues.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {
namespace fs = std::filesystem;

// The tree as "key=value" and "key{...}" text, to compare whole trees at once.
std::string Flat(const KvNode& node) {
  std::string out;
  for (const KvNode& child : node.children) {
    out += child.key + (child.block ? "{" + Flat(child) + "}" : "=" + child.value + ";");
  }
  return out;
}

TEST(ParseKeyValues, ReadsWhatSteamAndPlayersWrite) {
  struct Row {
    const char* text;
    const char* flat;
  };
  const Row rows[] = {
      {"\"a\"\t\t\"1\"\n\"b\"\n{\n\t\"c\"\t\t\"2\"\n}\n", "a=1;b{c=2;}"},
      {"a 1 b { c 2 }", "a=1;b{c=2;}"},  // bare words, one line
      {"\"p\" \"C:\\\\Games\\\\Steam\" \"q\" \"say \\\"hi\\\"\\n\\tx\"",
       "p=C:\\Games\\Steam;q=say \"hi\"\n\tx;"},
      {"\"w\" \"a\\qb\"", "w=a\\qb;"},  // an unknown escape stays as written
      {"// head\na 1 // tail\n// \"b\" \"2\"\nc 3", "a=1;c=3;"},
      {"a{b{c{d{e 1}}}}", "a{b{c{d{e=1;}}}}"},
      {"k 1 k 2 K 3", "k=1;k=2;K=3;"},  // duplicates kept in order; Find takes the first
      {"a 1 [$WIN32] b { c 2 } [$LINUX]", "a=1;b{c=2;}"},
      {"\"e\" \"\"", "e=;"},
      {"", ""},
  };
  for (const Row& row : rows) {
    const KeyValues kv = ParseKeyValues(row.text);
    EXPECT_EQ(kv.error, "") << row.text;
    EXPECT_EQ(Flat(kv.root), row.flat) << row.text;
  }
  const KeyValues kv = ParseKeyValues("K 1 k 2 Outer { Inner { leaf v } }");
  EXPECT_EQ(kv.root.ValueOf("k"), "1");
  ASSERT_NE(kv.root.Path({"outer", "INNER"}), nullptr);
  EXPECT_EQ(kv.root.Path({"outer", "INNER"})->ValueOf("Leaf"), "v");
  EXPECT_EQ(kv.root.Path({"outer", "missing", "leaf"}), nullptr);
  EXPECT_EQ(kv.root.ValueOf("outer"), "");  // a block has no value
}

TEST(ParseKeyValues, EveryMalformedTextNamesItsLineAndKeepsWhatCameBefore) {
  struct Row {
    const char* text;
    int line;
    const char* problem;
    const char* kept;
  };
  const Row rows[] = {
      {"a 1\n\"b\" \"open\nstill\n", 2, "a quoted text is not closed", "a=1;"},
      {"a 1\n\"unclosed key", 2, "a quoted text is not closed", "a=1;"},
      {"a 1\nblock\n{\n  x 2\n", 2, "the block \"block\" is not closed", "a=1;block{x=2;}"},
      {"a 1\n}\n", 2, "a } closes no block", "a=1;"},
      {"a 1\n{ x 2 }", 2, "a { stands where a key was expected", "a=1;"},
      {"a 1\nlonely", 2, "the key \"lonely\" has no value", "a=1;"},
      {"b { lonely }", 1, "the key \"lonely\" has no value", "b{}"},
      {"\"x\"\"y\"{}", 1, "a { stands where a key was expected", "x=y;"},
  };
  for (const Row& row : rows) {
    const KeyValues kv = ParseKeyValues(row.text);
    EXPECT_EQ(kv.error_line, row.line) << row.text;
    EXPECT_NE(kv.error.find(row.problem), std::string::npos) << kv.error;
    EXPECT_EQ(Flat(kv.root), row.kept) << row.text;
  }
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "k{";
  const KeyValues kv = ParseKeyValues(deep);
  EXPECT_EQ(kv.error_line, 1);
  EXPECT_NE(kv.error.find("nested more than"), std::string::npos) << kv.error;
}

constexpr const char* kNewFolders =
    "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"%ROOT%\"\n\t\t\"apps\"\n\t\t{\n"
    "\t\t\t\"228980\"\t\t\"258416418\"\n\t\t}\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"%LIB%\"\n"
    "\t\t\"label\"\t\t\"\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"70\"\t\t\"1006413092\"\n\t\t}\n\t}\n}\n";
constexpr const char* kOldFolders =
    "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1620000000\"\n"
    "\t\"ContentStatsID\"\t\t\"-4567890123456789012\"\n\t\"1\"\t\t\"%LIB%\"\n}\n";

std::string Fill(std::string text, const fs::path& root, const fs::path& lib) {
  for (const auto& [mark, value] :
       {std::pair<std::string, std::string>{"%ROOT%", root.string()}, {"%LIB%", lib.string()}}) {
    for (size_t at; (at = text.find(mark)) != std::string::npos;) {
      text.replace(at, mark.size(), value);
    }
  }
  return text;
}

// A Half-Life directory as Steam installs it, in library, under that name.
void SteamHalfLife(GameTree& tree, const fs::path& library, const std::string& installdir,
                   const std::string& dir_name, const std::string& flags = "4") {
  tree.SteamManifest(library, installdir, flags);
  WriteHostFile(library / "steamapps" / "common" / dir_name / "hl_linux", "ELF");
}

TEST(FindSteamApp, FindsHalfLifeInEveryLayoutSteamUses) {
  struct Row {
    const char* name;
    std::function<void(GameTree&)> lay_out;
    std::string found;  // below the tree's root; "" for none
    bool flatpak;
    const char* problem;  // a part of the one problem reported, "" for none
  };
  const fs::path local = "home/.local/share/Steam";
  const fs::path other = "mnt/games/SteamLibrary";
  const std::string other_game = "mnt/games/SteamLibrary/steamapps/common/Half-Life";
  const Row rows[] = {
      {"today's libraryfolders.vdf, the game in a second library on another disk",
       [&](GameTree& t) {
         fs::create_directories(t.root() / local / "steamapps");
         WriteHostFile(t.root() / local / "steamapps/libraryfolders.vdf",
                       Fill(kNewFolders, t.root() / local, t.root() / other));
         SteamHalfLife(t, t.root() / other, "Half-Life", "Half-Life");
       },
       other_game, false, ""},
      {"the format before mid-2021",
       [&](GameTree& t) {
         WriteHostFile(t.root() / local / "steamapps/libraryfolders.vdf",
                       Fill(kOldFolders, t.root() / local, t.root() / other));
         SteamHalfLife(t, t.root() / other, "Half-Life", "Half-Life");
       },
       other_game, false, ""},
      {"~/.steam/steam and ~/.steam/root links to the root: one root",
       [&](GameTree& t) {
         SteamHalfLife(t, t.root() / local, "Half-Life", "Half-Life");
         fs::create_directories(t.root() / "home/.steam");
         fs::create_directory_symlink(t.root() / local, t.root() / "home/.steam/steam");
         fs::create_directory_symlink(t.root() / local, t.root() / "home/.steam/root");
       },
       "home/.steam/root/steamapps/common/Half-Life", false, ""},
      {"Flatpak's root alone",
       [&](GameTree& t) {
         SteamHalfLife(t, t.root() / "home/.var/app/com.valvesoftware.Steam/.local/share/Steam",
                       "Half-Life", "Half-Life");
       },
       "home/.var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/common/Half-Life", true,
       ""},
      {"installdir and steamapps in another letter case",
       [&](GameTree& t) {
         t.SteamManifest(t.root() / "home/.steam/debian-installation", "half-life");
         fs::rename(t.root() / "home/.steam/debian-installation/steamapps",
                    t.root() / "home/.steam/debian-installation/SteamApps");
         WriteHostFile(
             t.root() / "home/.steam/debian-installation/SteamApps/common/Half-Life/hl_linux",
             "ELF");
       },
       "home/.steam/debian-installation/SteamApps/common/Half-Life", false, ""},
      {"a manifest not fully installed is skipped for the next library",
       [&](GameTree& t) {
         SteamHalfLife(t, t.root() / local, "Half-Life", "Half-Life", "1026");
         WriteHostFile(t.root() / local / "steamapps/libraryfolders.vdf",
                       Fill(kOldFolders, t.root() / local, t.root() / other));
         SteamHalfLife(t, t.root() / other, "Half-Life", "Half-Life");
       },
       other_game, false, ""},
      {"a broken libraryfolders.vdf: named with its line, the root still a library",
       [&](GameTree& t) {
         SteamHalfLife(t, t.root() / local, "Half-Life", "Half-Life");
         WriteHostFile(t.root() / local / "steamapps/libraryfolders.vdf",
                       "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/x\n");
       },
       "home/.local/share/Steam/steamapps/common/Half-Life", false,
       "libraryfolders.vdf, line 5: a quoted text is not closed"},
      {"a manifest whose installdir is a path elsewhere is not followed",
       [&](GameTree& t) { t.SteamManifest(t.root() / local, "../../../../Half-Life"); }, "", false,
       ""},
      {"no Steam at all", [](GameTree&) {}, "", false, ""},
  };
  for (const Row& row : rows) {
    GameTree tree;
    row.lay_out(tree);
    const SteamSearch search = FindSteamApp({tree.home(), {}, {}}, kHalfLifeAppId);
    if (row.found.empty()) {
      EXPECT_FALSE(search.game.has_value()) << row.name;
    } else {
      ASSERT_TRUE(search.game.has_value()) << row.name;
      EXPECT_EQ(search.game->game_dir, tree.root() / row.found) << row.name;
      EXPECT_EQ(search.game->flatpak, row.flatpak) << row.name;
    }
    if (*row.problem == '\0') {
      EXPECT_TRUE(search.problems.empty()) << row.name << ": " << search.problems.front().what();
    } else {
      ASSERT_EQ(search.problems.size(), 1u) << row.name;
      EXPECT_NE(std::string(search.problems[0].what()).find(row.problem), std::string::npos)
          << search.problems[0].what();
    }
  }
}

TEST(FindSteamRoots, OrderAndOneRootPerRealDirectory) {
  GameTree tree;
  const fs::path xdg = tree.root() / "xdg";
  const fs::path own = tree.root() / "own-steam";
  for (const fs::path& root : {xdg / "Steam", own, tree.home() / ".local/share/Steam",
                               tree.home() / "snap/steam/common/.local/share/Steam"}) {
    fs::create_directories(root / "steamapps");
  }
  fs::create_directories(tree.home() / ".steam");
  fs::create_directory_symlink(own, tree.home() / ".steam/root");
  fs::create_directory_symlink(own, tree.home() / ".steam/steam");
  fs::create_directories(tree.home() / ".steam/debian-installation");  // no steamapps: no root
  std::vector<fs::path> found;
  for (const SteamRoot& root : FindSteamRoots({tree.home(), xdg, own})) found.push_back(root.path);
  EXPECT_EQ(found, (std::vector<fs::path>{own, xdg / "Steam", tree.home() / ".local/share/Steam",
                                          tree.home() / "snap/steam/common/.local/share/Steam"}));
  EXPECT_TRUE(FindSteamRoots({}).empty());  // no home: Steam is not looked for
}

TEST(SteamCompatTool, ProtonOnlyWhenChosenForHalfLifeItself) {
  GameTree tree;
  const fs::path config = tree.SteamRoot() / "config" / "config.vdf";
  auto tool = [&](const std::string& mapping) {
    WriteHostFile(config,
                  "\"InstallConfigStore\"\n{\n\t\"Software\"\n\t{\n\t\t\"valve\"\n\t\t{\n"
                  "\t\t\t\"Steam\"\n\t\t\t{\n\t\t\t\t\"CompatToolMapping\"\n\t\t\t\t{\n" +
                      mapping + "\t\t\t\t}\n\t\t\t}\n\t\t}\n\t}\n}\n");
    return SteamCompatTool(tree.SteamRoot(), kHalfLifeAppId, nullptr);
  };
  EXPECT_EQ(tool("\"70\" { \"name\" \"proton_9\" \"config\" \"\" \"priority\" \"250\" }\n"),
            "proton_9");
  EXPECT_EQ(tool("\"0\" { \"name\" \"proton_experimental\" }\n"),
            "");  // games without a native build
  EXPECT_EQ(tool("\"70\" { \"name\" \"\" }\n"), "");
  WriteHostFile(config, "\"InstallConfigStore\" {");
  std::vector<FileError> problems;
  EXPECT_EQ(SteamCompatTool(tree.SteamRoot(), kHalfLifeAppId, &problems), "");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].file(), config.string());
}

TEST(IsSteamGameDirectory, OnlyAGameOfALibrary) {
  EXPECT_TRUE(IsSteamGameDirectory("/s/steamapps/common/Half-Life"));
  EXPECT_TRUE(IsSteamGameDirectory("/s/SteamApps/Common/Half-Life/"));
  EXPECT_FALSE(IsSteamGameDirectory("/s/steamapps/common"));
  EXPECT_FALSE(IsSteamGameDirectory("/s/steamapps/common/Half-Life/valve"));
  EXPECT_FALSE(IsSteamGameDirectory("/games/Half-Life"));
}

}  // namespace
}  // namespace orvane::test
