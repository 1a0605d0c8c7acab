// The one conversion between the game's Windows-1252 bytes and the text that
// windows show. A character Windows-1252 cannot carry becomes "?".
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace orvane {

QString FromGame(std::string_view bytes);
std::string ToGame(const QString& text);

}  // namespace orvane
