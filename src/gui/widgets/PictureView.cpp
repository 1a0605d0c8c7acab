#include "gui/widgets/PictureView.h"

#include <QImage>
#include <QPixmap>

#include "platform/FileError.h"
#include "services/Picture.h"

namespace orvane {

PictureView::PictureView(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setWordWrap(true);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

bool PictureView::LoadFile(std::string_view path) {
  try {
    const RgbImage image = LoadPicture(path);
    const QImage frame(image.rgb.data(), image.width, image.height, image.width * 3,
                       QImage::Format_RGB888);
    problem_.clear();
    setToolTip(QString());
    setPixmap(QPixmap::fromImage(frame).scaled(contentsRect().size(), Qt::KeepAspectRatio,
                                               Qt::SmoothTransformation));
    return true;
  } catch (const FileError& e) {
    // A decorative picture is not worth a box: say what is wrong in its place.
    problem_ = QString::fromStdString(e.what());
    setPixmap(QPixmap());
    setText(QStringLiteral("No picture"));
    setToolTip(problem_);
    return false;
  }
}

void PictureView::Clear() {
  problem_.clear();
  setPixmap(QPixmap());
  setText(QString());
  setToolTip(QString());
}

}  // namespace orvane
