// The files shipped beside the launcher are read by the same routines as
// at run time, so a broken catalogue fails here rather than for a player.
#include <gtest/gtest.h>

#include "core/BotNames.h"
#include "core/LauncherSettings.h"
#include "platform/ProfileFile.h"
#include "platform/TextFile.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {

TEST(ShippedData, EveryCatalogueBotIsCompleteAndUsableWhenInstalled) {
  for (const ModInfo& mod : Mods()) {
    if (mod.catalogue.empty()) continue;
    GameTree tree;
    tree.ShippedData();
    const std::string catalogue = tree.AppPath() + "\\" + std::string(mod.catalogue);
    const int count = GetProfileInt(catalogue, "Default", "dispo", 0);
    ASSERT_GT(count, 0) << mod.catalogue;
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i) {
      const std::string name = GetProfileString(catalogue, "Default", "Bot" + std::to_string(i));
      ASSERT_FALSE(name.empty()) << mod.catalogue << " Bot" << i;
      for (const char* key : {"dll", "size", "botfile", "maxskill", "waypath"}) {
        EXPECT_FALSE(GetProfileString(catalogue, name, key).empty()) << name << " " << key;
      }
      EXPECT_GT(GetProfileInt(catalogue, name, "maxskill", 0), 0) << name;
      tree.File(std::string(mod.dir) + "\\" + GetProfileString(catalogue, name, "dll"));
      // A Linux library named is one the release has; a plugin needs Metamod.
      const std::string linux_library = GetProfileString(catalogue, name, "dll_linux");
      if (!linux_library.empty()) {
        EXPECT_EQ(linux_library.find('\\'), std::string::npos) << name;
        EXPECT_NE(linux_library.find(".so"), std::string::npos) << name;
      }
      const std::string metamod = GetProfileString(catalogue, name, "metamod", "no");
      EXPECT_TRUE(metamod == "no" || metamod == "yes" || metamod == "both") << name;
      if (metamod != "no") tree.Metamod(mod.dir);
      names.push_back(name);
    }
    LauncherState state = tree.State();
    state.app_path = tree.AppPath();
    state.hl_path = tree.HLPath();
    SetModDirectories(state);
    ASSERT_TRUE(LoadBotChoice(state, mod.key));
    EXPECT_EQ(state.bot_choice.names.size(), names.size()) << mod.catalogue;
  }
}

TEST(ShippedData, AtLeastAHundredBotNames) {
  const std::vector<std::string> names =
      BotNamesFromLines(ReadLines(std::string(ORVANE_SOURCE_DATA_DIR) + "/bot_names.txt"));
  EXPECT_GE(names.size(), 100u);
  std::vector<std::string> sorted = names;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "duplicate name";
}

}  // namespace
}  // namespace orvane::test
