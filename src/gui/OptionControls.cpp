#include "gui/OptionControls.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

#include "gui/widgets/GameText.h"
#include "gui/widgets/MarkedSlider.h"

namespace orvane {
namespace {

QString Text(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

}  // namespace

OptionControls::OptionControls(QWidget* page, OptionValues& table, Hooks hooks, int check_columns)
    : table_(table), hooks_(std::move(hooks)) {
  QGridLayout* checks = nullptr;  // the row of check boxes being filled
  QFormLayout* checks_form = nullptr;
  int checks_in_row = 0;
  auto* page_layout = qobject_cast<QBoxLayout*>(page->layout());
  const std::vector<OptionInfo>& rows = table_.rows();
  controls_.resize(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    const OptionInfo& s = rows[i];
    Control& c = controls_[i];
    QWidget* parent = page;
    QFormLayout* form = nullptr;
    if (!s.group.empty()) {
      auto [it, added] = groups_.try_emplace(Text(s.group), nullptr);
      if (added) {
        it->second = new QGroupBox(Text(s.group), page);
        auto* form_layout = new QFormLayout(it->second);
        form_layout->setVerticalSpacing(3);  // the bots page also holds the roster
        if (page_layout != nullptr) page_layout->addWidget(it->second);
      }
      parent = it->second;
      form = qobject_cast<QFormLayout*>(parent->layout());
    }
    auto add = [&](const QString& caption, QWidget* widget) {
      c.placed = widget;
      if (!caption.isEmpty()) {
        c.label = new QLabel(caption, parent);
        if (!s.label.empty()) c.label->setObjectName(Text(s.label));
      }
      if (form != nullptr) {
        if (c.label == nullptr) {
          form->addRow(widget);
        } else {
          form->addRow(c.label, widget);
        }
      } else if (page_layout != nullptr) {
        if (c.label != nullptr) page_layout->addWidget(c.label);
        page_layout->addWidget(widget);
      }
    };
    auto report = [this, i] { Changed(i); };
    if (s.kind != OptionKind::kCheck) checks = nullptr;
    switch (s.kind) {
      case OptionKind::kCheck: {
        auto* box = new QCheckBox(Text(s.caption), parent);
        box->setObjectName(Text(s.name));
        box->setToolTip(Text(s.hint));
        QObject::connect(box, &QCheckBox::toggled, box, report);
        c.check = box;
        if (check_columns > 1 && form != nullptr) {
          c.placed = box;
          if (checks == nullptr || checks_form != form || checks_in_row == check_columns) {
            auto* row = new QWidget(parent);
            checks = new QGridLayout(row);
            checks->setContentsMargins(0, 0, 0, 0);
            checks->setVerticalSpacing(0);
            checks_form = form;
            checks_in_row = 0;
            form->addRow(row);
          }
          checks->addWidget(box, 0, checks_in_row++);
          continue;
        }
        add(QString(), box);
        break;
      }
      case OptionKind::kRadioPair: {
        const std::vector<std::string> names = s.Names();
        const QStringList captions = Text(s.caption).split('|');
        auto* row = new QWidget(parent);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* group = new QButtonGroup(row);  // exclusive within the pair only
        QRadioButton* radios[2];
        for (size_t k = 0; k < 2; ++k) {
          radios[k] = new QRadioButton(captions.value(static_cast<int>(k)), row);
          radios[k]->setObjectName(Text(names[k]));
          radios[k]->setToolTip(Text(s.hint));
          group->addButton(radios[k]);
          layout->addWidget(radios[k]);
          QObject::connect(radios[k], &QRadioButton::toggled, radios[k], report);
        }
        c.check = radios[0];
        c.second = radios[1];
        add(QString(), row);
        break;
      }
      case OptionKind::kSpin: {
        auto* spin = new QSpinBox(parent);
        spin->setObjectName(Text(s.name));
        spin->setRange(s.lo, s.hi);
        spin->setToolTip(Text(s.hint));
        if (!s.typed) spin->findChild<QLineEdit*>()->setReadOnly(true);  // arrows only
        QObject::connect(spin, &QSpinBox::valueChanged, spin, report);
        c.spin = spin;
        add(Text(s.caption), spin);
        break;
      }
      case OptionKind::kSlider: {
        const MarkedSlider marked = MakeMarkedSlider(s.lo, s.hi, Text(s.marks), parent);
        marked.slider->setObjectName(Text(s.name));
        marked.slider->setToolTip(Text(s.hint));
        QObject::connect(marked.slider, &QSlider::valueChanged, marked.slider, report);
        c.slider = marked.slider;
        if (std::count(s.marks.begin(), s.marks.end(), '|') >= 3 && form != nullptr) {
          // Four marks and more need the group's whole width.
          c.label = new QLabel(Text(s.caption), parent);
          if (!s.label.empty()) c.label->setObjectName(Text(s.label));
          form->addRow(c.label);
          form->addRow(marked.box);
          c.placed = marked.box;
          break;
        }
        add(Text(s.caption), marked.box);
        break;
      }
      case OptionKind::kChoice: {
        auto* box = new QComboBox(parent);
        box->setObjectName(Text(s.name));
        box->setToolTip(Text(s.hint));
        // A drop-down that may hold no choice offers an empty line first.
        if (s.lo < 0) box->addItem(QString());
        for (const std::string& item : s.items) box->addItem(FromGame(item));
        QObject::connect(box, &QComboBox::currentIndexChanged, box, report);
        c.choice = box;
        add(Text(s.caption), box);
        break;
      }
      case OptionKind::kText: {
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(Text(s.name));
        edit->setToolTip(Text(s.hint));
        if (s.hi > 0) edit->setMaxLength(s.hi);
        QObject::connect(edit, &QLineEdit::textEdited, edit, report);
        c.edit = edit;
        QWidget* placed = edit;
        if (!s.browse_filter.empty()) {
          placed = new QWidget(parent);
          auto* layout = new QHBoxLayout(placed);
          layout->setContentsMargins(0, 0, 0, 0);
          edit->setParent(placed);
          layout->addWidget(edit, 1);
          auto* button = new QToolButton(placed);
          button->setObjectName(Text(s.name) + QStringLiteral("Browse"));
          button->setText(QStringLiteral("..."));
          button->setToolTip(QStringLiteral("Choose the file"));
          layout->addWidget(button);
          QObject::connect(button, &QToolButton::clicked, edit, [this, i] {
            if (!hooks_.browse) return;
            const std::optional<std::string> chosen = hooks_.browse(table_.rows()[i]);
            if (!chosen) return;
            controls_[i].edit->setText(FromGame(*chosen));
            Changed(i);
          });
        }
        add(Text(s.caption), placed);
        break;
      }
    }
  }
}

int OptionControls::Value(size_t row) const {
  const Control& c = controls_[row];
  switch (table_.rows()[row].kind) {
    case OptionKind::kCheck:
      return c.check->isChecked() ? 1 : 0;
    case OptionKind::kRadioPair:
      return c.second->isChecked() ? 1 : 0;
    case OptionKind::kSpin:
      return c.spin->value();
    case OptionKind::kSlider:
      return c.slider->value();
    case OptionKind::kChoice:
      return table_.rows()[row].lo < 0 ? c.choice->currentIndex() - 1 : c.choice->currentIndex();
    case OptionKind::kText:
      return 0;
  }
  return 0;
}

void OptionControls::Changed(size_t row) {
  if (table_.rows()[row].kind == OptionKind::kText) {
    table_.SetText(row, ToGame(controls_[row].edit->text()));
  } else {
    table_.Set(row, Value(row));
  }
  ShowHint(row);
  if (hooks_.changed) hooks_.changed(table_.rows()[row].Names().front());
}

void OptionControls::ShowHint(size_t row) {
  const OptionInfo& info = table_.rows()[row];
  const int index = table_.value(row);
  if (info.kind != OptionKind::kChoice || info.item_hints.empty()) return;
  const QString hint = index >= 0 && static_cast<size_t>(index) < info.item_hints.size()
                           ? Text(info.item_hints[static_cast<size_t>(index)])
                           : Text(info.hint);
  controls_[row].choice->setToolTip(hint);
}

void OptionControls::Show() {
  for (size_t row = 0; row < controls_.size(); ++row) {
    const Control& c = controls_[row];
    const int value = table_.value(row);
    std::vector<QSignalBlocker> blocks;
    for (QObject* control : {static_cast<QObject*>(c.check), static_cast<QObject*>(c.second),
                             static_cast<QObject*>(c.spin), static_cast<QObject*>(c.slider),
                             static_cast<QObject*>(c.choice), static_cast<QObject*>(c.edit)}) {
      if (control != nullptr) blocks.emplace_back(control);
    }
    switch (table_.rows()[row].kind) {
      case OptionKind::kCheck:
        c.check->setChecked(value != 0);
        break;
      case OptionKind::kRadioPair:
        (value != 0 ? c.second : c.check)->setChecked(true);
        break;
      case OptionKind::kSpin:
        c.spin->setValue(value);
        break;
      case OptionKind::kSlider:
        c.slider->setValue(value);
        break;
      case OptionKind::kChoice:
        c.choice->setCurrentIndex(table_.rows()[row].lo < 0 ? value + 1 : value);
        break;
      case OptionKind::kText:
        if (ToGame(c.edit->text()) != table_.text(row)) c.edit->setText(FromGame(table_.text(row)));
        break;
    }
    ShowHint(row);
  }
  ShowStates();
}

void OptionControls::ShowStates() {
  if (!hooks_.state) return;
  for (size_t row = 0; row < controls_.size(); ++row) {
    const Control& c = controls_[row];
    const ControlState now = hooks_.state(table_.rows()[row].Names().front());
    if (c.placed != nullptr) {
      c.placed->setEnabled(now.enabled);
      c.placed->setVisible(now.visible);
    }
    if (c.label != nullptr) {
      c.label->setEnabled(now.enabled);
      c.label->setVisible(now.visible || now.caption_stays);
    }
  }
  // A group whose every row is hidden (options of another bot) goes too, frame and all.
  for (const auto& [caption, box] : groups_) {
    bool shown = false;
    for (size_t row = 0; row < controls_.size() && !shown; ++row) {
      if (Text(table_.rows()[row].group) != caption) continue;
      const Control& c = controls_[row];
      shown = (c.placed != nullptr && !c.placed->isHidden()) ||
              (c.label != nullptr && !c.label->isHidden());
    }
    box->setVisible(shown);
  }
}

QGroupBox* OptionControls::Group(const QString& caption) const {
  const auto it = groups_.find(caption);
  return it != groups_.end() ? it->second : nullptr;
}

}  // namespace orvane
