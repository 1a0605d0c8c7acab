#include "services/OptionTable.h"

namespace orvane {

std::vector<std::string> OptionInfo::Names() const {
  const std::string_view all = name;
  const size_t bar = all.find('|');
  if (bar == std::string_view::npos) return {std::string(all)};
  return {std::string(all.substr(0, bar)), std::string(all.substr(bar + 1))};
}

OptionValues::OptionValues(std::vector<OptionInfo> rows)
    : rows_(std::move(rows)), values_(rows_.size(), 0) {
  Reset();
}

void OptionValues::Set(size_t row, int value) {
  values_[row] = std::clamp(value, rows_[row].lo, rows_[row].hi);
}

void OptionValues::Reset() {
  for (size_t i = 0; i < rows_.size(); ++i) Set(i, rows_[i].reset);
}

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
