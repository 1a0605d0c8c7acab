// Small pieces the parts of a mod's window share: game text for Qt, filling a
// control without reporting a change, and the small tool buttons.
#pragma once

#include <QSignalBlocker>
#include <QString>
#include <QToolButton>
#include <string_view>

#include "gui/widgets/GameText.h"

namespace orvane {

inline QString Q(std::string_view text) { return FromGame(text); }

// Sets a control from the document without reporting it as a change.
template <typename Widget, typename Set>
void Quietly(Widget* widget, Set set) {
  const QSignalBlocker block(widget);
  set(widget);
}

inline QToolButton* SmallButton(const QString& name, const QString& caption, const QString& hint,
                                QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(caption);
  button->setToolTip(hint);
  return button;
}

}  // namespace orvane
