// Host paths, text files and directory operations.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {
namespace fs = std::filesystem;

TEST(HostPath, MatchesComponentsWithoutRegardToCase) {
  GameTree tree;
  tree.File("cstrike\\Maps\\de_dust.bsp").File("cstrike\\maps.txt").File("Valve\\game.cfg");
  const std::string hl = tree.HLPath();
  struct Row {
    std::string game_path;
    fs::path host;
  };
  for (const Row& row : std::vector<Row>{
           {hl + "\\cstrike\\Maps\\de_dust.bsp", tree.hl_dir() / "cstrike/Maps/de_dust.bsp"},
           {hl + "\\CSTRIKE\\maps\\DE_DUST.BSP", tree.hl_dir() / "cstrike/Maps/de_dust.bsp"},
           {hl + "/cstrike/maps/de_dust.bsp", tree.hl_dir() / "cstrike/Maps/de_dust.bsp"},
           {hl + "\\\\valve\\GAME.cfg", tree.hl_dir() / "Valve/game.cfg"},
           // What does not exist keeps the case it was given, so it can be created.
           {hl + "\\cstrike\\NEW\\file.cfg", tree.hl_dir() / "cstrike/NEW/file.cfg"},
       }) {
    EXPECT_EQ(HostPath(row.game_path), row.host) << row.game_path;
  }
}

TEST(HostPath, DriveLetterMapsThroughTheWinePrefix) {
  GameTree tree;
  tree.File("hl.exe");
  fs::create_directories(tree.wine_prefix() / "dosdevices");
  fs::create_directory_symlink(tree.root(), tree.wine_prefix() / "dosdevices" / "c:");
  const fs::path host = HostPath("C:\\half-life\\HL.EXE", tree.wine_prefix());
  EXPECT_TRUE(fs::equivalent(host, tree.hl_dir() / "hl.exe"));
}

TEST(TextFile, BytesRoundTripAndLinesEndWithCrLf) {
  GameTree tree;
  const std::string path = tree.HLPath() + "\\bot\\text.cfg";
  tree.Dir("bot");
  std::string all_bytes;
  for (int b = 1; b < 256; ++b) {
    if (b != '\r' && b != '\n') all_bytes.push_back(static_cast<char>(b));
  }
  WriteLines(path, {"first", all_bytes, "", "last"});
  EXPECT_EQ(tree.Read("bot/text.cfg"), "first\r\n" + all_bytes + "\r\n\r\nlast\r\n");
  EXPECT_EQ(ReadLines(path), (std::vector<std::string>{"first", all_bytes, "", "last"}));
  tree.File("bot/mixed.txt", "a\nb\r\nc\rd");
  EXPECT_EQ(ReadLines(tree.HLPath() + "\\bot\\mixed.txt"),
            (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(TextFile, FailedWriteLeavesTheOldFileWhole) {
  GameTree tree;
  tree.File("bot/game.cfg", "old contents\r\n");
  const std::string path = tree.HLPath() + "\\bot\\game.cfg";
  // A file-size limit makes the write fail half-way, as a full disk would.
  signal(SIGXFSZ, SIG_IGN);
  rlimit old_limit{};
  getrlimit(RLIMIT_FSIZE, &old_limit);
  rlimit small = old_limit;
  small.rlim_cur = 8;
  setrlimit(RLIMIT_FSIZE, &small);
  EXPECT_THROW(WriteFileBytes(path, std::string(100, 'x')), FileError);
  setrlimit(RLIMIT_FSIZE, &old_limit);
  EXPECT_EQ(tree.Read("bot/game.cfg"), "old contents\r\n");
  EXPECT_EQ(ListFiles(tree.HLPath() + "\\bot", "*.*"), std::vector<std::string>{"game.cfg"});
}

TEST(TextFile, ErrorsNameTheFile) {
  GameTree tree;
  tree.Dir("bot/maps");
  for (const std::string& path :
       {tree.HLPath() + "\\bot\\missing.cfg", tree.HLPath() + "\\bot\\maps"}) {
    try {
      ReadFileBytes(path);
      ADD_FAILURE() << path;
    } catch (const FileError& e) {
      EXPECT_EQ(e.file(), path);
    }
  }
  EXPECT_THROW(WriteFileBytes(tree.HLPath() + "\\bot\\maps", "x"), FileError);
  EXPECT_THROW(WriteFileBytes(tree.HLPath() + "\\nodir\\x.cfg", "x"), FileError);
}

TEST(FileSystem, WildcardsMatchAsWindowsDoes) {
  struct Row {
    const char* name;
    const char* pattern;
    bool match;
  };
  for (const Row& row : std::vector<Row>{{"boot_camp.bsp", "*.bsp", true},
                                         {"BOOT_CAMP.BSP", "*.bsp", true},
                                         {"boot_camp.bsp.bak", "*.bsp", false},
                                         {"readme", "*.*", true},
                                         {"de_dust.bsp", "de_?ust.bsp", true},
                                         {"de_ust.bsp", "de_?ust.bsp", false},
                                         {"a.b.c", "*.c", true},
                                         {"", "*", true},
                                         {"x", "", false}}) {
    EXPECT_EQ(MatchesWildcard(row.name, row.pattern), row.match) << row.name << " " << row.pattern;
  }
}

TEST(FileSystem, ListsCopiesAndDeletes) {
  GameTree tree;
  tree.File("valve/maps/b.bsp", "b")
      .File("valve/maps/A.BSP", "a")
      .File("valve/maps/.hidden.bsp")
      .File("valve/maps/notes.txt")
      .Dir("valve/maps/sub.bsp");
  const std::string maps = tree.HLPath() + "\\valve\\maps";
  EXPECT_EQ(ListFiles(maps, "*.bsp"), (std::vector<std::string>{".hidden.bsp", "A.BSP", "b.bsp"}));
  EXPECT_EQ(ListSubdirectories(maps), std::vector<std::string>{"sub.bsp"});
  for (const DirEntry& e : ListDirectory(maps, "*.bsp")) {
    EXPECT_EQ((e.attributes & kAttrHidden) != 0, e.name == ".hidden.bsp") << e.name;
    EXPECT_EQ((e.attributes & kAttrDirectory) != 0, e.name == "sub.bsp") << e.name;
  }
  EXPECT_TRUE(ListFiles(tree.HLPath() + "\\nowhere", "*.*").empty());

  EXPECT_TRUE(CopyFileNoOverwrite(maps + "\\b.bsp", maps + "\\c.bsp"));
  EXPECT_FALSE(CopyFileNoOverwrite(maps + "\\a.bsp", maps + "\\c.bsp"));  // never overwrites
  EXPECT_EQ(tree.Read("valve/maps/c.bsp"), "b");
  EXPECT_FALSE(CopyFileNoOverwrite(maps + "\\missing.bsp", maps + "\\d.bsp"));
  EXPECT_FALSE(tree.Exists("valve/maps/d.bsp"));

  EXPECT_FALSE(RemoveDirectoryAt(tree.HLPath() + "\\valve\\maps"));  // not empty
  EXPECT_TRUE(DeleteFileAt(maps + "\\C.BSP"));
  EXPECT_FALSE(tree.Exists("valve/maps/c.bsp"));
  EXPECT_FALSE(DeleteFileAt(maps + "\\sub.bsp"));  // a directory is not a file
  EXPECT_TRUE(RemoveDirectoryAt(maps + "\\sub.bsp"));
  EXPECT_TRUE(FileExists(maps + "\\a.bsp"));
  EXPECT_FALSE(DirectoryExists(maps + "\\a.bsp"));
  EXPECT_FALSE(DirectoryExists(""));
}

}  // namespace
}  // namespace orvane::test

namespace orvane::test {
namespace {

// The fast sort of the map lists orders exactly as a stable sort with
// LessNoCase: case folded, accented bytes (0x80 among them, whose key byte is
// zero), ties broken by the names, names longer than the eight bytes compared
// at once.
TEST(SortNoCase, OrdersAsAStableSortWithLessNoCase) {
  std::mt19937 draw(3);
  const std::string alphabet = std::string("aAbB_-. 9\xe9\xc9\x80") + '\0';
  for (int round = 0; round < 50; ++round) {
    std::vector<std::string> names;
    for (int i = 0; i < 200; ++i) {
      std::string name;
      const int length = static_cast<int>(draw() % 13);
      for (int k = 0; k < length; ++k) name += alphabet[draw() % (k < 6 ? 3 : alphabet.size())];
      names.push_back(name);
    }
    std::vector<std::string> expected = names;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
    SortNoCase(names);
    ASSERT_EQ(names, expected) << "round " << round;
  }
}

}  // namespace
}  // namespace orvane::test

namespace orvane::test {
namespace {

TEST(NearestNames, TheNearestTierOnly) {
  const std::vector<std::string> mods = {"Action", "Botman",  "CStrike", "Firebot", "Frontline",
                                         "Jumbot", "Phineas", "Rocket",  "Scihunt", "TFC"};
  const struct {
    const char* typed;
    std::vector<std::string> near;
  } kRows[] = {
      {"Botmn", {"Botman"}},     // one letter missing
      {"cstrike", {"CStrike"}},  // letter case alone
      {"Jumbo", {"Jumbot"}},     // a beginning
      {"Fire", {"Firebot"}},     // a beginning, nothing nearer
      {"Quake", {}},             // nothing near
      {"", {}},                  // nothing typed: no guess
      {"Rocket", {"Rocket"}},    // exact: itself
  };
  for (const auto& row : kRows) EXPECT_EQ(NearestNames(row.typed, mods), row.near) << row.typed;
  EXPECT_EQ(NearestNames("PODBot", {"PlBot", "P.O.D.Bot", "RealBot"}),
            std::vector<std::string>{"P.O.D.Bot"});
  EXPECT_EQ(NearestNames("BM_fraglimt", {"BM_fraglimit", "BM_timelimit", "BM_fraglimit2"}, 1),
            std::vector<std::string>{"BM_fraglimit"});
}

}  // namespace
}  // namespace orvane::test
