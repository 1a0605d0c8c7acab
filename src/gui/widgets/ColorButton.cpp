#include "gui/widgets/ColorButton.h"

#include <QPalette>

#include "gui/widgets/Pictures.h"

namespace orvane {

ColorButton::ColorButton(QWidget* parent) : ColorButton(QString(), parent) {}

ColorButton::ColorButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  SetColor(kLauncherColour);
}

void ColorButton::SetColor(const QColor& color) {
  color_ = color;
  QPalette p = palette();
  p.setColor(QPalette::Button, color);
  setPalette(p);
}

void ColorButton::SetPicture(const QString& name, int side) {
  setIcon(QIcon(Picture(name, side)));
  setIconSize(QSize(side, side));
}

}  // namespace orvane
