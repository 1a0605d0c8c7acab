// orvanectl config's text interface to a settings document: every control by
// its object name, shown as CONTROL=VALUE and set as the player would set it
// in the window (a refusal naming the control and what it accepts). It walks
// the document's parts; the document keeps the values and the rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "services/EditorSettings.h"

namespace orvane {

class ControlScript {
 public:
  explicit ControlScript(EditorSettings& document);

  // Every control in the window's order, then the extra controls, the play
  // list and the roster.
  std::vector<std::pair<std::string, std::string>> Show() const;
  // One change; what the window would show in boxes on the way goes to messages.
  std::optional<std::string> Set(std::string_view control, std::string_view value,
                                 Messages* messages = nullptr);
  // The values a control takes from a list (a drop-down's items, a bot's
  // models, 1 and 0 for a check box), for shell completion; none for a
  // control that takes a number or text. The refusal for a control this
  // document does not show.
  struct Choices {
    std::vector<std::string> values;
    std::optional<std::string> refusal;
  };
  Choices Items(std::string_view control) const;

 private:
  std::optional<std::string> SetOption(OptionValues& table, const OptionValues::Found& found,
                                       std::string_view control, std::string_view value);
  std::optional<std::string> SetPlayList(std::string_view control, std::string_view value);
  std::optional<std::string> SelectBots(std::string_view control, std::string_view value);
  // A control this document does not have: the nearest names it has.
  std::string Unknown(std::string_view control) const;

  EditorSettings& doc_;
};

}  // namespace orvane
