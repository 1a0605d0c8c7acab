// settings.scr: the game's own description of its server options. Only
// rewritten when it exists: the first 42 lines stay as they are, then the
// mod's blocks follow in the game's seven-line block format.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane {

enum class ScrType { kNumber, kBool, kString, kList };

struct ScrBlock {
  std::string variable;
  std::string label;
  ScrType type = ScrType::kBool;
  std::string lower = "0.000000";  // NUMBER bounds, as written
  std::string upper = "-1.000000";
  std::vector<std::pair<std::string, std::string>> choices;  // LIST: label, value
  std::string value;  // the value text, already encoded (ScrNumber, "1"/"0", literal)
};

// The four kinds of block; value texts are encoded here.
ScrBlock NumberBlock(std::string variable, std::string label, std::string upper,
                     std::string_view number_text);
ScrBlock BoolBlock(std::string variable, std::string label, bool on);
ScrBlock StringBlock(std::string variable, std::string label, std::string value);
ScrBlock ListBlock(std::string variable, std::string label,
                   std::vector<std::pair<std::string, std::string>> choices, int chosen);

// "20" gives "20.000000"; a text that is not a number is kept as it is.
std::string ScrNumber(std::string_view text);
// Bounds as the script writes them: 30 gives "30.000000".
std::string ScrBound(int bound);

std::vector<std::string> ScrBlockLines(const ScrBlock& block);
// The new file's lines from the old file's lines.
std::vector<std::string> SettingsScrLines(const std::vector<std::string>& old_lines,
                                          const std::vector<ScrBlock>& blocks);
// False when the file does not exist (it is not created).
bool RewriteSettingsScr(std::string_view path, const std::vector<ScrBlock>& blocks);

}  // namespace orvane
