#include "services/Converters.h"

#include "platform/FileSystem.h"
#include "platform/TextFile.h"

namespace orvane {

bool YesOrOne(std::string_view text) { return text == "1" || text == "Yes"; }
std::string BoolToOneZero(bool flag) { return flag ? "1" : "0"; }
std::string BoolToYesNo(bool flag) { return flag ? "Yes" : "No"; }
std::string YesOrOneToOnOff(std::string_view text) { return YesOrOne(text) ? "on" : "off"; }

const std::array<KeyName, 24>& KeyNameTable() {
  static const std::array<KeyName, 24> kKeys = {{
      {"F1", "F1"},
      {"F2", "F2"},
      {"F3", "F3"},
      {"F4", "F4"},
      {"F5", "F5"},
      {"F6", "F6"},
      {"F7", "F7"},
      {"F8", "F8"},
      {"F9", "F9"},
      {"F10", "F10"},
      {"Num Keypad 0", "KP_INS"},
      {"Num Keypad .", "KP_DEL"},
      {"Num Keypad ENTER", "KP_ENTER"},
      {"Num Keypad 1", "KP_END"},
      {"Num Keypad 2", "KP_DOWNARROW"},
      {"Num Keypad 3", "KP_PGDN"},
      {"Num Keypad 4", "KP_LEFTARROW"},
      {"Num Keypad 5", "KP_5"},
      {"Num Keypad 6", "KP_RIGHTARROW"},
      {"Num Keypad 7", "KP_HOME"},
      {"Num Keypad 8", "KP_UPARROW"},
      {"Num Keypad 9", "KP_PGUP"},
      {"Num Keypad +", "KP_PLUS"},
      {"Num Keypad -", "KP_MINUS"},
  }};
  return kKeys;
}

std::vector<std::string> KeyDisplayNames() {
  std::vector<std::string> names;
  for (const KeyName& key : KeyNameTable()) names.emplace_back(key.display);
  return names;
}

std::string KeyBindName(std::string_view display_name) {
  for (const KeyName& key : KeyNameTable()) {
    if (key.display == display_name) return std::string(key.game);
  }
  return {};
}

void ReadTextPage(std::vector<std::string>& lines, std::string_view dir,
                  std::string_view file_name) {
  const std::string path = std::string(dir) + std::string(file_name);
  if (FileExists(path)) lines = ReadLines(path);
}

void WriteTextPage(const std::vector<std::string>& lines, std::string_view dir,
                   std::string_view file_name) {
  if (!file_name.empty()) WriteLines(std::string(dir) + std::string(file_name), lines);
}

}  // namespace orvane
