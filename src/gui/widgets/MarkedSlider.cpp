#include "gui/widgets/MarkedSlider.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

namespace orvane {

MarkedSlider MakeMarkedSlider(int lo, int hi, const QString& marks, QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* slider = new QSlider(Qt::Horizontal, box);
  slider->setRange(lo, hi);
  slider->setPageStep(1);
  slider->setTickPosition(QSlider::TicksBelow);
  layout->addWidget(slider);
  const QStringList words = marks.split('|', Qt::SkipEmptyParts);
  if (!words.isEmpty()) {
    auto* row = new QHBoxLayout;
    for (int i = 0; i < words.size(); ++i) {
      auto* mark = new QLabel(words[i], box);
      mark->setAlignment(i == 0 ? Qt::AlignLeft
                                : (i == words.size() - 1 ? Qt::AlignRight : Qt::AlignHCenter));
      row->addWidget(mark);
    }
    layout->addLayout(row);
  }
  return {slider, box};
}

}  // namespace orvane
