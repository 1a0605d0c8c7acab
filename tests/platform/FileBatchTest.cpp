// Several files written all or nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "platform/FileError.h"
#include "platform/ProfileFile.h"
#include "platform/TextFile.h"
#include "support/GameTree.h"
#include "support/ModTree.h"

namespace orvane::test {
namespace {

TEST(FileBatch, WritesEveryFileOnlyWhenAllCanBeWritten) {
  GameTree tree;
  tree.File("mod\\a.cfg", "old a").File("mod\\b.cfg", "old b");
  const std::string a = tree.HLPath() + "\\mod\\a.cfg";
  const std::string b = tree.HLPath() + "\\mod\\b.cfg";
  const std::string c = tree.HLPath() + "\\mod\\c.cfg";

  FileBatch batch;
  batch.Put(a, "new a");
  batch.Put(b, std::string(10000, 'b'));  // over the limit below
  batch.PutLines(c, std::vector<std::string>{"x", "y"});
  EXPECT_EQ(batch.Bytes(a), "new a");
  EXPECT_EQ(batch.Bytes(tree.HLPath() + "\\mod\\missing.cfg"), "");
  {
    const FileSizeLimit full_disk(4096);
    try {
      batch.Commit();
      FAIL() << "no error";
    } catch (const FileError& e) {
      EXPECT_EQ(e.file(), b);
    }
  }
  EXPECT_EQ(tree.Read("mod\\a.cfg"), "old a");
  EXPECT_EQ(tree.Read("mod\\b.cfg"), "old b");
  EXPECT_FALSE(tree.Exists("mod\\c.cfg"));
  size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(tree.hl_dir() / "mod")) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 2u) << "a temporary file was left behind";

  batch.Put(b, "new b");  // a later Put of the same file wins
  batch.Commit();
  EXPECT_EQ(tree.Read("mod\\a.cfg"), "new a");
  EXPECT_EQ(tree.Read("mod\\b.cfg"), "new b");
  EXPECT_EQ(tree.Read("mod\\c.cfg"), "x\r\ny\r\n");
  EXPECT_EQ(batch.files().size(), 3u);
}

// What the player has set up around a file stays: a link keeps pointing at
// the file that takes the change; a read-only file (for root too), a link to
// nothing and an absurdly large file are refused by name, and then no file of
// the batch is written.
// A load's plan learns the files a save would touch and nothing more: it
// reads no settings file to merge into, makes no roster's lines, and a
// commit of it (which would empty every file) is refused.
TEST(FileBatch, APlanOfPathsTouchesNothingAndCannotBeWritten) {
  GameTree tree;
  tree.File("mod\\a.cfg", "kept").File("mod\\b.ini", "[S]\r\nk=1\r\n");
  const std::string a = tree.HLPath() + "\\mod\\a.cfg";
  const std::string ini = tree.HLPath() + "\\mod\\b.ini";
  FileBatch plan = FileBatch::PathsOnly();
  bool made = false;
  plan.PutLines(a, [&made] {
    made = true;
    return std::vector<std::string>{"x"};
  });
  WriteProfileStrings(plan, ini, {{"S", "k", "2"}});
  EXPECT_FALSE(made);
  ASSERT_EQ(plan.files().size(), 1u);
  EXPECT_EQ(plan.files()[0].first, a);
  EXPECT_EQ(plan.consulted(), std::vector<std::string>{ini});
  EXPECT_THROW(plan.Commit(), std::logic_error);
  EXPECT_EQ(tree.Read("mod\\a.cfg"), "kept");
  EXPECT_EQ(tree.Read("mod\\b.ini"), "[S]\r\nk=1\r\n");

  // A real batch notes a settings file its merge leaves as it was.
  FileBatch batch;
  WriteProfileStrings(batch, ini, {{"S", "k", "1"}});
  EXPECT_TRUE(batch.files().empty());
  EXPECT_EQ(batch.consulted(), std::vector<std::string>{ini});
}

TEST(FileBatch, KeepsLinksAndProtectionsAndRefusesWhatItMustNot) {
  namespace fs = std::filesystem;
  enum class Setup { kLink, kLinkToNothing, kReadOnly };
  const struct {
    const char* name;
    Setup setup;
    const char* refusal;  // the start of the problem, nullptr when it is written
  } kCases[] = {
      {"link", Setup::kLink, nullptr},
      {"link to nothing", Setup::kLinkToNothing, "is a link to "},
      {"read-only", Setup::kReadOnly, "is read-only"},
  };
  for (const auto& c : kCases) {
    GameTree tree;
    tree.File("mod\\other.cfg", "old other").File("shared\\game.cfg", "old shared");
    const fs::path mod = tree.hl_dir() / "mod";
    const fs::path shared = tree.hl_dir() / "shared" / "game.cfg";
    if (c.setup == Setup::kLink) fs::create_symlink(shared, mod / "game.cfg");
    if (c.setup == Setup::kLinkToNothing) fs::create_symlink(mod / "gone.cfg", mod / "game.cfg");
    if (c.setup == Setup::kReadOnly) {
      tree.File("mod\\game.cfg", "protected");
      fs::permissions(mod / "game.cfg", fs::perms::owner_read | fs::perms::group_read);
    }
    std::vector<std::string> synced;
    ObserveDirectorySyncs([&synced](const std::string& dir) { synced.push_back(dir); });
    FileBatch batch;
    batch.Put(tree.HLPath() + "\\mod\\other.cfg", "new other");
    batch.Put(tree.HLPath() + "\\mod\\game.cfg", "new game");
    std::string problem;
    try {
      batch.Commit();
    } catch (const FileError& e) {
      problem = e.problem();
      EXPECT_EQ(e.file(), tree.HLPath() + "\\mod\\game.cfg") << c.name;
    }
    ObserveDirectorySyncs(nullptr);
    if (c.refusal == nullptr) {
      EXPECT_EQ(problem, "") << c.name;
      EXPECT_TRUE(fs::is_symlink(mod / "game.cfg")) << c.name;
      EXPECT_EQ(tree.Read("shared\\game.cfg"), "new game") << c.name;
      EXPECT_EQ(tree.Read("mod\\other.cfg"), "new other") << c.name;
      // Each directory that took a rename is synced after it, once.
      std::sort(synced.begin(), synced.end());
      EXPECT_EQ(synced, (std::vector<std::string>{mod.string(), shared.parent_path().string()}));
      continue;
    }
    EXPECT_EQ(problem.rfind(c.refusal, 0), 0u) << c.name << ": " << problem;
    EXPECT_EQ(tree.Read("mod\\other.cfg"), "old other") << c.name;
    EXPECT_TRUE(synced.empty()) << c.name;
    if (c.setup == Setup::kReadOnly) {
      EXPECT_EQ(tree.Read("mod\\game.cfg"), "protected");
    } else {
      EXPECT_FALSE(fs::exists(mod / "gone.cfg"));
    }
  }

  // A hand-edited file of absurd size is refused before it is read.
  GameTree tree;
  tree.File("mod\\huge.cfg", "");
  fs::resize_file(tree.hl_dir() / "mod" / "huge.cfg", kMaxFileBytes + 1);
  try {
    ReadFileBytes(tree.HLPath() + "\\mod\\huge.cfg");
    FAIL() << "read";
  } catch (const FileError& e) {
    EXPECT_EQ(e.problem(), "is 64 MiB large; no game file comes near 64 MiB, so it is not read");
  }
}

}  // namespace
}  // namespace orvane::test
