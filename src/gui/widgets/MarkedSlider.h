// A horizontal slider moved one step at a time, with its marks written
// under it from left to right ("Bad|Medium|Good").
#pragma once

#include <QSlider>
#include <QString>

namespace orvane {

// The slider, and the widget to place (the slider with its marks).
struct MarkedSlider {
  QSlider* slider;
  QWidget* box;
};

MarkedSlider MakeMarkedSlider(int lo, int hi, const QString& marks, QWidget* parent);

}  // namespace orvane
