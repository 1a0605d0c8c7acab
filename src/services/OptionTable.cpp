#include "services/OptionTable.h"

#include <algorithm>

namespace orvane {

std::vector<std::string> OptionInfo::Names() const {
  std::vector<std::string> names;
  size_t start = 0;
  while (true) {
    const size_t bar = name.find('|', start);
    names.push_back(name.substr(start, bar - start));
    if (bar == std::string::npos) return names;
    start = bar + 1;
  }
}

OptionInfo OptionInfo::WithLabel(std::string object_name) const {
  OptionInfo row = *this;
  row.label = std::move(object_name);
  return row;
}

OptionInfo OptionInfo::Browse(std::string dir, std::string filter) const {
  OptionInfo row = *this;
  row.browse_dir = std::move(dir);
  row.browse_filter = std::move(filter);
  return row;
}

OptionInfo OptionInfo::KeptOnReset() const {
  OptionInfo row = *this;
  row.kept_on_reset = true;
  return row;
}

OptionInfo OptionInfo::OnPage(std::string tab_caption, std::string object_name) const {
  OptionInfo row = *this;
  row.page = std::move(tab_caption);
  row.page_name = std::move(object_name);
  return row;
}

OptionInfo CheckRow(std::string name, std::string caption, std::string group, bool reset,
                    std::string hint) {
  return {OptionKind::kCheck, std::move(name), std::move(caption), std::move(group), 0, 1,
          reset ? 1 : 0,      std::move(hint)};
}

OptionInfo SpinRow(std::string name, std::string caption, std::string group, int lo, int hi,
                   int reset, std::string hint) {
  return {OptionKind::kSpin, std::move(name), std::move(caption), std::move(group), lo, hi, reset,
          std::move(hint)};
}

OptionInfo SliderRow(std::string name, std::string caption, std::string group, int lo, int hi,
                     int reset, std::string hint, std::string marks) {
  return {OptionKind::kSlider, std::move(name), std::move(caption), std::move(group), lo, hi, reset,
          std::move(hint),     std::move(marks)};
}

OptionInfo RadioRow(std::string names, std::string captions, std::string group, int reset,
                    std::string hint) {
  const int buttons = static_cast<int>(std::count(names.begin(), names.end(), '|')) + 1;
  return {OptionKind::kRadios,
          std::move(names),
          std::move(captions),
          std::move(group),
          reset < 0 ? -1 : 0,
          buttons - 1,
          reset,
          std::move(hint)};
}

OptionInfo ChoiceRow(std::string name, std::string caption, std::string group,
                     std::vector<std::string> items, int reset, std::string hint) {
  OptionInfo row{OptionKind::kChoice,
                 std::move(name),
                 std::move(caption),
                 std::move(group),
                 reset < 0 ? -1 : 0,  // a reset to no item: no item may be chosen
                 static_cast<int>(items.size()) - 1,
                 reset,
                 std::move(hint)};
  row.items = std::move(items);
  return row;
}

OptionInfo TextRow(std::string name, std::string caption, std::string group, std::string reset_text,
                   int max_length, std::string hint) {
  OptionInfo row{
      OptionKind::kText, std::move(name), std::move(caption), std::move(group), 0, max_length, 0,
      std::move(hint)};
  row.reset_text = std::move(reset_text);
  return row;
}

OptionInfo ChoiceIndexRow(std::string name, std::string caption, std::string group,
                          std::vector<std::string> items, int reset, std::string hint) {
  OptionInfo row = ChoiceRow(std::move(name), std::move(caption), std::move(group),
                             std::move(items), reset, std::move(hint));
  row.keeps_index = true;
  return row;
}

OptionValues::OptionValues(std::vector<OptionInfo> rows)
    : rows_(std::move(rows)), values_(rows_.size(), 0), texts_(rows_.size()) {
  for (size_t i = 0; i < rows_.size(); ++i) {
    Set(i, rows_[i].reset);
    SetText(i, rows_[i].reset_text);
  }
}

void OptionValues::Set(size_t row, int value) {
  const OptionInfo& info = rows_[row];
  // A value that is no button's checks none, where none may be checked; a
  // kept index that is no item's chooses none (a bot file's may be anything).
  const bool none_for_others =
      (info.kind == OptionKind::kRadios && info.lo < 0) || info.keeps_index;
  if (none_for_others && (value < 0 || value > info.hi)) {
    values_[row] = -1;
    return;
  }
  values_[row] = std::clamp(value, info.lo, info.hi);
}

void OptionValues::SetText(size_t row, std::string text) {
  const OptionInfo& info = rows_[row];
  if (info.kind == OptionKind::kText && info.hi > 0 && text.size() > static_cast<size_t>(info.hi))
    text.resize(static_cast<size_t>(info.hi));
  texts_[row] = std::move(text);
}

std::string OptionValues::ItemText(size_t row) const {
  const int index = values_[row];
  const std::vector<std::string>& items = rows_[row].items;
  return index >= 0 && static_cast<size_t>(index) < items.size() ? items[static_cast<size_t>(index)]
                                                                 : std::string();
}

void OptionValues::SetItemText(size_t row, std::string_view item) {
  const std::vector<std::string>& items = rows_[row].items;
  const auto it = std::find(items.begin(), items.end(), item);
  values_[row] = it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

std::string OptionValues::Shown(size_t row) const {
  switch (rows_[row].kind) {
    case OptionKind::kText:
      return texts_[row];
    case OptionKind::kChoice:
      return ItemText(row);
    default:
      return std::to_string(values_[row]);
  }
}

void OptionValues::Reset() {
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].kept_on_reset) continue;
    Set(i, rows_[i].reset);
    SetText(i, rows_[i].reset_text);
  }
}

size_t OptionValues::RowOf(std::string_view control) const { return Find(control)->row; }

std::optional<OptionValues::Found> OptionValues::Find(std::string_view control) const {
  for (size_t i = 0; i < rows_.size(); ++i) {
    const std::vector<std::string> names = rows_[i].Names();
    for (size_t k = 0; k < names.size(); ++k) {
      if (names[k] == control) return Found{i, static_cast<int>(k)};
    }
  }
  return std::nullopt;
}

}  // namespace orvane
