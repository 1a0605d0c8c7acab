// A picture control: shows a model picture file (JPEG or Windows bitmap,
// decoded by the launcher's own decoder) scaled into its box. A missing or
// broken file shows its name and the problem in the box instead.
#pragma once

#include <QLabel>
#include <string_view>

namespace orvane {

class PictureView final : public QLabel {
  Q_OBJECT

 public:
  explicit PictureView(QWidget* parent = nullptr);

  // path is built the game's way; true when the picture could be shown.
  bool LoadFile(std::string_view path);
  void Clear();
  const QString& problem() const { return problem_; }

 private:
  QString problem_;
};

}  // namespace orvane
