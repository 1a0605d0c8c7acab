#include "gui/widgets/Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QWidget>

// Outside any namespace, as Qt requires.
static void InitPictures() { Q_INIT_RESOURCE(pictures); }

namespace orvane {

QFont LauncherFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  return font;
}

void ApplyLauncherLook(QWidget* window) {
  QPalette p = window->palette();
  p.setColor(QPalette::Window, kLauncherColour);
  p.setColor(QPalette::Button, kLauncherColour);
  // Qt's default grey for disabled text all but vanishes on the launcher's
  // blue; a dark slate stays readable and still reads as "not now".
  const QColor disabled(72, 82, 104);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    p.setColor(QPalette::Disabled, role, disabled);
  }
  window->setPalette(p);
  window->setAutoFillBackground(true);
  window->setFont(LauncherFont());
}

QPixmap Picture(const QString& name, int side) { return Picture(name, side, side); }

QPixmap Picture(const QString& name, int width, int height) {
  static const bool loaded = (InitPictures(), true);
  (void)loaded;
  // Drawing a picture (its text shaped, its shapes filled) costs more than
  // the rest of a window's controls; each size of each is drawn once.
  const qreal ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
  const QString key =
      QStringLiteral("orvane:%1:%2x%3@%4").arg(name).arg(width).arg(height).arg(ratio);
  if (QPixmap cached; QPixmapCache::find(key, &cached)) return cached;
  QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
  if (!renderer.isValid()) return {};
  QPixmap pixmap(qRound(width * ratio), qRound(height * ratio));
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  pixmap.setDevicePixelRatio(ratio);
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

}  // namespace orvane
