#include "platform/RegistryStore.h"

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {

constexpr const char* kKey = "Software\\Tarrow Inc.\\KRV";

const char* const kStore =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\Machine\n"
    "#arch=win32\n"
    "\n"
    "[Software\\\\Tarrow Inc.\\\\KRV] 1733490000\n"
    "#time=1d9c0a0b0c0d0e0\n"
    "\"AppPath\"=\"C:\\\\Program Files\\\\KRV\"\n"
    "\"Quoted\"=\"say \\\"hi\\\"\\tnow\"\n"
    "\"Accent\"=\"caf\\x00e9\"\n"
    "\"Count\"=dword:00000010\n"
    "\"Expand\"=str(2):\"%SystemRoot%\\\\x\"\n"
    "\"Blob\"=hex:01,02,\\\n"
    "  03,04\n"
    "@=\"default\"\n"
    "\n"
    "[Software\\\\Other] 1733490000\n"
    "\"AppPath\"=\"elsewhere\"\n";

TEST(RegistryText, ReadsEveryValueKind) {
  const RegistryText reg = RegistryText::Parse(kStore, "registry.reg");
  struct Row {
    const char* name;
    uint32_t type;
    const char* text;
  };
  for (const Row& row : std::vector<Row>{{"AppPath", kRegSz, "C:\\Program Files\\KRV"},
                                         {"apppath", kRegSz, "C:\\Program Files\\KRV"},
                                         {"Quoted", kRegSz, "say \"hi\"\tnow"},
                                         {"Accent", kRegSz, "caf\xc3\xa9"},
                                         {"Count", kRegDword, "00000010"},
                                         {"Expand", kRegExpandSz, "%SystemRoot%\\x"},
                                         {"Blob", kRegBinary, "01,02,03,04"},
                                         {"", kRegSz, "default"}}) {
    const auto value = reg.Find("SOFTWARE\\tarrow inc.\\krv", row.name);
    ASSERT_TRUE(value) << row.name;
    EXPECT_EQ(value->type, row.type) << row.name;
    EXPECT_EQ(value->text, row.text) << row.name;
  }
  EXPECT_FALSE(reg.Find(kKey, "Missing"));
  EXPECT_EQ(reg.Find("Software\\Other", "AppPath")->text, "elsewhere");
}

TEST(RegistryText, WriteChangesOnlyItsOwnLines) {
  RegistryText reg = RegistryText::Parse(kStore, "registry.reg");
  reg.SetString(kKey, "Blob", "now text");  // replaces both lines of the hex value
  reg.SetString(kKey, "HLPath", "D:\\Games\\\"HL\"");
  reg.SetString("Software\\New Key", "X", "1");
  const std::string bytes = reg.Bytes();
  const std::string expected_start =
      "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n#arch=win32\n\n"
      "[Software\\\\Tarrow Inc.\\\\KRV] 1733490000\n#time=1d9c0a0b0c0d0e0\n"
      "\"AppPath\"=\"C:\\\\Program Files\\\\KRV\"\n"
      "\"Quoted\"=\"say \\\"hi\\\"\\tnow\"\n"
      "\"Accent\"=\"caf\\x00e9\"\n"
      "\"Count\"=dword:00000010\n"
      "\"Expand\"=str(2):\"%SystemRoot%\\\\x\"\n"
      "\"Blob\"=\"now text\"\n"
      "@=\"default\"\n"
      "\"HLPath\"=\"D:\\\\Games\\\\\\\"HL\\\"\"\n"
      "\n[Software\\\\Other] 1733490000\n\"AppPath\"=\"elsewhere\"\n\n[Software\\\\New Key] ";
  EXPECT_EQ(bytes.substr(0, expected_start.size()), expected_start);
  EXPECT_TRUE(bytes.ends_with("\n\"X\"=\"1\"\n"));
  // What was written reads back the same.
  const RegistryText again = RegistryText::Parse(bytes, "registry.reg");
  EXPECT_EQ(again.Find(kKey, "HLPath")->text, "D:\\Games\\\"HL\"");
  EXPECT_EQ(again.Find(kKey, "Blob")->type, kRegSz);
  EXPECT_EQ(again.Find("software\\new key", "x")->text, "1");
  EXPECT_EQ(again.Find(kKey, "Accent")->text, "caf\xc3\xa9");
}

TEST(RegistryText, MalformedTextNamesFileAndLine) {
  struct Row {
    const char* text;
    int line;
  };
  for (const Row& row : std::vector<Row>{
           {"REGEDIT4\n", 1},
           {"WINE REGISTRY Version 2\n\"A\"=\"x\"\n", 2},
           {"WINE REGISTRY Version 2\n[K]\n\"A\"=\"unterminated\n", 3},
           {"WINE REGISTRY Version 2\n[K]\n\"A\"=dword:xyz\n", 3},
           {"WINE REGISTRY Version 2\n[K]\n\"A\" \"x\"\n", 3},
           {"WINE REGISTRY Version 2\n[K]\n\"A\"=\"bad \\q escape\"\n", 3},
           {"WINE REGISTRY Version 2\n[K]\n\"A\"=hex:0g\n", 3},
           {"WINE REGISTRY Version 2\n[K\n", 2},
       }) {
    try {
      RegistryText::Parse(row.text, "/x/registry.reg");
      ADD_FAILURE() << "no error for " << row.text;
    } catch (const FileError& e) {
      EXPECT_EQ(e.file(), "/x/registry.reg");
      EXPECT_EQ(e.line(), row.line) << row.text;
      EXPECT_FALSE(e.problem().empty());
    }
  }
}

TEST(RegistryStore, MalformedStoreIsReportedAndNeverOverwritten) {
  GameTree tree;
  const std::string broken = "WINE REGISTRY Version 2\n[K]\nnot a value\n";
  tree.RegistryText(broken);
  RegistryStore store = tree.Store();
  EXPECT_FALSE(store.Open());
  EXPECT_NE(store.error().find("registry.reg, line 3"), std::string::npos) << store.error();
  EXPECT_FALSE(store.WriteString(kKey, "CloseKRV", "O"));
  EXPECT_EQ(ReadHostFile(tree.registry_file()), broken);
}

TEST(RegistryStore, WriteCreatesTheStoreAndKeepsOtherValues) {
  GameTree tree;
  RegistryStore store = tree.Store();
  ASSERT_TRUE(store.Open());  // a missing store is an empty one
  ASSERT_TRUE(store.WriteString(kKey, "CloseKRV", "O"));
  ASSERT_TRUE(store.WriteString(kKey, "AutoStart", "N"));
  ASSERT_TRUE(store.WriteString(kKey, "closekrv", "N"));
  RegistryStore reread = tree.Store();
  ASSERT_TRUE(reread.Open());
  EXPECT_EQ(reread.Read(kKey, "CloseKRV")->text, "N");
  EXPECT_EQ(reread.Read(kKey, "AutoStart")->text, "N");
  EXPECT_TRUE(ReadHostFile(tree.registry_file()).starts_with("WINE REGISTRY Version 2\n"));
}

TEST(RegistryStore, GameKeyComesFromTheStoreThenTheWinePrefix) {
  const char* const kValve = "Software\\Valve\\Half-Life";
  {
    GameTree tree;
    tree.WineInstallPath(kValve, "C:\\Sierra\\Half-Life");
    RegistryStore store = tree.Store();
    store.Open();
    EXPECT_EQ(store.ReadMachine(kValve, "InstallPath")->text, "C:\\Sierra\\Half-Life");
    EXPECT_FALSE(store.Read(kValve, "InstallPath"));  // never copied into the store
  }
  {
    GameTree tree;  // a 32-bit program's key in a 64-bit prefix
    tree.WineInstallPath("Software\\Wow6432Node\\Valve\\Half-Life", "C:\\Games\\HL");
    RegistryStore store = tree.Store();
    store.Open();
    EXPECT_EQ(store.ReadMachine(kValve, "installpath")->text, "C:\\Games\\HL");
  }
  {
    GameTree tree;
    tree.WineInstallPath(kValve, "C:\\Wine\\HL")
        .RegistryText(
            "WINE REGISTRY Version "
            "2\n[Software\\\\Valve\\\\Half-Life]\n\"InstallPath\"=\"/own\"\n");
    RegistryStore store = tree.Store();
    store.Open();
    EXPECT_EQ(store.ReadMachine(kValve, "InstallPath")->text, "/own");
  }
}

}  // namespace
}  // namespace orvane::test
