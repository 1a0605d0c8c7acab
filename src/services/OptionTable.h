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
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/StringUtil.h"

namespace orvane {

enum class OptionKind {
  kCheck,   // a check box; value 0/1
  kSpin,    // a spin edit; value in lo..hi
  kSlider,  // a slider with marks; value in lo..hi
  kRadios,  // radio buttons "name1|name2|...", "caption1|caption2|..."; value the button's
            // index, -1 for none (allowed when lo is -1)
  kChoice,  // a drop-down list of fixed items; value the item's index, -1 for none
  kText,    // an edit box; its text (hi: the longest text, 0 for no limit)
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
  // kChoice bound to a text field: the field keeps the item's index, not its text.
  bool keeps_index = false;
  // A bot's property shown on a sub-page of the bot's properties: its caption
  // and object name ("" for none).
  std::string page = "";
  std::string page_name = "";

  // The control names of the row: one, or one per radio button.
  std::vector<std::string> Names() const;

  // Chained touches on a row.
  OptionInfo WithLabel(std::string object_name) const;
  OptionInfo Browse(std::string dir, std::string filter) const;
  OptionInfo KeptOnReset() const;
  OptionInfo OnPage(std::string tab_caption, std::string object_name) const;
};

// The rows of each kind, as the tables list them.
OptionInfo CheckRow(std::string name, std::string caption, std::string group, bool reset,
                    std::string hint = "");
OptionInfo SpinRow(std::string name, std::string caption, std::string group, int lo, int hi,
                   int reset, std::string hint = "");
OptionInfo SliderRow(std::string name, std::string caption, std::string group, int lo, int hi,
                     int reset, std::string hint, std::string marks);
// Two or more radio buttons; a reset of -1 checks none, and a value that is
// no button's then shows none checked.
OptionInfo RadioRow(std::string names, std::string captions, std::string group, int reset,
                    std::string hint = "");
OptionInfo ChoiceRow(std::string name, std::string caption, std::string group,
                     std::vector<std::string> items, int reset, std::string hint = "");
OptionInfo TextRow(std::string name, std::string caption, std::string group, std::string reset_text,
                   int max_length, std::string hint = "");
// A drop-down whose field keeps the chosen item's index.
OptionInfo ChoiceIndexRow(std::string name, std::string caption, std::string group,
                          std::vector<std::string> items, int reset, std::string hint = "");

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
      const OptionInfo& row = rows()[i];
      std::visit(
          [&](auto member) {
            const auto& value = record.*member;
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
              if (row.kind == OptionKind::kText) {
                SetText(i, value);
              } else if (row.kind == OptionKind::kChoice && !row.keeps_index) {
                SetItemText(i, value);
              } else {
                Set(i, NumberOf(value, row));
              }
            } else {
              Set(i, static_cast<int>(value));  // a flag as 0 or 1
            }
          },
          fields_[i]);
    }
  }

  // One row's value into the record, the other fields left as they are.
  void CollectRow(size_t i, Record& record) const {
    const OptionInfo& row = rows()[i];
    if (const auto* text = std::get_if<std::string Record::*>(&fields_[i]); text != nullptr) {
      if (row.kind == OptionKind::kText) {
        record.** text = this->text(i);
        return;
      }
      if (row.kind == OptionKind::kChoice && !row.keeps_index) {
        record.** text = ItemText(i);
        return;
      }
    }
    std::visit([&](auto member) { FromInt(record.*member, value(i)); }, fields_[i]);
  }

  void Collect(Record& record) const {
    for (size_t i = 0; i < fields_.size(); ++i) CollectRow(i, record);
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
  // A number kept as text (a bot file's, or a file the reader has checked):
  // an empty or malformed text shows the row's reset, a drop-down none of
  // its items; a check box is on for "1" or "Yes" only, as bot files say it.
  static int NumberOf(const std::string& v, const OptionInfo& row) {
    if (row.kind == OptionKind::kCheck && !v.empty()) return v == "1" || v == "Yes" ? 1 : 0;
    if (const std::optional<int> n = ParseDecimalInt(v)) return *n;
    return row.kind == OptionKind::kChoice ? -1 : row.reset;
  }
  static void FromInt(bool& v, int value) { v = value != 0; }
  static void FromInt(int& v, int value) { v = value; }
  static void FromInt(std::string& v, int value) { v = std::to_string(value); }

  std::vector<OptionField<Record>> fields_;
  Record defaults_;
};

}  // namespace orvane
