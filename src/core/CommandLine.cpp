#include "core/CommandLine.h"

#include "core/LauncherSettings.h"
#include "platform/ProfileFile.h"

namespace orvane {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Text that reading would change: blanks at either end (trimmed), or a
// matching pair of quotes around it (removed).
bool NeedsQuotes(std::string_view text) {
  if (text.empty()) return false;
  if (IsBlank(text.front()) || IsBlank(text.back())) return true;
  return StripProfileQuotes(text).size() != text.size();
}

}  // namespace

std::string ReservedWordIn(std::string_view text) {
  std::string found;
  for (std::string_view word : kReservedWords) {
    if (text.find(word) != std::string_view::npos) found = std::string(word);
  }
  return found;
}

std::string ReservedWordMessage(std::string_view word) {
  return "The command '" + std::string(word) +
         "' is already used by KRV. Please remove it from your command line.";
}

std::string StoredCommand(const LauncherState& state) {
  return GetProfileString(KrvIniPath(state), "KRV", "Command", "");
}

void StoreCommand(const LauncherState& state, std::string_view text) {
  const std::string value = NeedsQuotes(text) ? "\"" + std::string(text) + "\"" : std::string(text);
  WriteProfileString(KrvIniPath(state), "KRV", "Command", value);
}

}  // namespace orvane
