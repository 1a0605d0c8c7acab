// One bot of a roster: five text fields, as every mod's bot file keeps them,
// and the personality Rocket Crowbar's bots carry besides.
#pragma once

#include <string>

namespace orvane {

struct BotEntry {
  std::string name;
  std::string model;
  std::string param1;
  std::string param2;
  std::string skill;
  // Rocket Crowbar only (empty elsewhere).
  std::string yaw_speed = {};
  std::string memory = {};
  std::string sight = {};
  std::string shot_delta = {};
  std::string awareness = {};
  std::string reaction = {};  // hundredths of a second
  std::string wander = {};
  std::string hunter = {};  // "1" or "0"
  std::string psycho = {};  // "1" or "0"
  std::string weapon = {};  // "NONE" or a weapon without "weapon_"

  bool operator==(const BotEntry&) const = default;
};

// The most bots a roster count is taken for: a hand-edited "numbot" of
// millions would otherwise make as many default bots.
inline constexpr int kMaxRosterBots = 10000;

}  // namespace orvane
