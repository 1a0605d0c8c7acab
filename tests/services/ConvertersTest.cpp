#include "services/Converters.h"

#include "services/EditorSettings.h"

#include <gtest/gtest.h>

#include "support/GameTree.h"

namespace orvane::test {
namespace {

TEST(Converters, CheckBoxTexts) {
  for (const auto& [text, yes] : std::vector<std::pair<const char*, bool>>{{"1", true},
                                                                           {"Yes", true},
                                                                           {"yes", false},
                                                                           {"YES", false},
                                                                           {"true", false},
                                                                           {" 1", false},
                                                                           {"", false},
                                                                           {"0", false}}) {
    EXPECT_EQ(YesOrOne(text), yes) << text;
    EXPECT_EQ(YesOrOneToOnOff(text), yes ? "on" : "off") << text;
  }
  EXPECT_EQ(BoolToOneZero(true) + BoolToOneZero(false), "10");
  EXPECT_EQ(BoolToYesNo(true) + BoolToYesNo(false), "YesNo");
}

TEST(Converters, KeyBindNames) {
  EXPECT_EQ(KeyBindName("Num Keypad 5"), "KP_5");
  EXPECT_EQ(KeyBindName("F10"), "F10");
  EXPECT_EQ(KeyBindName("Num Keypad -"), "KP_MINUS");
  EXPECT_EQ(KeyBindName("F11"), "");
  EXPECT_EQ(KeyBindName("f1"), "");
  EXPECT_EQ(KeyNameTable()[12].game, "KP_ENTER");
}

TEST(Converters, TextPagesReadAndWriteTheirFiles) {
  GameTree tree;
  tree.File("jumbot/botchat.txt", "hello\r\n%n rocks\r\n");
  const std::string dir = tree.HLPath() + "\\jumbot\\";
  std::vector<std::string> memo = {"kept"};
  ReadTextPage(memo, dir, "missing.txt");
  EXPECT_EQ(memo, std::vector<std::string>{"kept"});
  ReadTextPage(memo, dir, "botchat.txt");
  EXPECT_EQ(memo, (std::vector<std::string>{"hello", "%n rocks"}));
  memo.push_back("third");
  WriteTextPage(memo, dir, "botchat.txt");
  EXPECT_EQ(tree.Read("jumbot/botchat.txt"), "hello\r\n%n rocks\r\nthird\r\n");
  WriteTextPage(memo, dir, "");  // no file name: nothing written
  std::vector<std::string> empty;
  WriteTextPage(empty, dir, "botchat.txt");
  EXPECT_EQ(tree.Read("jumbot/botchat.txt"), "");
}

}  // namespace
}  // namespace orvane::test

namespace orvane::test {
namespace {

// A text page on one line for orvanectl, and back.
TEST(TextPageLine, LinesJoinedAndBackslashesDoubled) {
  const struct {
    std::vector<std::string> lines;
    const char* line;
  } kCases[] = {
      {{}, ""},
      {{"one"}, "one"},
      {{"a", "", "b"}, "a\\n\\nb"},
      {{"C:\\games\\n", "x"}, "C:\\\\games\\\\n\\nx"},  // a written "\n" stays a text
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(EscapeLines(c.lines), c.line);
    EXPECT_EQ(UnescapeLines(c.line), c.lines) << c.line;
  }
}

}  // namespace
}  // namespace orvane::test
