#include "platform/ProfileFile.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/FileError.h"
#include "platform/ProfileCases.h"
#include "platform/StringUtil.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {

class ProfileRead : public testing::TestWithParam<ProfileReadCase> {};

TEST_P(ProfileRead, ReadsAsTheProfileFunctions) {
  const ProfileReadCase& c = GetParam();
  GameTree tree;
  if (c.file) tree.AppFile("case.ini", *c.file);
  const std::string file = tree.AppPath() + "\\case.ini";
  EXPECT_EQ(GetProfileString(file, c.section, c.key, "dflt"), c.expect_string);
  EXPECT_EQ(GetProfileInt(file, c.section, c.key, 7), c.expect_int);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileRead, testing::ValuesIn(ProfileReadCases()),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

class ProfileWrite : public testing::TestWithParam<ProfileWriteCase> {};

TEST_P(ProfileWrite, ChangesOnlyWhatItMust) {
  const ProfileWriteCase& c = GetParam();
  GameTree tree;
  if (c.before) tree.AppFile("case.ini", *c.before);
  const std::string file = tree.AppPath() + "\\case.ini";
  WriteProfileString(file, c.section, c.key, c.value);
  EXPECT_EQ(ReadHostFile(tree.app_dir() / "case.ini"), c.after);
  EXPECT_EQ(GetProfileString(file, c.section, c.key, "dflt"), Trim(c.value));
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileWrite, testing::ValuesIn(ProfileWriteCases()),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(ProfileFile, IntegersWrapAsWindowsDoes) {
  EXPECT_EQ(ParseProfileInt("4294967295", 0), -1);
  EXPECT_EQ(ParseProfileInt("-0x10", 0), -16);
  EXPECT_EQ(ParseProfileInt("0x", 5), 0);
}

TEST(ProfileFile, UnreadableFileIsAnErrorNamingIt) {
  GameTree tree;
  std::filesystem::create_directories(tree.app_dir() / "KRV.ini");
  const std::string file = tree.AppPath() + "\\KRV.ini";
  try {
    GetProfileString(file, "KRV", "Command");
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.file(), file);
    EXPECT_NE(std::string(e.what()).find("KRV.ini"), std::string::npos);
  }
  EXPECT_THROW(WriteProfileString(file, "KRV", "Command", "x"), FileError);
}

TEST(ProfileFile, RefusesWhatWouldBreakTheFileAndLeavesItAlone) {
  GameTree tree;
  tree.AppFile("KRV.ini", "[KRV]\r\nCommand=a\r\n");
  const std::string file = tree.AppPath() + "\\KRV.ini";
  for (const auto& [section, key, value] :
       std::vector<std::tuple<const char*, const char*, const char*>>{
           {"KRV", "Command", "two\r\nlines"}, {"KRV", "a=b", "v"}, {"K]R", "k", "v"}}) {
    EXPECT_THROW(WriteProfileString(file, section, key, value), FileError) << key;
  }
  EXPECT_EQ(ReadHostFile(tree.app_dir() / "KRV.ini"), "[KRV]\r\nCommand=a\r\n");
}

// Many writes at once and one index for many reads give what the one-by-one
// routines give, on every text of the cases above.
TEST(ProfileFile, BulkWritesAndIndexedReadsAgreeWithTheSingleOnes) {
  std::vector<std::string> texts = {"", "no newline", "[a]\r\nx=1", "k=v\r\n[A]\r\n\r\n"};
  for (const ProfileWriteCase& c : ProfileWriteCases())
    if (c.before) texts.emplace_back(*c.before);
  for (const ProfileReadCase& c : ProfileReadCases())
    if (c.file) texts.emplace_back(*c.file);
  std::vector<orvane::ProfileWrite> writes;
  for (const ProfileWriteCase& c : ProfileWriteCases())
    writes.push_back({std::string(c.section), std::string(c.key), std::string(c.value)});
  for (const char* section : {"New", "a", " A ", "new"})
    for (const char* key : {"x", "Y", "x"}) writes.push_back({section, key, "v"});
  for (const std::string& text : texts) {
    std::string one_by_one = text;
    for (const orvane::ProfileWrite& w : writes)
      one_by_one = SetProfileValue(one_by_one, w.section, w.key, w.value);
    EXPECT_EQ(SetProfileValues(text, writes), one_by_one) << text;
    const ProfileIndex index(text);
    for (const ProfileReadCase& c : ProfileReadCases())
      EXPECT_EQ(index.Find(c.section, c.key), FindProfileValue(text, c.section, c.key)) << text;
    for (const orvane::ProfileWrite& w : writes)
      EXPECT_EQ(index.Find(w.section, w.key), FindProfileValue(text, w.section, w.key)) << text;
  }
}

// Texts and writes drawn at random from the shapes profile files take
// (headers spelled differently, repeated sections and keys, blank and comment
// lines, CR-less and LF-less ends, keys with blanks) give the same bytes in
// bulk as one by one.
TEST(ProfileFile, BulkWritesAgreeWithTheSingleOnesOnDrawnTexts) {
  const std::vector<std::string> lines = {
      "[a]\r\n",  "[A] \r\n", " [b]\n", "[c]",    "x=1\r\n",  " X = 2 \r\n",
      "y=\r\n",   "y =3\n",   "\r\n",   "\n",     "  \t\r\n", "; x=9\r\n",
      "junk\r\n", "=e\r\n",   "z=4",    "[b\r\n", "\x1a"};
  const std::vector<std::string> sections = {"a", " A", "b", "c", "d", "B"};
  const std::vector<std::string> keys = {"x", " X ", "y", "z", "w", ""};
  std::mt19937 draw(11);
  for (int round = 0; round < 400; ++round) {
    std::string text;
    const size_t count = draw() % 12;
    for (size_t i = 0; i < count; ++i) {
      const std::string& line = lines[draw() % lines.size()];
      // A line without its line break can only be the last.
      if (i + 1 < count && line.back() != '\n') continue;
      text += line;
    }
    std::vector<orvane::ProfileWrite> writes;
    const size_t write_count = draw() % 10;
    for (size_t i = 0; i < write_count; ++i) {
      writes.push_back({sections[draw() % sections.size()], keys[draw() % keys.size()],
                        "v" + std::to_string(draw() % 3 == 0 ? 0 : i)});
    }
    std::string one_by_one = text;
    for (const orvane::ProfileWrite& w : writes)
      one_by_one = SetProfileValue(one_by_one, w.section, w.key, w.value);
    ASSERT_EQ(SetProfileValues(text, writes), one_by_one) << "round " << round << ": " << text;
  }
}

}  // namespace
}  // namespace orvane::test
