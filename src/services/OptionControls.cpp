#include "services/OptionControls.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvane {
namespace {

// A slider with its marks written under it, left to right.
QWidget* SliderWithMarks(QSlider* slider, const QString& marks, QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(slider);
  if (!marks.isEmpty()) {
    auto* row = new QHBoxLayout;
    const QStringList words = marks.split('|');
    for (int i = 0; i < words.size(); ++i) {
      auto* mark = new QLabel(words[i], box);
      mark->setAlignment(i == 0 ? Qt::AlignLeft
                                : (i == words.size() - 1 ? Qt::AlignRight : Qt::AlignHCenter));
      row->addWidget(mark);
    }
    layout->addLayout(row);
  }
  return box;
}

}  // namespace

OptionControls::OptionControls(QWidget* page, std::vector<Spec> specs,
                               std::function<void()> changed)
    : specs_(std::move(specs)) {
  auto* page_layout = qobject_cast<QBoxLayout*>(page->layout());
  controls_.resize(specs_.size());
  for (size_t i = 0; i < specs_.size(); ++i) {
    const Spec& s = specs_[i];
    Control& c = controls_[i];
    QWidget* parent = page;
    QFormLayout* form = nullptr;
    if (!s.group.isEmpty()) {
      auto [it, added] = groups_.try_emplace(s.group, nullptr);
      if (added) {
        it->second = new QGroupBox(s.group, page);
        new QFormLayout(it->second);
        if (page_layout != nullptr) page_layout->addWidget(it->second);
      }
      parent = it->second;
      form = qobject_cast<QFormLayout*>(parent->layout());
    }
    auto add = [&](const QString& caption, QWidget* widget) {
      if (form != nullptr) {
        if (caption.isEmpty()) {
          form->addRow(widget);
        } else {
          form->addRow(caption, widget);
        }
      } else if (page_layout != nullptr) {
        page_layout->addWidget(widget);
      }
    };
    switch (s.kind) {
      case OptionKind::kCheck: {
        auto* box = new QCheckBox(s.caption, parent);
        box->setObjectName(s.name);
        box->setToolTip(s.hint);
        QObject::connect(box, &QCheckBox::toggled, box, [changed] { changed(); });
        c.check = box;
        add(QString(), box);
        break;
      }
      case OptionKind::kRadioPair: {
        const QStringList names = s.name.split('|');
        const QStringList captions = s.caption.split('|');
        auto* row = new QWidget(parent);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* group = new QButtonGroup(row);  // exclusive within the pair only
        QRadioButton* radios[2];
        for (int k = 0; k < 2; ++k) {
          radios[k] = new QRadioButton(captions.value(k), row);
          radios[k]->setObjectName(names.value(k));
          radios[k]->setToolTip(s.hint);
          group->addButton(radios[k]);
          layout->addWidget(radios[k]);
          QObject::connect(radios[k], &QRadioButton::clicked, radios[k], [changed] { changed(); });
        }
        c.check = radios[0];
        c.second = radios[1];
        add(QString(), row);
        break;
      }
      case OptionKind::kSpin: {
        auto* spin = new QSpinBox(parent);
        spin->setObjectName(s.name);
        spin->setRange(s.lo, s.hi);
        spin->setToolTip(s.hint);
        QObject::connect(spin, &QSpinBox::valueChanged, spin, [changed] { changed(); });
        c.spin = spin;
        add(s.caption, spin);
        break;
      }
      case OptionKind::kSlider: {
        auto* slider = new QSlider(Qt::Horizontal, parent);
        slider->setObjectName(s.name);
        slider->setRange(s.lo, s.hi);
        slider->setPageStep(1);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setToolTip(s.hint);
        QObject::connect(slider, &QSlider::valueChanged, slider, [changed] { changed(); });
        c.slider = slider;
        add(s.caption, SliderWithMarks(slider, s.marks, parent));
        break;
      }
    }
  }
}

void OptionControls::Reset() {
  for (size_t i = 0; i < specs_.size(); ++i) SetValue(i, specs_[i].reset);
}

int OptionControls::Value(size_t row) const {
  const Control& c = controls_[row];
  switch (specs_[row].kind) {
    case OptionKind::kCheck:
      return c.check->isChecked() ? 1 : 0;
    case OptionKind::kRadioPair:
      return c.second->isChecked() ? 1 : 0;
    case OptionKind::kSpin:
      return c.spin->value();
    case OptionKind::kSlider:
      return c.slider->value();
  }
  return 0;
}

void OptionControls::SetValue(size_t row, int value) {
  const Control& c = controls_[row];
  switch (specs_[row].kind) {
    case OptionKind::kCheck:
      c.check->setChecked(value != 0);
      break;
    case OptionKind::kRadioPair:
      (value != 0 ? c.second : c.check)->setChecked(true);
      break;
    case OptionKind::kSpin:
      c.spin->setValue(value);  // a stored value out of range is clamped, as the spin edit does
      break;
    case OptionKind::kSlider:
      c.slider->setValue(value);
      break;
  }
}

QGroupBox* OptionControls::Group(const QString& caption) const {
  const auto it = groups_.find(caption);
  return it != groups_.end() ? it->second : nullptr;
}

}  // namespace orvane
