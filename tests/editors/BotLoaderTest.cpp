// What a launch changes for the bot add-on, on the installs players have:
// liblist.gam edited on the one line that loads the bot for the build that
// runs (Wine, Steam with Proton, Steam's native build), or the bot loaded
// as a Metamod plugin; the bot usable only where its library can run; the
// one-time copies, and Restore putting them back.
#include <gtest/gtest.h>

#include "core/Backup.h"
#include "core/BotAddons.h"
#include "core/LauncherSettings.h"
#include "core/NativeRun.h"
#include "editors/CstrikeLaunch.h"
#include "editors/LaunchFiles.h"
#include "support/ModTree.h"

namespace orvane::test {
namespace {

// Three add-ons as releases lay them out: a standalone one, a Metamod
// plugin, and one that runs either way.
constexpr const char* kCatalogue =
    "[Default]\r\ndispo=4\r\nBot1=Solo\r\nBot2=Plug\r\nBot3=Duo\r\nBot4=Gone\r\n"
    "[Solo]\r\ndll=dlls\\solo.dll\r\ndll_linux=dlls/solo_i386.so\r\nbotfile=solo.cfg\r\n"
    "addbot=addbot <team> <model> <name> <skill>\r\n"
    "[Plug]\r\ndll=addons\\plug\\plug_mm.dll\r\ndll_linux=addons/plug/plug_mm_i386.so\r\n"
    "metamod=yes\r\nbotfile=addons\\plug\\plug.cfg\r\n"
    "[Duo]\r\ndll=addons\\duo\\bin\\duo.dll\r\ndll_linux=addons/duo/bin/duo.so\r\n"
    "metamod=both\r\nbotfile=addons\\duo\\duo.cfg\r\n"
    "[Gone]\r\ndll=dlls\\gone.dll\r\n";

constexpr const char* kStock =
    "game \"Counter-Strike\"\nversion \"1.6\"\ncldll \"1\" \ngamedll \"dlls\\mp.dll\"\n"
    "gamedll_linux \"dlls/cs.so\"\ngamedll_osx \"dlls/cs.dylib\"\nedicts\t\"1800\"\n";
constexpr const char* kMetamodLinux =
    "game \"Counter-Strike\"\r\ngamedll \"dlls\\mp.dll\"\r\n// gamedll_linux \"dlls/cs.so\"\r\n"
    "gamedll_linux \"addons/metamod/dlls/metamod.so\"\r\ntrainmap \"tr_1\"";
constexpr const char* kMetamodBoth =
    "gamedll \"addons\\metamod\\metamod.dll\"\ngamedll_linux \"addons/metamod/metamod_i386.so\"\n";
constexpr const char* kPlugins = "; AMX Mod X first\nlinux addons/amxmodx/dlls/amxmodx_mm_i386.so";

enum class Way { kWine, kProton, kNative };

// Counter-Strike with the three add-ons and Metamod's both builds
// installed, liblist.gam as given (named `liblist_name`), on one way to run.
struct CsInstall {
  CsInstall(const char* liblist, Way run, std::string_view liblist_name = "liblist.gam") {
    tree.Dir("cstrike")
        .File("cstrike\\" + std::string(liblist_name), liblist)
        .File("cstrike\\dlls\\solo.dll")
        .File("cstrike\\dlls\\solo_i386.so")
        .File("cstrike\\addons\\plug\\plug_mm.dll")
        .File("cstrike\\addons\\plug\\plug_mm_i386.so")
        .File("cstrike\\addons\\duo\\bin\\duo.dll")
        .File("cstrike\\addons\\duo\\bin\\duo.so")
        .File("cstrike\\addons\\metamod\\dlls\\metamod.so")
        .File("cstrike\\addons\\metamod\\metamod.dll")
        .File("cstrike\\addons\\metamod\\metamod_i386.so")
        .File("cstrike\\addons\\metamod\\plugins.ini", kPlugins)
        .AppFile("CStrike.ini", kCatalogue);
    if (run != Way::kWine) tree.InSteamLibrary();
    if (run == Way::kProton) tree.ProtonForHalfLife();
    tree.StandardRegistry();
    Reload();
  }
  void Reload() {
    state = tree.State();
    RegistryStore store = tree.Store();
    ReadLauncherSettings(state, store);
    SelectMod(state, "CStrike");
  }
  // The launch's files for bot; false when the bot is not offered.
  bool Launch(const std::string& bot) {
    Reload();
    if (!ChooseBot(state, bot)) return false;
    WriteCsLaunchFiles(state, bot);
    return true;
  }
  GameTree tree;
  LauncherState state;
};

TEST(BotLoader, EachBuildEachKindOfAddOnChangesOneLine) {
  const std::string plugged = std::string(kPlugins) + "\nlinux addons/plug/plug_mm_i386.so";
  const struct {
    const char* what;
    const char* liblist;
    Way run;
    const char* bot;
    std::string expected_liblist;  // "" = not offered
    std::string expected_plugins;
  } kCases[] = {
      {"standalone on Wine", kStock, Way::kWine, "Solo",
       Replaced(kStock, "dlls\\mp.dll", "dlls\\solo.dll"), kPlugins},
      {"standalone through Proton", kStock, Way::kProton, "Solo",
       Replaced(kStock, "dlls\\mp.dll", "dlls\\solo.dll"), kPlugins},
      {"standalone on the native build", kStock, Way::kNative, "Solo",
       Replaced(kStock, "dlls/cs.so", "dlls/solo_i386.so"), kPlugins},
      {"a Metamod-only bot without Metamod", kStock, Way::kNative, "Plug", "", kPlugins},
      {"both kinds without Metamod, native", kStock, Way::kNative, "Duo",
       Replaced(kStock, "dlls/cs.so", "addons/duo/bin/duo.so"), kPlugins},
      {"both kinds without Metamod, Wine", kStock, Way::kWine, "Duo",
       Replaced(kStock, "dlls\\mp.dll", "addons\\duo\\bin\\duo.dll"), kPlugins},
      {"Metamod-only bot, Metamod on Linux", kMetamodLinux, Way::kNative, "Plug", kMetamodLinux,
       plugged},
      {"both kinds, Metamod on Linux", kMetamodLinux, Way::kNative, "Duo", kMetamodLinux,
       std::string(kPlugins) + "\nlinux addons/duo/bin/duo.so"},
      {"standalone takes Metamod's place", kMetamodLinux, Way::kNative, "Solo",
       Replaced(kMetamodLinux, "addons/metamod/dlls/metamod.so", "dlls/solo_i386.so"), kPlugins},
      {"Metamod only on Linux, Proton runs Windows", kMetamodLinux, Way::kProton, "Plug", "",
       kPlugins},
      {"both kinds through Proton without Metamod for Windows", kMetamodLinux, Way::kProton, "Duo",
       Replaced(kMetamodLinux, "dlls\\mp.dll", "addons\\duo\\bin\\duo.dll"), kPlugins},
      {"metamod-r for Windows", kMetamodBoth, Way::kWine, "Plug", kMetamodBoth,
       std::string(kPlugins) + "\nwin32 addons/plug/plug_mm.dll"},
      {"a library that is missing", kStock, Way::kWine, "Gone", "", kPlugins},
  };
  for (const auto& c : kCases) {
    CsInstall cs(c.liblist, c.run);
    const bool offered = cs.Launch(c.bot);
    EXPECT_EQ(offered, !c.expected_liblist.empty()) << c.what;
    EXPECT_EQ(cs.tree.Read("cstrike\\liblist.gam"), offered ? c.expected_liblist : c.liblist)
        << c.what;
    EXPECT_EQ(cs.tree.Read("cstrike\\addons\\metamod\\plugins.ini"), c.expected_plugins) << c.what;
    // A copy only of a file that changed, holding what it held.
    const bool liblist_changed = offered && c.expected_liblist != c.liblist;
    EXPECT_EQ(cs.tree.Exists("cstrike\\liblist.bak"), liblist_changed) << c.what;
    if (liblist_changed) {
      EXPECT_EQ(cs.tree.Read("cstrike\\liblist.bak"), c.liblist);
    }
  }
}

TEST(BotLoader, AnUpperCaseFileKeepsItsNameAndAMissingOneGetsTheTemplate) {
  CsInstall upper(kStock, Way::kWine, "LIBLIST.GAM");
  ASSERT_TRUE(upper.Launch("Solo"));
  EXPECT_EQ(ReadHostFile(upper.tree.hl_dir() / "cstrike" / "LIBLIST.GAM"),
            Replaced(kStock, "dlls\\mp.dll", "dlls\\solo.dll"));
  EXPECT_FALSE(std::filesystem::exists(upper.tree.hl_dir() / "cstrike" / "liblist.gam"));

  // No liblist.gam on the native build: the release's file, with the bot's
  // Linux library on its Linux line; noted as ours, so no copy is kept of it.
  CsInstall none(kStock, Way::kNative);
  std::filesystem::remove(none.tree.hl_dir() / "cstrike" / "liblist.gam");
  ASSERT_TRUE(none.Launch("Duo"));
  const std::string made = none.tree.Read("cstrike\\liblist.gam");
  EXPECT_NE(made.find("\r\ngamedll \"addons\\duo\\bin\\duo.dll\"\r\n"
                      "gamedll_linux \"addons/duo/bin/duo.so\"\r\n"),
            std::string::npos)
      << made;
  ASSERT_TRUE(none.Launch("Solo"));
  EXPECT_NE(none.tree.Read("cstrike\\liblist.gam").find("gamedll_linux \"dlls/solo_i386.so\""),
            std::string::npos);
  EXPECT_FALSE(none.tree.Exists("cstrike\\liblist.bak"));
}

TEST(BotLoader, SwitchingBotsLeavesOneBotLineAndRestorePutsTheOriginalsBack) {
  CsInstall cs(kMetamodLinux, Way::kNative);
  cs.tree.File("cstrike\\addons\\duo\\duo.cfg", "// the release's own settings\n");
  ASSERT_TRUE(cs.Launch("Plug"));
  ASSERT_TRUE(cs.Launch("Duo"));
  ASSERT_TRUE(cs.Launch("Plug"));
  EXPECT_EQ(
      cs.tree.Read("cstrike\\addons\\metamod\\plugins.ini"),
      std::string(kPlugins) + "\nlinux addons/plug/plug_mm_i386.so\n;linux addons/duo/bin/duo.so");
  EXPECT_EQ(cs.tree.Read("cstrike\\addons\\metamod\\plugins.bak"), kPlugins);
  EXPECT_EQ(cs.tree.Read("cstrike\\addons\\duo\\duo.bak"), "// the release's own settings\n");

  // A standalone bot takes Metamod's place; a plugin brings Metamod back
  // from the mod's own copy.
  ASSERT_TRUE(cs.Launch("Solo"));
  EXPECT_NE(cs.tree.Read("cstrike\\liblist.gam").find("\ngamedll_linux \"dlls/solo_i386.so\""),
            std::string::npos);
  ASSERT_TRUE(cs.Launch("Plug"));
  EXPECT_EQ(cs.tree.Read("cstrike\\liblist.gam"), kMetamodLinux);

  const RestorePlan plan = PlanRestore(cs.state, "CStrike");
  std::vector<std::string> files;
  for (const RestoreFile& file : plan.files) files.push_back(file.file);
  EXPECT_EQ(files, (std::vector<std::string>{"liblist.gam", "addons\\metamod\\plugins.ini",
                                             "addons\\duo\\duo.cfg"}));
  RestoreOriginalFiles(plan);
  EXPECT_EQ(cs.tree.Read("cstrike\\addons\\metamod\\plugins.ini"), kPlugins);
  EXPECT_EQ(cs.tree.Read("cstrike\\addons\\duo\\duo.cfg"), "// the release's own settings\n");
  // The command file Orvane made where there was none has no copy to put back.
  EXPECT_FALSE(cs.tree.Exists("cstrike\\addons\\plug\\plug.bak"));
}

TEST(BotLoader, WhatIsOfferedAndWhatThePlayerIsTold) {
  const struct {
    const char* what;
    const char* liblist;
    Way run;
    std::vector<std::string> offered;
    std::vector<std::string> reasons;  // a part of each unusable bot's reason, catalogue order
  } kCases[] = {
      {"Wine, no Metamod",
       kStock,
       Way::kWine,
       {"Duo", "Solo"},
       {"Plug: it runs only as a Metamod plugin", "Gone: its library"}},
      {"native, Metamod",
       kMetamodLinux,
       Way::kNative,
       {"Duo", "Plug", "Solo"},
       {"Gone: it has no Linux library"}},
  };
  for (const auto& c : kCases) {
    CsInstall cs(c.liblist, c.run);
    EXPECT_EQ(cs.state.bot_choice.names, c.offered) << c.what;
    ASSERT_EQ(cs.state.bot_choice.unusable.size(), c.reasons.size()) << c.what;
    for (size_t i = 0; i < c.reasons.size(); ++i) {
      const auto& [name, reason] = cs.state.bot_choice.unusable[i];
      EXPECT_EQ((name + ": " + reason).rfind(c.reasons[i], 0), 0u) << c.what << ": " << reason;
    }
  }
  // The Proton question is not asked for a bot with its Linux library; the
  // Metamod warning is, for a standalone bot taking Metamod's place.
  CsInstall cs(kMetamodLinux, Way::kNative);
  ASSERT_TRUE(ChooseBot(cs.state, "Solo"));
  EXPECT_EQ(WindowsOnlyWarning(cs.state), "");
  EXPECT_NE(LaunchWarning(cs.state).find("Metamod and its plugins"), std::string::npos);
  ASSERT_TRUE(ChooseBot(cs.state, "Plug"));
  EXPECT_EQ(LaunchWarning(cs.state), "");

  // orvanectl: a listed bot that cannot run is refused with why (1); a name
  // never listed with the nearest ones (2); mods lists both kinds.
  CtlRun run = RunCtl(cs.tree, {"config", "CStrike", "--bot", "Gone", "show"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "orvanectl: the bot Gone can't run here: it has no Linux library (its catalogue "
            "entry names no dll_linux); with Proton turned on for Half-Life in Steam, its "
            "Windows library would run.\n");
  run = RunCtl(cs.tree, {"config", "CStrike", "--bot", "Sola", "show"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("did you mean Solo"), std::string::npos) << run.err;
  run = RunCtl(cs.tree, {"mods"});
  EXPECT_NE(run.out.find("\t  Solo\n\t- Gone: it has no Linux library"), std::string::npos)
      << run.out;
}

}  // namespace
}  // namespace orvane::test
