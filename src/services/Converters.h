// The small shared pieces that move values between controls and files: the
// check-box text converters, the text-page routine, and the table of keys
// offered for key bindings.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

bool YesOrOne(std::string_view text);  // exactly "1" or "Yes"
std::string BoolToOneZero(bool flag);
std::string BoolToYesNo(bool flag);
std::string YesOrOneToOnOff(std::string_view text);

struct KeyName {
  std::string_view display;  // shown to the player
  std::string_view game;     // written into bind commands
};

// The 24 keys, in the order the drop-downs offer them.
const std::array<KeyName, 24>& KeyNameTable();
// The display names in table order, as a key drop-down offers them.
std::vector<std::string> KeyDisplayNames();
// The game key name of a display name (exact), or "" when it is not in the table.
std::string KeyBindName(std::string_view display_name);

// A text page and its file (dir carries its own trailing "\"): reading
// replaces the lines when the file exists (else leaves them); writing
// writes them when file_name is not empty.
void ReadTextPage(std::vector<std::string>& lines, std::string_view dir,
                  std::string_view file_name);
void WriteTextPage(const std::vector<std::string>& lines, std::string_view dir,
                   std::string_view file_name);

}  // namespace orvane
