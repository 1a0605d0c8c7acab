// liblist.gam, the file that tells the engine which game library a mod
// loads: read by key, and edited one line at a time so that everything
// else the mod, Steam or the player put there stays byte for byte.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The value of the first active (not "//") line of key, keys compared
// without regard to case, without its quotes; "" when there is none.
std::string LiblistValue(std::string_view liblist, std::string_view key);

// The text with the first active line of key holding value: only the value
// between its quotes changes (indentation, the blanks after the key, a
// trailing comment or blanks and the line end stay). A missing line is
// added after the first active line of after_key, else at the end.
std::string SetLiblistValue(std::string_view liblist, std::string_view key, std::string_view value,
                            std::string_view after_key);

}  // namespace orvane
