// A mod's game.cfg as a table of keys in the order written, each bound to a
// number or a flag of the mod's record, or holding a fixed value. Counter-
// Strike, TFC and Front Line Force write and read their game.cfg through one.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "services/Converters.h"
#include "services/ServerFiles.h"

namespace orvane {

template <typename Cfg>
struct CfgKey {
  std::string_view key;
  // A number is written with five decimals, a flag as 1/0, a text as it stands.
  std::variant<int Cfg::*, bool Cfg::*, const char*> field;
};

template <typename Cfg>
std::vector<std::string> CfgKeyLines(const std::vector<CfgKey<Cfg>>& keys, const Cfg& cfg) {
  std::vector<std::string> lines;
  for (const auto& [key, field] : keys) {
    std::string value;
    if (const auto* number = std::get_if<int Cfg::*>(&field)) {
      value = CfgReal(std::to_string(cfg.**number));
    } else if (const auto* flag = std::get_if<bool Cfg::*>(&field)) {
      value = BoolToOneZero(cfg.**flag);
    } else {
      value = std::get<const char*>(field);
    }
    lines.push_back(FormatCfgLine(key, value));
  }
  return lines;
}

// Takes one split line into cfg when its name is a number or flag of the
// table; true when the table knows the name. A number is cut before its
// first "." ("35.00000" as written, one beginning with "." reads as 0); text
// that is no number is a FileError naming file and line.
template <typename Cfg>
bool ReadCfgKey(const std::vector<CfgKey<Cfg>>& keys, const CfgPair& pair, std::string_view path,
                int line_no, Cfg& cfg) {
  for (const auto& [key, field] : keys) {
    if (pair.key != key) continue;
    if (const auto* number = std::get_if<int Cfg::*>(&field)) {
      const std::string text = CfgLimitText(pair.value, path, line_no, key);
      cfg.** number = text.empty() ? 0 : CfgWholeNumber(text, path, line_no, key);
    } else if (const auto* flag = std::get_if<bool Cfg::*>(&field)) {
      cfg.** flag = YesOrOne(pair.value);
    }
    return true;
  }
  return false;
}

// Reads every line through the table; on a FileError cfg is unchanged.
template <typename Cfg>
void ParseCfgKeys(const std::vector<CfgKey<Cfg>>& keys, const std::vector<std::string>& lines,
                  std::string_view path, Cfg& cfg) {
  Cfg read = cfg;
  for (size_t i = 0; i < lines.size(); ++i)
    ReadCfgKey(keys, SplitCfgLine(lines[i]), path, static_cast<int>(i + 1), read);
  cfg = read;
}

}  // namespace orvane
