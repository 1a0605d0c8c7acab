#include "services/SettingsScript.h"

#include <gtest/gtest.h>

#include "support/GameTree.h"

namespace orvane::test {
namespace {

std::vector<ScrBlock> Blocks() {
  return {NumberBlock("mp_timelimit", "Time limit (minutes)", ScrBound(30), "20"),
          BoolBlock("mp_friendlyfire", "Friendly fire", false),
          StringBlock("hostname", "Server name", ""),
          ListBlock("mp_gametype", "Game type", {{"Normal", "0"}, {"Teamplay", "1"}}, 1)};
}

const char* const kBlockText =
    "{\r\n"
    "\t\"mp_timelimit\"\r\n\t{\r\n\t\t\"Time limit (minutes)\"\r\n\t\t{ NUMBER 0.000000 30.000000 "
    "}\r\n"
    "\t\t{ \"20.000000\" }\r\n\t}\r\n\r\n"
    "\t\"mp_friendlyfire\"\r\n\t{\r\n\t\t\"Friendly fire\"\r\n\t\t{ BOOL }\r\n\t\t{ \"0\" "
    "}\r\n\t}\r\n\r\n"
    "\t\"hostname\"\r\n\t{\r\n\t\t\"Server name\"\r\n\t\t{ STRING }\r\n\t\t{ \"\" }\r\n\t}\r\n\r\n"
    "\t\"mp_gametype\"\r\n\t{\r\n\t\t\"Game type\"\r\n\t\t{\r\n\t\t\tLIST\r\n"
    "\t\t\t\"Normal\" \"0\"\r\n\t\t\t\"Teamplay\" \"1\"\r\n\t\t}\r\n\t\t{ \"1.000000\" "
    "}\r\n\t}\r\n\r\n"
    "}\r\n";

std::string Lines(int from, int to) {
  std::string text;
  for (int i = from; i <= to; ++i) text += "line " + std::to_string(i) + "\r\n";
  return text;
}

TEST(SettingsScript, KeepsTheHeadAndWritesTheBlocks) {
  std::string padded = Lines(1, 10);
  for (int i = 0; i < 32; ++i) padded += "\r\n";  // a short file's head is padded to 42 lines
  for (const auto& [before, head] : std::vector<std::pair<std::string, std::string>>{
           {Lines(1, 50), Lines(1, 42)}, {Lines(1, 10), padded}}) {
    GameTree tree;
    tree.File("cstrike/settings.scr", before);
    const std::string path = tree.HLPath() + "\\cstrike\\settings.scr";
    ASSERT_TRUE(RewriteSettingsScr(path, Blocks()));
    EXPECT_EQ(tree.Read("cstrike/settings.scr"), head + kBlockText);
    RewriteSettingsScr(path, Blocks());
    EXPECT_EQ(tree.Read("cstrike/settings.scr"), head + kBlockText);  // twice is the same
  }
}

TEST(SettingsScript, MissingFileIsNotCreated) {
  GameTree tree;
  EXPECT_FALSE(RewriteSettingsScr(tree.HLPath() + "\\cstrike\\settings.scr", Blocks()));
  EXPECT_FALSE(tree.Exists("cstrike/settings.scr"));
}

}  // namespace
}  // namespace orvane::test
