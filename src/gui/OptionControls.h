// A mod window's options as one table: each row names its control, caption,
// group, range, reset value, hint and the field of the mod's values that it
// shows. One routine builds the controls, resets them, and moves values
// between them and the mod's plain records, so no window handles its options
// one by one.
#pragma once

#include <QString>
#include <QWidget>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "platform/StringUtil.h"

class QAbstractButton;
class QFormLayout;
class QGroupBox;
class QSlider;
class QSpinBox;

namespace orvane {

enum class OptionKind {
  kCheck,      // a check box; value 0/1
  kSpin,       // a spin edit; value in lo..hi
  kSlider,     // a slider with marks; value in lo..hi
  kRadioPair,  // two radio buttons "name1|name2", "caption1|caption2"; value 1 = the second
};

template <typename Values>
using OptionField = std::variant<bool Values::*, int Values::*, std::string Values::*>;

template <typename Values>
struct OptionRow {
  OptionKind kind;
  const char* name;     // control object name(s)
  const char* caption;  // caption(s)
  const char* group;    // the group box that holds it ("" for none)
  int lo;
  int hi;
  int reset;
  const char* hint;
  OptionField<Values> field;
  const char* marks = "";  // slider marks from left to right, "|" separated
};

// The controls of one table, built into a page. Changes by the player (while
// the launcher's TrackChanges is 1) are reported through the callback.
class OptionControls {
 public:
  // A row without its field: what the controls need.
  struct Row {
    OptionKind kind;
    QString name;
    QString caption;
    QString group;
    int lo, hi, reset;
    QString hint;
    QString marks;
  };

  OptionControls(QWidget* page, std::vector<Row> rows, std::function<void()> changed);

  void Reset();
  int Value(size_t row) const;
  void SetValue(size_t row, int value);
  // The group box of that caption, created for the table (for pages that add
  // controls of their own beside the options).
  QGroupBox* Group(const QString& caption) const;

 private:
  struct Control {
    QAbstractButton* check = nullptr;   // kCheck, or the first radio
    QAbstractButton* second = nullptr;  // kRadioPair
    QSpinBox* spin = nullptr;
    QSlider* slider = nullptr;
  };
  std::vector<Row> rows_;
  std::vector<Control> controls_;
  std::map<QString, QGroupBox*> groups_;
};

// A table bound to one record type.
template <typename Values>
class OptionTable {
 public:
  OptionTable(QWidget* page, const std::vector<OptionRow<Values>>& rows,
              std::function<void()> changed)
      : rows_(rows), controls_(page, ControlRows(rows), std::move(changed)) {}

  void Reset() { controls_.Reset(); }

  void Fill(const Values& values) {
    for (size_t i = 0; i < rows_.size(); ++i) {
      std::visit([&](auto member) { controls_.SetValue(i, ToInt(values.*member)); },
                 rows_[i].field);
    }
  }

  void Collect(Values& values) const {
    for (size_t i = 0; i < rows_.size(); ++i) {
      const int value = controls_.Value(i);
      std::visit([&](auto member) { FromInt(values.*member, value); }, rows_[i].field);
    }
  }

  OptionControls& controls() { return controls_; }

 private:
  static std::vector<OptionControls::Row> ControlRows(const std::vector<OptionRow<Values>>& rows) {
    std::vector<OptionControls::Row> out;
    for (const OptionRow<Values>& r : rows) {
      out.push_back({r.kind, QString::fromLatin1(r.name), QString::fromLatin1(r.caption),
                     QString::fromLatin1(r.group), r.lo, r.hi, r.reset, QString::fromLatin1(r.hint),
                     QString::fromLatin1(r.marks)});
    }
    return out;
  }
  static int ToInt(bool v) { return v ? 1 : 0; }
  static int ToInt(int v) { return v; }
  // A stored number's text; the file routines have already checked it.
  static int ToInt(const std::string& v) { return ParseDecimalInt(v).value_or(0); }
  static void FromInt(bool& v, int value) { v = value != 0; }
  static void FromInt(int& v, int value) { v = value; }
  static void FromInt(std::string& v, int value) { v = std::to_string(value); }

  std::vector<OptionRow<Values>> rows_;
  OptionControls controls_;
};

}  // namespace orvane
