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

ModelStep StepBotModel(const LauncherState& state, std::string_view action, ModelBox& box,
                       BotEntry* current) {
  ModelStep step;
  if (state.track_changes != 1 || current == nullptr) return step;
  const int last = static_cast<int>(box.items.size()) - 1;
  if (action == "Prev") {
    if (box.selected <= 0) return step;
    --box.selected;
  } else if (action == "Next") {
    if (box.selected >= last) return step;
    ++box.selected;
  } else if (action == "All") {
    if (box.text.empty()) return step;
  } else {
    return step;
  }
  if (action != "All") box.text = box.items[static_cast<size_t>(box.selected)];
  const std::string& mod = state.selected_mod;
  std::string value = box.text;
  if (mod == "CStrike") value = std::to_string(box.selected);
  if (mod == "TFC" || mod == "Frontline") value = std::to_string(box.selected + 1);
  current->model = value;
  const bool team_pictures = mod == "CStrike" || mod == "TFC" || mod == "Frontline";
  step.picture_path =
      ModelPicturePath(state, team_pictures ? current->param1 + "_" + value : value);
  step.changed = true;
  return step;
}

std::string ModelPicturePath(const LauncherState& state, std::string_view name) {
  std::string result = state.app_path + "\\models\\nopic.jpg";
  const std::string& mod = state.selected_mod;
  std::string models_dir = state.valve_models_dir;
  if (mod == "Action") {
    const ModDirs& dirs = DirsOf(state, "Action");
    models_dir = dirs.extra.size() > 1 ? dirs.extra[1] : std::string();
  }
  std::string picture(name);
  const std::string base = models_dir + "\\" + picture + "\\";
  if (mod == "CStrike") picture = "cs\\" + picture;
  if (mod == "Frontline") picture = "flf\\" + picture;
  if (mod == "TFC") picture = "tfc\\" + picture;
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
