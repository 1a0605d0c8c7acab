#include "gui/widgets/GameText.h"

#include "platform/GameText.h"

namespace orvane {

QString FromGame(std::string_view bytes) {
  return QString::fromStdString(Windows1252ToUtf8(bytes));
}

std::string ToGame(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (const char32_t c : text.toUcs4()) bytes.push_back(CharToWindows1252(c).value_or('?'));
  return bytes;
}

QValidator::State GameTextValidator::validate(QString& input, int& /*pos*/) const {
  for (const char32_t c : input.toUcs4()) {
    if (!CharToWindows1252(c)) return Invalid;
  }
  return Acceptable;
}

}  // namespace orvane
