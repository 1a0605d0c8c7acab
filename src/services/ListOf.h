// A multi-select list box as values: its lines, which are selected, and the
// current line. The map lists hold names; the roster holds bot records. The
// operations that both windows share (remove the selected lines, move the
// current one) are written once here.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

namespace orvane {

template <typename T>
struct ListOf {
  std::vector<T> items;
  std::vector<bool> selected;  // same size as items
  int current = -1;

  void Append(T item) {
    items.push_back(std::move(item));
    selected.push_back(false);
  }
  // Every line at once, none selected: a load hands its list over whole.
  void Assign(std::vector<T> all) {
    items = std::move(all);
    selected.assign(items.size(), false);
    current = -1;
  }
  void Clear() {
    items.clear();
    selected.clear();
    current = -1;
  }
  int size() const { return static_cast<int>(items.size()); }
  // The one current line, selected alone.
  void SelectOnly(int index) {
    selected.assign(items.size(), false);
    current = index;
    if (index >= 0 && index < size()) selected[static_cast<size_t>(index)] = true;
  }
};

// Removes the selected lines as deleting them one by one from the top does:
// the current line ends where the last removal happened (or on the new last
// line) and is selected. False when nothing was selected.
template <typename T>
bool RemoveSelected(ListOf<T>& list) {
  size_t kept = 0;
  long last_removed_at = -1;
  for (size_t i = 0; i < list.items.size(); ++i) {
    if (list.selected[i]) {
      last_removed_at = static_cast<long>(kept);
      continue;
    }
    if (kept != i) list.items[kept] = std::move(list.items[i]);
    ++kept;
  }
  list.items.resize(kept);
  list.selected.assign(kept, false);
  if (last_removed_at < 0) {
    if (list.current >= static_cast<int>(kept)) list.current = static_cast<int>(kept) - 1;
  } else {
    list.current = static_cast<int>(std::min<long>(last_removed_at, static_cast<long>(kept) - 1));
  }
  if (list.current >= 0) list.selected[static_cast<size_t>(list.current)] = true;
  return last_removed_at >= 0;
}

// Moves the current line one place (step -1 up, +1 down); false, with no
// change at all, when there is no current line or it is already at that end.
template <typename T>
bool MoveCurrent(ListOf<T>& list, int step) {
  const int target = list.current + step;
  if (list.current < 0 || target < 0 || target >= list.size()) return false;
  std::swap(list.items[static_cast<size_t>(list.current)], list.items[static_cast<size_t>(target)]);
  list.SelectOnly(target);
  return true;
}

}  // namespace orvane
