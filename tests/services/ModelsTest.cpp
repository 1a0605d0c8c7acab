#include "services/Models.h"

#include <gtest/gtest.h>

#include "core/LauncherSettings.h"
#include "support/GameTree.h"

namespace orvane::test {
namespace {

LauncherState StateFor(const GameTree& tree, const char* mod) {
  LauncherState state = tree.State();
  state.app_path = tree.AppPath();
  state.hl_path = tree.HLPath();
  state.selected_mod = mod;
  SetModDirectories(state);
  return state;
}

TEST(ModelCatalogue, FoldersWithTheirModelAndTheStandardOnes) {
  GameTree tree;
  tree.File("valve/models/player/barney/barney.mdl")
      .File("valve/models/player/test/other.mdl")
      .File("valve/models/player/Zombie/Zombie.mdl")
      .File("valve/models/player/gina/gina.mdl");
  LauncherState state = StateFor(tree, "Botman");
  LoadModelCatalogue(state);
  EXPECT_EQ(state.model_list,
            (std::vector<std::string>{"barney", "gina", "gina", "gordon", "helmet", "hgrunt",
                                      "scientist", "Zombie"}));
  EXPECT_EQ(FindModelIndex(state, " ZOMBIE "), 7);
  EXPECT_EQ(FindModelIndex(state, "GORDON"), 3);
  EXPECT_EQ(FindModelIndex(state, "robo"), -1);
  GameTree bare;
  LauncherState only_standard = StateFor(bare, "Botman");
  LoadModelCatalogue(only_standard);
  EXPECT_EQ(only_standard.model_list.size(), 5u);
}

TEST(ModelStepping, PrevNextAndTheModelField) {
  GameTree tree;
  LauncherState state = StateFor(tree, "Botman");
  const ModInfo& botman = *FindMod("Botman");
  ModelBox box{{"barney", "gina", "gordon"}, 1, "gina"};
  BotEntry bot{"Alpha", "gina", "", "", "3"};
  ModelStep step = StepBotModel(state, botman, ModelStepAction::kNext, box, &bot);
  EXPECT_TRUE(step.changed);
  EXPECT_EQ(bot.model, "gordon");
  EXPECT_EQ(step.picture_path, tree.AppPath() + "\\models\\nopic.jpg");
  EXPECT_FALSE(StepBotModel(state, botman, ModelStepAction::kNext, box, &bot).changed);  // last
  EXPECT_EQ(box.selected, 2);
  box.selected = 0;
  EXPECT_FALSE(StepBotModel(state, botman, ModelStepAction::kPrevious, box, &bot).changed);
  EXPECT_FALSE(StepBotModel(state, botman, ModelStepAction::kNext, box, nullptr).changed);

  // Counter-Strike keeps the position; the picture is team_model.
  state = StateFor(tree, "CStrike");
  tree.AppFile("models/cs/2_1.jpg", "x");
  ModelBox cs{{"Phoenix", "Elite", "Arctic"}, 0, "Phoenix"};
  BotEntry cs_bot{"B", "0", "2", "", "50"};
  step = StepBotModel(state, *FindMod("CStrike"), ModelStepAction::kNext, cs, &cs_bot);
  EXPECT_EQ(cs_bot.model, "1");
  EXPECT_EQ(step.picture_path, tree.AppPath() + "\\models\\cs\\2_1.jpg");
  cs.text = "Elite";
  StepBotModel(state, *FindMod("TFC"), ModelStepAction::kChosen, cs, &cs_bot);
  EXPECT_EQ(cs_bot.model, "2");  // TFC: position + 1
}

TEST(ModelPictures, OwnBitmapThenLauncherPictureThenNoPicture) {
  GameTree tree;
  tree.AppFile("models/gordon.jpg", "j")
      .AppFile("models/gina.jpg", "j")
      .File("valve/models/player/gordon/gordon.bmp", "b")
      .File("action/models/player/gina/gina.bmp", "b");
  LauncherState state = StateFor(tree, "Botman");
  const ModInfo& botman = *FindMod("Botman");
  EXPECT_EQ(ModelPicturePath(state, botman, "gordon"),
            tree.HLPath() + "\\valve\\models\\player\\gordon\\gordon.bmp");
  EXPECT_EQ(ModelPicturePath(state, botman, "gina"), tree.AppPath() + "\\models\\gina.jpg");
  EXPECT_EQ(ModelPicturePath(state, botman, "robo"), tree.AppPath() + "\\models\\nopic.jpg");
  EXPECT_EQ(ModelPicturePath(state, *FindMod("Action"), "gina"),
            tree.HLPath() + "\\action\\models\\player\\gina\\gina.bmp");
}

TEST(ModelPictures, TeamPreviewCaption) {
  EXPECT_EQ(TeamPreviewCaption("BM_team3", "gina"), "Team 3 - gina");
  EXPECT_EQ(TeamPreviewCaption("BM_team10", "gina"), "Team 10 - gina");
  EXPECT_EQ(TeamPreviewCaption("JB_Team1", "helmet"), "Team 1 - helmet");
}

}  // namespace
}  // namespace orvane::test
