// YaPB's own settings file, addons/yapb/conf/yapb.cfg, as a launch leaves
// it: the player's lines kept, Orvane's variables set where they stand and
// the roster's bots added once when the server starts. YaPB runs every line
// of the file as a server command when the server starts; at each later map
// it sets the variables again and runs the other lines of two words or more,
// but not a line of one word, so the roster is an alias per bot that a
// one-word line runs: each map redefines the aliases, only the start adds
// the bots. Its quota (yb_quota, kept across maps) then keeps them.
#pragma once

#include <string>
#include <string_view>

#include "editors/CsBotAddOns.h"

namespace orvane {

std::string MergeYapbConfig(std::string_view before, const CsLaunchInput& in);

}  // namespace orvane
