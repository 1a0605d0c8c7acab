// A file of "key value" lines as a table of keys in the order written, each
// bound to a field of the file's record (a number, a flag, a text), holding a
// fixed value, or converted by a rule of the file's own. Every game.cfg and
// bot configuration file of the mods is written and read through one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "services/Converters.h"
#include "services/ServerFiles.h"

namespace orvane {

// How a file writes its lines and numbers.
struct CfgFormat {
  bool spaced = false;  // key, a blank, value; else "key", two TABs, "value" as the server writes
  int decimals = 5;     // zeros after a number's point, as the game writes its reals; 0: none
  bool cut_value_at_dot = false;  // values are read up to their first "." (Rocket Crowbar's)
};

inline const CfgFormat kServerCfg{};
inline const CfgFormat kSpacedCfg{.spaced = true, .decimals = 0};

// A key converted by the file's own rule: its line's value (nullopt writes
// no line) and what a read line sets (nullptr: written only).
template <typename Cfg>
struct CfgRule {
  std::optional<std::string> (*write)(const Cfg& cfg);
  void (*read)(Cfg& cfg, const CfgPair& line, std::string_view path, int line_no);
};

// mp_teamlist of a record with team rows: written from the rows, read as the
// text the window spreads over them.
template <typename Cfg>
CfgRule<Cfg> TeamListRule() {
  return {[](const Cfg& cfg) -> std::optional<std::string> { return TeamListText(cfg.teams); },
          [](Cfg& cfg, const CfgPair& line, std::string_view, int) { cfg.team_text = line.value; }};
}

enum class CfgKeyKind {
  kAsFile,       // as the file's format says
  kWhole,        // a number written without decimals whatever the file's format
  kOnlyOneIsOn,  // a flag that reads on for "1" alone (not "Yes")
};

template <typename Cfg>
struct CfgKey {
  std::string_view key;
  // A text field is written and read as it stands, a const char* is a fixed value.
  std::variant<int Cfg::*, bool Cfg::*, std::string Cfg::*, const char*, CfgRule<Cfg>> field;
  CfgKeyKind kind = CfgKeyKind::kAsFile;
};

// Out of line: GCC's bounds check otherwise sees a text member pointer applied
// to a record that has no text and warns of a write outside it.
[[gnu::noinline]] inline void CopyCfgText(std::string& to, const std::string& from) { to = from; }

inline std::string CfgLine(const CfgFormat& format, std::string_view key, std::string_view value) {
  return format.spaced ? std::string(key) + " " + std::string(value) : FormatCfgLine(key, value);
}

template <typename Cfg>
std::vector<std::string> CfgKeyLines(const std::vector<CfgKey<Cfg>>& keys, const Cfg& cfg,
                                     const CfgFormat& format = kServerCfg) {
  std::vector<std::string> lines;
  for (const auto& [key, field, kind] : keys) {
    std::optional<std::string> value;
    if (const auto* number = std::get_if<int Cfg::*>(&field)) {
      const std::string whole = std::to_string(cfg.**number);
      value = format.decimals == 0 || kind == CfgKeyKind::kWhole ? whole
                                                                 : CfgReal(whole, format.decimals);
    } else if (const auto* flag = std::get_if<bool Cfg::*>(&field)) {
      value = BoolToOneZero(cfg.**flag);
    } else if (const auto* text = std::get_if<std::string Cfg::*>(&field)) {
      value.emplace();
      CopyCfgText(*value, cfg.**text);
    } else if (const auto* fixed = std::get_if<const char*>(&field)) {
      value = *fixed;
    } else {
      value = std::get<CfgRule<Cfg>>(field).write(cfg);
    }
    if (value) lines.push_back(CfgLine(format, key, *value));
  }
  return lines;
}

// Takes one split line into cfg when the table knows its key; true then. A
// number is read up to its first "." ("35.00000" as written; empty, or
// beginning with ".", reads as 0); text that is no number is a FileError
// naming file and line.
template <typename Cfg>
bool ReadCfgKey(const std::vector<CfgKey<Cfg>>& keys, const CfgPair& pair, std::string_view path,
                int line_no, Cfg& cfg) {
  for (const auto& [key, field, kind] : keys) {
    if (pair.key != key) continue;
    if (const auto* number = std::get_if<int Cfg::*>(&field)) {
      const std::string text =
          pair.value.empty() ? std::string() : CfgLimitText(pair.value, path, line_no, key);
      cfg.** number = text.empty() ? 0 : CfgWholeNumber(text, path, line_no, key);
    } else if (const auto* flag = std::get_if<bool Cfg::*>(&field)) {
      cfg.** flag = kind == CfgKeyKind::kOnlyOneIsOn ? pair.value == "1" : YesOrOne(pair.value);
    } else if (const auto* text = std::get_if<std::string Cfg::*>(&field)) {
      CopyCfgText(cfg.**text, pair.value);
    } else if (const auto* rule = std::get_if<CfgRule<Cfg>>(&field)) {
      if (rule->read != nullptr) rule->read(cfg, pair, path, line_no);
    }
    return true;
  }
  return false;
}

// Reads every line through the table; on a FileError cfg is unchanged.
template <typename Cfg>
void ParseCfgKeys(const std::vector<CfgKey<Cfg>>& keys, const std::vector<std::string>& lines,
                  std::string_view path, Cfg& cfg, const CfgFormat& format = kServerCfg) {
  Cfg read = cfg;
  for (size_t i = 0; i < lines.size(); ++i) {
    ReadCfgKey(keys, SplitCfgLine(lines[i], format.cut_value_at_dot), path, static_cast<int>(i + 1),
               read);
  }
  cfg = std::move(read);
}

}  // namespace orvane
