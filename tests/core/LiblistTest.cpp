// liblist.gam and Metamod's plugins.ini edited in place: the one line that
// loads the bot changes, every other byte stays, in the shapes real
// installs have.
#include "core/Liblist.h"

#include <gtest/gtest.h>

#include "core/MetamodPlugins.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {

// Steam's Counter-Strike 1.6: LF, a trailing blank after cldll, a tab
// before edicts' value, a last empty line.
constexpr const char* kSteamCs16 =
    "game \"Counter-Strike\"\nurl_info \"www.counter-strike.net\"\nurl_dl \"\"\nversion "
    "\"1.6\"\nsize \"184000000\"\nsvonly \"0\"\nsecure \"1\"\ntype \"multiplayer_only\"\n"
    "cldll \"1\" \nhlversion \"1111\"\nnomodels \"1\"\nnohimodel \"1\"\nmpentity "
    "\"info_player_start\"\ngamedll \"dlls\\mp.dll\"\ngamedll_linux \"dlls/cs.so\"\n"
    "gamedll_osx \"dlls/cs.dylib\"\ntrainmap \"tr_1\"\nedicts\t\"1800\"\n\n";
// Steam's TFC as server repositories keep it: CR LF, a stray "!" before the
// first comment, a comment after a value.
constexpr const char* kSteamTfc =
    "!// Team Fortress Classic library list\r\n// Load order is the file's order.\r\n"
    "game \"Team Fortress\"\r\nversion \"1.5\"\r\nnomodels \"1\"  // none in the browser\r\n"
    "mpentity \"info_tfdetect\"\r\ngamedll \"dlls\\tfc.dll\"\r\ngamedll_linux \"dlls/tfc.so\"\r\n"
    "secure \"1\"\r\n";
// Metamod on Linux only, the mod's own line commented out above it.
constexpr const char* kMetamodLinux =
    "game \"Counter-Strike\"\nversion \"1.6\"\ngamedll \"dlls\\mp.dll\"\n"
    "// gamedll_linux \"dlls/cs.so\"\ngamedll_linux \"addons/metamod/dlls/metamod.so\"\n"
    "gamedll_osx \"dlls/cs.dylib\"\n";
// A bot as the game library, the mod's own line commented out above it.
constexpr const char* kBotAsGame =
    "game \"Counter-Strike\"\n// gamedll \"dlls\\mp.dll\"\ngamedll "
    "\"addons\\yapb\\bin\\yapb.dll\"\n"
    "gamedll_linux \"dlls/cs.so\"\n";
// An old beta: CR CR LF, indented lines with comments after the values, no
// Linux line, no final line end.
constexpr const char* kOldBeta =
    "game \"CounterStrike\" // Game title\r\r\n       mpentity \"hostage_entity\" // spawn\r\r\n"
    "       gamedll \"dlls\\mp.dll\" // file and location of dll";

TEST(Liblist, OneLineChangesAndEveryOtherByteStays) {
  const struct {
    const char* what;
    const char* text;
    const char* key;
    const char* value;
    std::string expected;
  } kCases[] = {
      {"Steam CS, Windows line", kSteamCs16, "gamedll", "addons\\duo\\bin\\duo.dll",
       Replaced(kSteamCs16, "\"dlls\\mp.dll\"", "\"addons\\duo\\bin\\duo.dll\"")},
      {"Steam CS, Linux line", kSteamCs16, "gamedll_linux", "addons/duo/bin/duo.so",
       Replaced(kSteamCs16, "\"dlls/cs.so\"", "\"addons/duo/bin/duo.so\"")},
      {"TFC, CR LF and a stray !", kSteamTfc, "gamedll", "dlls\\solo.dll",
       Replaced(kSteamTfc, "\"dlls\\tfc.dll\"", "\"dlls\\solo.dll\"")},
      {"the active line, not the comment above it", kMetamodLinux, "gamedll_linux", "dlls/solo.so",
       Replaced(kMetamodLinux, "\"addons/metamod/dlls/metamod.so\"", "\"dlls/solo.so\"")},
      {"a bot already there", kBotAsGame, "GAMEDLL", "dlls\\solo.dll",
       Replaced(kBotAsGame, "\"addons\\yapb\\bin\\yapb.dll\"", "\"dlls\\solo.dll\"")},
      {"comment after the value kept", kOldBeta, "gamedll", "dlls\\solo.dll",
       Replaced(kOldBeta, "\"dlls\\mp.dll\"", "\"dlls\\solo.dll\"")},
      {"missing line after the other, no final line end kept", kOldBeta, "gamedll_linux",
       "dlls/solo.so", std::string(kOldBeta) + "\r\r\ngamedll_linux \"dlls/solo.so\""},
      {"missing line in the middle", "gamedll \"a.dll\"\r\nsecure \"1\"\r\n", "gamedll_linux",
       "b.so", "gamedll \"a.dll\"\r\ngamedll_linux \"b.so\"\r\nsecure \"1\"\r\n"},
      {"neither line: at the end", "game \"X\"\n", "gamedll", "a.dll",
       "game \"X\"\ngamedll \"a.dll\"\n"},
      {"an empty file", "", "gamedll", "a.dll", "gamedll \"a.dll\"\r\n"},
      {"unquoted value", "gamedll dlls\\mp.dll // x\n", "gamedll", "a.dll",
       "gamedll \"a.dll\" // x\n"},
      {"no value", "gamedll\n", "gamedll", "a.dll", "gamedll \"a.dll\"\n"},
      {"quoted key", "\"gamedll\"\t\"dlls\\mp.dll\"\n", "gamedll", "a.dll",
       "\"gamedll\"\t\"a.dll\"\n"},
  };
  for (const auto& c : kCases) {
    const std::string other = std::string(c.key) == "gamedll_linux" ? "gamedll" : "gamedll_linux";
    EXPECT_EQ(SetLiblistValue(c.text, c.key, c.value, other), c.expected) << c.what;
  }
  EXPECT_EQ(LiblistValue(kMetamodLinux, "gamedll_linux"), "addons/metamod/dlls/metamod.so");
  EXPECT_EQ(LiblistValue(kBotAsGame, "gamedll"), "addons\\yapb\\bin\\yapb.dll");
  EXPECT_EQ(LiblistValue(kOldBeta, "gamedll_linux"), "");
  EXPECT_EQ(LiblistValue(kSteamCs16, "edicts"), "1800");
}

TEST(MetamodPlugins, TheBotsLineAddedOthersCommentedOutTheRestKept) {
  // CR CR LF and tabs, as an add-on's own plugins.ini has them.
  const std::string crcrlf =
      "#\r\r\n# $Id: plugins.ini $\r\r\n\r\r\nwin32\taddons/other/other.dll\r\r\n"
      "linux\taddons/other/other.so\r\r\n";
  // AMX Mod X before, no final line end.
  const std::string amx =
      "; plugins\nlinux addons/amxmodx/dlls/amxmodx_mm_i386.so\nlinux addons/plug/plug_mm_i386.so";
  const std::vector<std::string> others = {"addons/other/other.dll", "addons/other/other.so",
                                           "addons/plug/plug_mm.dll",
                                           "addons/plug/plug_mm_i386.so"};
  const struct {
    const char* what;
    std::string text;
    GameBuild build;
    const char* library;
    std::string expected;
  } kCases[] = {
      {"another bot's lines commented out, ours added with the file's line end", crcrlf,
       GameBuild::kWindows, "addons/duo/bin/duo.dll",
       "#\r\r\n# $Id: plugins.ini $\r\r\n\r\r\n;win32\taddons/other/other.dll\r\r\n"
       ";linux\taddons/other/other.so\r\r\nwin32 addons/duo/bin/duo.dll\r\r\n"},
      {"after AMX Mod X, still without a final line end", amx, GameBuild::kLinux,
       "addons/duo/bin/duo.so",
       "; plugins\nlinux addons/amxmodx/dlls/amxmodx_mm_i386.so\n"
       ";linux addons/plug/plug_mm_i386.so\nlinux addons/duo/bin/duo.so"},
      {"already loaded: nothing changes", amx, GameBuild::kLinux, "addons/plug/plug_mm_i386.so",
       amx},
      {"a line we commented out taken back",
       Replaced(amx, "linux addons/plug", ";linux addons/plug"), GameBuild::kLinux,
       "addons/plug/plug_mm_i386.so", amx},
      {"another platform's line does not load it", "linux addons/duo/bin/duo.so\n",
       GameBuild::kWindows, "addons/duo/bin/duo.dll",
       "linux addons/duo/bin/duo.so\nwin32 addons/duo/bin/duo.dll\n"},
      {"a missing file", "", GameBuild::kLinux, "addons/duo/bin/duo.so",
       "linux addons/duo/bin/duo.so\r\n"},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> others_here;
    for (const std::string& other : others) {
      if (!SamePluginPath(other, c.library)) others_here.push_back(other);
    }
    EXPECT_EQ(SetMetamodPlugin(c.text, c.build, c.library, others_here), c.expected) << c.what;
  }
  EXPECT_TRUE(SamePluginPath("./Addons\\Plug\\plug_mm.DLL", "addons/plug/plug_mm.dll"));
  EXPECT_FALSE(SamePluginPath("addons/plug/plug_mm.dll", "addons/plug/plug_mm.so"));
}

}  // namespace
}  // namespace orvane::test
