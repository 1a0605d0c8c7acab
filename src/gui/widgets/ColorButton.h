// ColorButton: a push button that carries a background colour and a
// picture, as every button of the launcher's dialogs does.
#pragma once

#include <QColor>
#include <QPushButton>

namespace orvane {

class ColorButton final : public QPushButton {
  Q_OBJECT

 public:
  explicit ColorButton(QWidget* parent = nullptr);
  ColorButton(const QString& caption, QWidget* parent = nullptr);

  void SetColor(const QColor& color);
  QColor color() const { return color_; }
  // A picture from the launcher's pictures (":/pictures/<name>.svg").
  void SetPicture(const QString& name, int side);

 private:
  QColor color_;
};

}  // namespace orvane
