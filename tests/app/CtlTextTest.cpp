// One text between the terminal and the game's files: orvanectl takes and
// prints the terminal's characters (UTF-8 here) and the files hold
// Windows-1252, byte for byte as the windows write them; a character the
// files cannot hold, or bytes that are no text, are refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "app/Wiring.h"
#include "core/LauncherSettings.h"
#include "core/Startup.h"
#include "editors/ModRegistry.h"
#include "platform/GameText.h"
#include "support/ModTree.h"

namespace orvane::test {
namespace {

namespace fs = std::filesystem;

// Every file of the game and of the launcher's data, by its path below the tree.
std::map<std::string, std::string> Files(const GameTree& tree) {
  std::map<std::string, std::string> files;
  for (const fs::path& top : {tree.hl_dir(), tree.app_dir()}) {
    for (const auto& entry : fs::recursive_directory_iterator(top)) {
      if (!entry.is_regular_file() || entry.path().filename() == "orvane.lock") continue;
      files[fs::relative(entry.path(), tree.root()).string()] = ReadHostFile(entry.path());
    }
  }
  return files;
}

// The bot each mod of choice is configured for in the demo.
std::string BotOf(std::string_view mod) {
  if (mod == "CStrike") return "YaPB";
  if (mod == "TFC") return "Abot";
  if (mod == "Frontline") return "AgroBot";
  return "";
}

std::vector<std::string> ConfigOf(const ModInfo& mod) {
  std::vector<std::string> args = {"config", std::string(mod.key)};
  if (!BotOf(mod.key).empty()) args.insert(args.end(), {"--bot", BotOf(mod.key)});
  return args;
}

constexpr const char* kNameUtf8 = "Zo\xC3\xA9\xE2\x82\xAC";  // Zoé€
constexpr const char* kName1252 = "Zo\xE9\x80";

TEST(CtlText, ANameSetFromTheTerminalIsWrittenAsTheWindowWritesIt) {
  for (const ModInfo& mod : Mods()) {
    const std::string prefix(mod.prefix);
    // By orvanectl, from a UTF-8 terminal.
    GameTree by_ctl;
    DemoGame(by_ctl);
    std::vector<std::string> set = ConfigOf(mod);
    set.insert(set.end(), {"set", prefix + "_SBCreeBot=1", prefix + "_botname=" + kNameUtf8});
    const CtlRun run = RunCtl(by_ctl, set);
    ASSERT_EQ(run.status, 0) << mod.key << ": " << run.err;

    // By the window's document, which gets the window's text as Windows-1252.
    GameTree by_window;
    DemoGame(by_window);
    LauncherState state = by_window.State();
    RegistryStore store = by_window.Store();
    struct Quiet final : StartupReporter {
      void ReportError(const std::string&, const std::string&) override {}
    } reporter;
    InitLauncher(state, store, LauncherStartupHooks(state, store), reporter);
    SelectMod(state, mod.key);
    if (!BotOf(mod.key).empty()) {
      ASSERT_TRUE(ChooseBot(state, BotOf(mod.key)));
    }
    const std::unique_ptr<EditorSettings> doc = MakeSettings(state, mod.key, state.bot_choice.text);
    doc->Load();
    ASSERT_EQ(doc->Set(prefix + "_SBCreeBot", "1"), std::nullopt) << mod.key;
    ASSERT_EQ(doc->Set(prefix + "_botname", kName1252), std::nullopt) << mod.key;
    doc->Save();

    const auto ctl_files = Files(by_ctl);
    const auto window_files = Files(by_window);
    for (const auto& [path, bytes] : window_files) {
      const auto other = ctl_files.find(path);
      ASSERT_NE(other, ctl_files.end()) << mod.key << ": " << path;
      EXPECT_EQ(other->second, bytes) << mod.key << ": " << path;
    }
    // show prints the name as the terminal's text, and set takes it back.
    std::vector<std::string> show = ConfigOf(mod);
    show.push_back("show");
    const std::string out = RunCtl(by_ctl, show).out;
    EXPECT_NE(out.find(std::string(",") + kNameUtf8 + "\n"), std::string::npos) << mod.key << out;
    std::vector<std::string> select = ConfigOf(mod);
    select.insert(select.end(), {"set", prefix + "_ListBot=" + kNameUtf8});
    EXPECT_EQ(RunCtl(by_ctl, select).status, 0) << mod.key;
  }
}

TEST(CtlText, WhatTheFilesCannotHoldIsRefusedAndNothingWritten) {
  GameTree tree;
  DemoGame(tree);
  ASSERT_EQ(RunCtl(tree, {"mods"}).status, 0);  // start-up's own writes done
  const auto before = Files(tree);
  const struct {
    const char* locale;
    std::vector<std::string> args;
    const char* message;
  } kCases[] = {
      {"C.UTF-8",
       {"config", "Botman", "set", "BM_botname=\xD0\x96\xD0\xBE\xD1\x80\xD0\xB0"},
       "orvanectl: BM_botname: U+0416 \xD0\x96 is not a character the game's files can hold "
       "(Windows-1252); nothing written.\n"},
      {"C.UTF-8",
       {"config", "Botman", "set", "BM_botname=Zo\xC3"},
       "orvanectl: BM_botname: byte 0xC3 is not text of the terminal's character set; nothing "
       "written.\n"},
      {"C.UTF-8",
       {"config", "CStrike", "--bot", "\xF0\x9F\x98\x80", "show"},
       "orvanectl: --bot: U+1F600 \xF0\x9F\x98\x80 is not a character the game's files can "
       "hold (Windows-1252); nothing written.\n"},
      {"C",
       {"config", "Botman", "set", "BM_botname=Zo\xC3\xA9"},
       "orvanectl: BM_botname: byte 0xC3 (ANSI_X3.4-1968) is not text of the terminal's "
       "character set; nothing written.\n"},
      {"C",
       {"command", "+hostname Zo\xE9"},
       "orvanectl: command: byte 0xE9 (ANSI_X3.4-1968) is not text of the terminal's "
       "character set; nothing written.\n"},
  };
  for (const auto& c : kCases) {
    const CtlRun run = RunCtlInLocale(tree, c.locale, c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_EQ(run.err, c.message);
    EXPECT_EQ(Files(tree), before) << c.message;
  }
  // In a plain ASCII terminal, ASCII still works.
  EXPECT_EQ(RunCtlInLocale(tree, "C", {"command", "+hostname Zoe"}).status, 0);
}

TEST(GameText, Windows1252AndUtf8BothWays) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  const GameTextResult back = Utf8ToWindows1252(Windows1252ToUtf8(all));
  ASSERT_TRUE(back.bytes.has_value()) << back.what;
  EXPECT_EQ(*back.bytes, all);  // every byte, the five undefined ones too
  EXPECT_EQ(Windows1252ToUtf8("\x80\x92\xE9"), "\xE2\x82\xAC\xE2\x80\x99\xC3\xA9");
  for (const char* bad : {"\xC0\x80", "\xED\xA0\x80", "\xE2\x82", "\xFF"}) {
    EXPECT_FALSE(Utf8ToWindows1252(bad).bytes.has_value()) << bad;
  }
}

}  // namespace
}  // namespace orvane::test
