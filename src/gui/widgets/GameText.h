// The one conversion between the game's Windows-1252 bytes and the text that
// windows show, on the table orvanectl uses too. An edit whose text goes into
// a game file takes no character that Windows-1252 lacks (GameTextValidator);
// ToGame makes such a character, which no edit lets through, "?".
#pragma once

#include <QString>
#include <QValidator>
#include <string>
#include <string_view>

namespace orvane {

QString FromGame(std::string_view bytes);
std::string ToGame(const QString& text);

// Refuses, as it is typed or pasted, text with a character the game's files cannot hold.
class GameTextValidator final : public QValidator {
 public:
  explicit GameTextValidator(QObject* parent) : QValidator(parent) {}
  State validate(QString& input, int& pos) const override;
};

}  // namespace orvane
