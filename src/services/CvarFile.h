// An add-on's own settings file of console lines ("name value"), such as
// YaPB's yapb.cfg or POD-Bot MM's podbot.cfg, edited in place: a variable
// Orvane sets changes where it stands (added when missing), the lines Orvane
// writes stand between two marker comments and are replaced whole, and
// every other line (the player's settings, comments, blanks, line ends)
// stays byte for byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/LineText.h"

namespace orvane {

struct CvarFileStyle {
  std::string_view
      comment_starts;        // a line whose first non-blank byte is one of these is a comment
  std::string begin_marker;  // the comment line before Orvane's own lines
  std::string end_marker;    // and after them
};

// The first active line naming the variable (without regard to case) gets
// value, in quotes when its value was quoted; a missing one is added before
// Orvane's block, else at the end.
void SetCvar(LineText& text, const CvarFileStyle& style, std::string_view name,
             std::string_view value);
// The value of the first active line naming the variable, without quotes; "" when none.
std::string CvarValue(const LineText& text, const CvarFileStyle& style, std::string_view name);
// Orvane's block (markers included) replaced by lines between the markers,
// where it stands, else added at the end.
void SetMarkedBlock(LineText& text, const CvarFileStyle& style,
                    const std::vector<std::string>& lines);

}  // namespace orvane
