#include "gui/widgets/ButtonWithColor.h"

#include <QPalette>

#include "gui/widgets/Pictures.h"

namespace orvane {

TBitBtnWithColor::TBitBtnWithColor(QWidget* parent) : TBitBtnWithColor(QString(), parent) {}

TBitBtnWithColor::TBitBtnWithColor(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
  SetColor(kLauncherColour);
}

void TBitBtnWithColor::SetColor(const QColor& color) {
  color_ = color;
  QPalette p = palette();
  p.setColor(QPalette::Button, color);
  setPalette(p);
}

void TBitBtnWithColor::SetPicture(const QString& name, int side) {
  setIcon(QIcon(Picture(name, side)));
  setIconSize(QSize(side, side));
}

}  // namespace orvane
