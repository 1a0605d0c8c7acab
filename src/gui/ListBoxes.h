// Moving a list model (ListOf) into a list box and its selection back: the
// windows keep their lists as values and let the list operations work on
// those, then show the result.
#pragma once

#include <QListWidget>
#include <QSignalBlocker>
#include <QString>
#include <functional>

#include "services/ListOf.h"

namespace orvane {

template <typename T>
void ShowList(QListWidget* box, const ListOf<T>& list,
              const std::function<QString(const T&)>& line) {
  const QSignalBlocker block(box);
  box->setUpdatesEnabled(false);
  box->clear();
  QStringList lines;
  lines.reserve(list.size());
  for (const T& item : list.items) lines << line(item);
  box->addItems(lines);
  for (size_t i = 0; i < list.items.size() && i < list.selected.size(); ++i) {
    if (list.selected[i]) box->item(static_cast<int>(i))->setSelected(true);
  }
  if (list.current >= 0 && list.current < list.size()) {
    box->setCurrentRow(list.current, QItemSelectionModel::NoUpdate);
  }
  box->setUpdatesEnabled(true);
}

// The list box's selection and current line into the model.
template <typename T>
void TakeSelection(const QListWidget* box, ListOf<T>& list) {
  list.selected.assign(list.items.size(), false);
  for (int i = 0; i < box->count() && i < list.size(); ++i) {
    list.selected[static_cast<size_t>(i)] = box->item(i)->isSelected();
  }
  list.current = box->currentRow() < list.size() ? box->currentRow() : -1;
}

}  // namespace orvane
