// A mod's options as one table of facts: each row names its control, caption,
// group, range, reset value and hint, and the field of the mod's file record
// that it stands for. The settings document keeps one value per row; the
// window builds its controls from the same rows, and orvanectl finds them by
// the same names.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/StringUtil.h"

namespace orvane {

enum class OptionKind {
  kCheck,      // a check box; value 0/1
  kSpin,       // a spin edit; value in lo..hi
  kSlider,     // a slider with marks; value in lo..hi
  kRadioPair,  // two radio buttons "name1|name2", "caption1|caption2"; value 1 = the second
  kChoice,     // a drop-down list of fixed items; value the item's index, -1 for none
  kText,       // an edit box; its text (hi: the longest text, 0 for no limit)
};

struct OptionInfo {
  OptionKind kind;
  std::string name;     // control object name(s)
  std::string caption;  // caption(s)
  std::string group;    // the group box that holds it ("" for none)
  int lo;
  int hi;
  int reset;
  std::string hint;
  std::string marks = "";               // slider marks from left to right, "|" separated
  bool typed = true;                    // a spin edit the player may type into (else arrows only)
  std::vector<std::string> items = {};  // kChoice: its items, in order
  std::vector<std::string> item_hints = {};  // kChoice: the hint that follows the selection
  std::string reset_text = "";               // kText: the text after a reset
  std::string label = "";                    // the caption's own object name, when it has one
  std::string browse_dir = "";               // kText: a file button starting in ModDir\browse_dir
  // Its filter, "Caption|*.ext"; "directory" chooses a directory; "" for no button.
  std::string browse_filter = "";
  bool kept_on_reset = false;  // a reset leaves the value as it is

  // The control names of the row: one, or the two of a radio pair.
  std::vector<std::string> Names() const;

  // Chained touches on a row.
  OptionInfo WithLabel(std::string object_name) const;
  OptionInfo Browse(std::string dir, std::string filter) const;
  OptionInfo KeptOnReset() const;
};

// The rows of each kind, as the tables list them.
OptionInfo CheckRow(std::string name, std::string caption, std::string group, bool reset,
                    std::string hint = "");
OptionInfo SpinRow(std::string name, std::string caption, std::string group, int lo, int hi,
                   int reset, std::string hint = "");
OptionInfo SliderRow(std::string name, std::string caption, std::string group, int lo, int hi,
                     int reset, std::string hint, std::string marks);
OptionInfo RadioRow(std::string names, std::string captions, std::string group, int reset,
                    std::string hint = "");
OptionInfo ChoiceRow(std::string name, std::string caption, std::string group,
                     std::vector<std::string> items, int reset, std::string hint = "");
OptionInfo TextRow(std::string name, std::string caption, std::string group, std::string reset_text,
                   int max_length, std::string hint = "");

// The values of one table, one per row, kept within each row's range as the
// controls keep them.
class OptionValues {
 public:
  explicit OptionValues(std::vector<OptionInfo> rows);
  virtual ~OptionValues() = default;

  const std::vector<OptionInfo>& rows() const { return rows_; }
  int value(size_t row) const { return values_[row]; }
  const std::string& text(size_t row) const { return texts_[row]; }  // kText
  void Set(size_t row, int value);                                   // clamped into the row's range
  void SetText(size_t row, std::string text);  // cut to the row's longest text
  // A drop-down's item text ("" for none); its item of that text, -1 for none.
  std::string ItemText(size_t row) const;
  void SetItemText(size_t row, std::string_view item);
  // The value as orvanectl shows it: 0/1, the number, the text, the item.
  std::string Shown(size_t row) const;
  void Reset();
  size_t RowOf(std::string_view control) const;  // the row of a control known to be there
  // The row that holds a control of that name; for a radio pair also which
  // of its two buttons (0 or 1).
  struct Found {
    size_t row;
    int button;
  };
  std::optional<Found> Find(std::string_view control) const;
  // The rows whose reset differs from what a default file record holds, for
  // tables bound to one (each default should stand once).
  virtual std::vector<std::string> ResetsOtherThanRecord() const { return {}; }

 private:
  std::vector<OptionInfo> rows_;
  std::vector<int> values_;
  std::vector<std::string> texts_;
};

template <typename Record>
using OptionField = std::variant<bool Record::*, int Record::*, std::string Record::*>;

template <typename Record>
struct OptionRow {
  OptionInfo info;
  OptionField<Record> field;
};

// A table bound to one file record: filled from it after reading, collected
// into it before writing.
template <typename Record>
class BoundOptions final : public OptionValues {
 public:
  // defaults: the record as the file has it when no option was changed (a
  // record shared by two mods may default otherwise than Record{}).
  explicit BoundOptions(const std::vector<OptionRow<Record>>& rows, Record defaults = {})
      : OptionValues(Infos(rows)), fields_(Fields(rows)), defaults_(std::move(defaults)) {}

  // A text row takes a text field as it stands, a drop-down its item of that
  // text; other rows hold numbers.
  void Fill(const Record& record) {
    for (size_t i = 0; i < fields_.size(); ++i) {
      if (const auto* text = std::get_if<std::string Record::*>(&fields_[i]); text != nullptr) {
        if (rows()[i].kind == OptionKind::kText) {
          SetText(i, record.**text);
          continue;
        }
        if (rows()[i].kind == OptionKind::kChoice) {
          SetItemText(i, record.**text);
          continue;
        }
      }
      std::visit([&](auto member) { Set(i, ToInt(record.*member)); }, fields_[i]);
    }
  }

  void Collect(Record& record) const {
    for (size_t i = 0; i < fields_.size(); ++i) {
      if (const auto* text = std::get_if<std::string Record::*>(&fields_[i]); text != nullptr) {
        if (rows()[i].kind == OptionKind::kText) {
          record.** text = this->text(i);
          continue;
        }
        if (rows()[i].kind == OptionKind::kChoice) {
          record.** text = ItemText(i);
          continue;
        }
      }
      std::visit([&](auto member) { FromInt(record.*member, value(i)); }, fields_[i]);
    }
  }

  Record Collected(Record record = {}) const {
    Collect(record);
    return record;
  }

  std::vector<std::string> ResetsOtherThanRecord() const override {
    BoundOptions reset = *this;
    reset.Reset();
    BoundOptions filled = *this;
    filled.Fill(defaults_);
    std::vector<std::string> rows;
    for (size_t i = 0; i < fields_.size(); ++i) {
      if (reset.Shown(i) != filled.Shown(i)) {
        rows.push_back(this->rows()[i].name + " resets to " + reset.Shown(i) +
                       ", the record holds " + filled.Shown(i));
      }
    }
    return rows;
  }

 private:
  static std::vector<OptionInfo> Infos(const std::vector<OptionRow<Record>>& rows) {
    std::vector<OptionInfo> out;
    for (const OptionRow<Record>& r : rows) out.push_back(r.info);
    return out;
  }
  static std::vector<OptionField<Record>> Fields(const std::vector<OptionRow<Record>>& rows) {
    std::vector<OptionField<Record>> out;
    for (const OptionRow<Record>& r : rows) out.push_back(r.field);
    return out;
  }
  static int ToInt(bool v) { return v ? 1 : 0; }
  static int ToInt(int v) { return v; }
  // A stored number's text; the file routines have already checked it.
  static int ToInt(const std::string& v) { return ParseDecimalInt(v).value_or(0); }
  static void FromInt(bool& v, int value) { v = value != 0; }
  static void FromInt(int& v, int value) { v = value; }
  static void FromInt(std::string& v, int value) { v = std::to_string(value); }

  std::vector<OptionField<Record>> fields_;
  Record defaults_;
};

}  // namespace orvane
