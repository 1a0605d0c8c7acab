// Several files written all or nothing.
#include <gtest/gtest.h>

#include "platform/FileError.h"
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
  batch.PutLines(c, {"x", "y"});
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

}  // namespace
}  // namespace orvane::test
