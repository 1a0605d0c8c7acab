// Player models: the launcher's catalogue of installed models, stepping a
// bot's model through a drop-down, and the rule that picks a model's picture.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/LauncherState.h"
#include "core/ModTable.h"
#include "services/BotEntry.h"

namespace orvane {

// Shipped inside the game's packed data, so always listed.
inline constexpr std::array<std::string_view, 5> kStandardModels = {"gina", "gordon", "hgrunt",
                                                                    "helmet", "scientist"};

// Rebuilds state.model_list: every sub-folder m of the player models
// directory holding m\m.mdl, plus the standard models, sorted without regard
// to case (duplicates kept).
void LoadModelCatalogue(LauncherState& state);

// The entries a model drop-down receives (non-blank catalogue entries).
std::vector<std::string> ModelChoices(const LauncherState& state);

// Position of name in the catalogue, comparing trimmed and lower-cased; -1 when absent.
int FindModelIndex(const LauncherState& state, std::string_view name);

// A model drop-down as values.
struct ModelBox {
  std::vector<std::string> items;
  int selected = -1;
  std::string text;
};

struct ModelStep {
  bool changed = false;      // false: nothing happened (no modified mark)
  std::string picture_path;  // the picture to show when changed
};

// How the player moves the selected bot's model: the < and > buttons, or the
// drop-down's own choice (box.text already set).
enum class ModelStepAction { kPrevious, kNext, kChosen };

// Moves the current roster entry's model (null: none is current, nothing
// happens); its Model field takes what the mod keeps there.
ModelStep StepBotModel(const LauncherState& state, const ModInfo& mod, ModelStepAction action,
                       ModelBox& box, BotEntry* current);

// The picture file of a model of the mod: the model's own bitmap, else the
// launcher's picture, else AppPath\models\nopic.jpg.
std::string ModelPicturePath(const LauncherState& state, const ModInfo& mod, std::string_view name);

// "Team 3 - gina" for the drop-down BM_team3 holding gina.
std::string TeamPreviewCaption(std::string_view control_name, std::string_view model);

}  // namespace orvane
