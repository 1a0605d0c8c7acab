// One bot of a roster: five text fields, as every mod's bot file keeps them.
#pragma once

#include <string>

namespace orvane {

struct BotEntry {
  std::string name;
  std::string model;
  std::string param1;
  std::string param2;
  std::string skill;

  bool operator==(const BotEntry&) const = default;
};

}  // namespace orvane
