#include "gui/OptionControls.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/widgets/MarkedSlider.h"

namespace orvane {

OptionControls::OptionControls(QWidget* page, std::vector<Row> rows, std::function<void()> changed)
    : rows_(std::move(rows)) {
  auto* page_layout = qobject_cast<QBoxLayout*>(page->layout());
  controls_.resize(rows_.size());
  for (size_t i = 0; i < rows_.size(); ++i) {
    const Row& s = rows_[i];
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
        const MarkedSlider marked = MakeMarkedSlider(s.lo, s.hi, s.marks, parent);
        marked.slider->setObjectName(s.name);
        marked.slider->setToolTip(s.hint);
        QObject::connect(marked.slider, &QSlider::valueChanged, marked.slider,
                         [changed] { changed(); });
        c.slider = marked.slider;
        add(s.caption, marked.box);
        break;
      }
    }
  }
}

void OptionControls::Reset() {
  for (size_t i = 0; i < rows_.size(); ++i) SetValue(i, rows_[i].reset);
}

int OptionControls::Value(size_t row) const {
  const Control& c = controls_[row];
  switch (rows_[row].kind) {
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
  switch (rows_[row].kind) {
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
