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
  std::string marks = "";  // slider marks from left to right, "|" separated
  bool typed = true;       // a spin edit the player may type into (else arrows only)

  // The control names of the row: one, or the two of a radio pair.
  std::vector<std::string> Names() const;
};

// The values of one table, one per row, kept within each row's range as the
// controls keep them.
class OptionValues {
 public:
  explicit OptionValues(std::vector<OptionInfo> rows);
  virtual ~OptionValues() = default;

  const std::vector<OptionInfo>& rows() const { return rows_; }
  int value(size_t row) const { return values_[row]; }
  void Set(size_t row, int value);  // clamped into the row's range
  void Reset();
  // The row that holds a control of that name; for a radio pair also which
  // of its two buttons (0 or 1).
  struct Found {
    size_t row;
    int button;
  };
  std::optional<Found> Find(std::string_view control) const;

 private:
  std::vector<OptionInfo> rows_;
  std::vector<int> values_;
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
  explicit BoundOptions(const std::vector<OptionRow<Record>>& rows)
      : OptionValues(Infos(rows)), fields_(Fields(rows)) {}

  void Fill(const Record& record) {
    for (size_t i = 0; i < fields_.size(); ++i) {
      std::visit([&](auto member) { Set(i, ToInt(record.*member)); }, fields_[i]);
    }
  }

  void Collect(Record& record) const {
    for (size_t i = 0; i < fields_.size(); ++i) {
      std::visit([&](auto member) { FromInt(record.*member, value(i)); }, fields_[i]);
    }
  }

  Record Collected(Record record = {}) const {
    Collect(record);
    return record;
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
};

}  // namespace orvane
