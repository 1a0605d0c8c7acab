#include "services/Models.h"

#include <algorithm>

#include "core/LauncherSettings.h"
#include "platform/FileSystem.h"
#include "platform/StringUtil.h"

namespace orvane {

void LoadModelCatalogue(LauncherState& state) {
  state.model_list.clear();
  const std::string& dir = state.valve_models_dir;
  if (!dir.empty()) {
    for (const std::string& m : ListSubdirectories(dir)) {
      if (!m.empty() && FileExists(dir + "\\" + m + "\\" + m + ".mdl"))
        state.model_list.push_back(m);
    }
  }
  for (std::string_view m : kStandardModels) state.model_list.emplace_back(m);
  std::stable_sort(state.model_list.begin(), state.model_list.end(),
                   [](const std::string& a, const std::string& b) {
                     return LessNoCase(a, b) && !EqualsNoCase(a, b);
                   });
}

std::vector<std::string> ModelChoices(const LauncherState& state) {
  std::vector<std::string> choices;
  for (const std::string& m : state.model_list) {
    if (!Trim(m).empty()) choices.push_back(m);
  }
  return choices;
}

int FindModelIndex(const LauncherState& state, std::string_view name) {
  const std::string wanted = ToLowerAscii(Trim(name));
  for (size_t i = 0; i < state.model_list.size(); ++i) {
    if (ToLowerAscii(Trim(state.model_list[i])) == wanted) return static_cast<int>(i);
  }
  return -1;
}

ModelStep StepBotModel(const LauncherState& state, const ModInfo& mod, ModelStepAction action,
                       ModelBox& box, BotEntry* current) {
  ModelStep step;
  if (current == nullptr) return step;
  const int last = static_cast<int>(box.items.size()) - 1;
  switch (action) {
    case ModelStepAction::kPrevious:
      if (box.selected <= 0) return step;
      --box.selected;
      break;
    case ModelStepAction::kNext:
      if (box.selected >= last) return step;
      ++box.selected;
      break;
    case ModelStepAction::kChosen:
      if (box.text.empty()) return step;
      break;
  }
  if (action != ModelStepAction::kChosen) box.text = box.items[static_cast<size_t>(box.selected)];
  std::string value = box.text;
  switch (mod.model_value) {
    case ModelValue::kName:
      break;
    case ModelValue::kPosition:
      value = std::to_string(box.selected);
      break;
    case ModelValue::kPositionFromOne:
      value = std::to_string(box.selected + 1);
      break;
  }
  current->model = value;
  const bool team_pictures = !mod.picture_dir.empty();
  step.picture_path =
      ModelPicturePath(state, mod, team_pictures ? current->param1 + "_" + value : value);
  step.changed = true;
  return step;
}

std::string ModelPicturePath(const LauncherState& state, const ModInfo& mod,
                             std::string_view name) {
  std::string result = state.app_path + "\\models\\nopic.jpg";
  std::string models_dir = state.valve_models_dir;
  if (mod.models_dir >= 0) {
    const ModDirs& dirs = DirsOf(state, mod.key);
    const auto index = static_cast<size_t>(mod.models_dir);
    models_dir = dirs.extra.size() > index ? dirs.extra[index] : std::string();
  }
  std::string picture(name);
  const std::string base = models_dir + "\\" + picture + "\\";
  if (!mod.picture_dir.empty()) picture = std::string(mod.picture_dir) + "\\" + picture;
  const std::string own_picture = state.app_path + "\\models\\" + picture + ".jpg";
  if (FileExists(own_picture)) result = own_picture;
  const std::string bitmap = base + picture + ".bmp";
  if (!models_dir.empty() && FileExists(bitmap)) result = bitmap;
  return result;
}

std::string TeamPreviewCaption(std::string_view control_name, std::string_view model) {
  const std::string_view number = control_name.size() > 7 ? control_name.substr(7) : "";
  return "Team " + std::string(number) + " - " + std::string(model);
}

}  // namespace orvane
