// The launcher's look: its colour, its font and its button pictures (SVG
// files compiled into the program, drawn by tools/make-pictures.py).
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QWidget;

namespace orvane {

inline const QColor kLauncherColour(147, 172, 210);

QFont LauncherFont();  // Arial, 13 pixels
// Background colour and font of a launcher window.
void ApplyLauncherLook(QWidget* window);
// The picture ":/pictures/<name>.svg" drawn side x side (for the screen's
// pixel ratio); a null pixmap when there is none of that name.
QPixmap Picture(const QString& name, int side);
QPixmap Picture(const QString& name, int width, int height);

}  // namespace orvane
