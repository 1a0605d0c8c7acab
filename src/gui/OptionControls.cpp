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
#include <QTabWidget>
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

OptionControls::OptionControls(QWidget* page, OptionValues& table, Hooks hooks, OptionLayout layout)
    : table_(table), hooks_(std::move(hooks)) {
  const int check_columns = layout.check_columns;
  QGridLayout* checks = nullptr;  // the row of check boxes being filled
  QFormLayout* checks_form = nullptr;
  int checks_in_row = 0;
  auto* page_layout = qobject_cast<QBoxLayout*>(page->layout());
  auto* page_form = qobject_cast<QFormLayout*>(page->layout());
  QTabWidget* sub_pages = nullptr;
  std::map<std::string, QFormLayout*> sub_page_forms;
  const std::vector<OptionInfo>& rows = table_.rows();
  controls_.resize(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    const OptionInfo& s = rows[i];
    Control& c = controls_[i];
    QWidget* parent = page;
    QFormLayout* form = page_form;
    if (!s.page.empty()) {
      if (sub_pages == nullptr) {
        sub_pages = new QTabWidget(page);
        if (page_form != nullptr) page_form->addRow(sub_pages);
        if (page_layout != nullptr) page_layout->addWidget(sub_pages);
      }
      QFormLayout*& sub_form = sub_page_forms[s.page];
      if (sub_form == nullptr) {
        auto* sub_page = new QWidget(sub_pages);
        sub_page->setObjectName(Text(s.page_name));
        sub_form = new QFormLayout(sub_page);
        sub_form->setVerticalSpacing(3);
        // A tab is narrow: a caption that does not fit beside its control goes above it.
        sub_form->setRowWrapPolicy(QFormLayout::WrapLongRows);
        sub_pages->addTab(sub_page, Text(s.page));
        if (first_sub_page_ == nullptr) first_sub_page_ = sub_form;
      }
      form = sub_form;
      parent = sub_form->parentWidget();
    } else if (!s.group.empty()) {
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
      case OptionKind::kRadios: {
        const std::vector<std::string> names = s.Names();
        const QStringList captions = Text(s.caption).split('|');
        auto* row = new QWidget(parent);
        auto* grid = new QGridLayout(row);
        grid->setContentsMargins(0, 0, 0, 0);
        auto* group = new QButtonGroup(row);  // exclusive within the row only
        // All on one line when the captions are short, else two a line.
        const int count = static_cast<int>(names.size());
        const int per_line = captions.join(QString()).size() <= 20 ? count : 2;
        for (int k = 0; k < count; ++k) {
          auto* radio = new QRadioButton(captions.value(k), row);
          radio->setObjectName(Text(names[static_cast<size_t>(k)]));
          radio->setToolTip(Text(s.hint));
          radio->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
          group->addButton(radio, k);
          grid->addWidget(radio, k / per_line, k % per_line, Qt::AlignLeft);
          // The button turned on reports the change; the one turned off follows it.
          QObject::connect(radio, &QRadioButton::toggled, radio, [report](bool on) {
            if (on) report();
          });
          c.radios.push_back(radio);
        }
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
        const bool above = layout.slider_caption_above.value_or(
            std::count(s.marks.begin(), s.marks.end(), '|') >= 3);  // four marks and more
        if (above && form != nullptr) {
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
        if (layout.narrow_choices) {
          box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
          box->setMinimumContentsLength(12);
        }
        QObject::connect(box, &QComboBox::currentIndexChanged, box, report);
        c.choice = box;
        add(Text(s.caption), box);
        break;
      }
      case OptionKind::kText: {
        auto* edit = new QLineEdit(parent);
        edit->setValidator(new GameTextValidator(edit));
        edit->setObjectName(Text(s.name));
        edit->setToolTip(Text(s.hint));
        if (s.hi > 0) edit->setMaxLength(s.hi);
        QObject::connect(edit, &QLineEdit::textEdited, edit, report);
        c.edit = edit;
        QWidget* placed = edit;
        if (!s.browse_filter.empty()) {
          placed = new QWidget(parent);
          auto* row_layout = new QHBoxLayout(placed);
          row_layout->setContentsMargins(0, 0, 0, 0);
          edit->setParent(placed);
          row_layout->addWidget(edit, 1);
          auto* button = new QToolButton(placed);
          button->setObjectName(Text(s.name) + QStringLiteral("Browse"));
          button->setText(QStringLiteral("..."));
          button->setToolTip(QStringLiteral("Choose the file"));
          row_layout->addWidget(button);
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
    case OptionKind::kRadios:
      for (size_t k = 0; k < c.radios.size(); ++k) {
        if (c.radios[k]->isChecked()) return static_cast<int>(k);
      }
      return -1;
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
    for (QObject* control : {static_cast<QObject*>(c.check), static_cast<QObject*>(c.spin),
                             static_cast<QObject*>(c.slider), static_cast<QObject*>(c.choice),
                             static_cast<QObject*>(c.edit)}) {
      if (control != nullptr) blocks.emplace_back(control);
    }
    for (QAbstractButton* radio : c.radios) blocks.emplace_back(radio);
    switch (table_.rows()[row].kind) {
      case OptionKind::kCheck:
        c.check->setChecked(value != 0);
        break;
      case OptionKind::kRadios: {
        // None checked is a state an exclusive group cannot be put into.
        QButtonGroup* group = c.radios.front()->group();
        group->setExclusive(false);
        for (size_t k = 0; k < c.radios.size(); ++k)
          c.radios[k]->setChecked(value == static_cast<int>(k));
        group->setExclusive(true);
        break;
      }
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
