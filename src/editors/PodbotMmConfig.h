// POD-Bot MM's own settings file, addons/podbot/podbot.cfg, as a launch
// leaves it: the player's lines kept, Orvane's pb_ variables set where they
// stand, and the roster as "pb add" lines, which the bot runs once when the
// server starts ("pb add [skill [personality [team [model [name]]]]]",
// team 1 T, 2 CT, 5 auto; model 1-4, 5 random).
#pragma once

#include <string>
#include <string_view>

#include "editors/CsBotAddOns.h"

namespace orvane {

std::string MergePodbotMmConfig(std::string_view before, const CsLaunchInput& in);

}  // namespace orvane
