// The launcher's message boxes: errors with an OK button (below the fixed
// message, what exactly went wrong, when known), and Yes/No questions.
#pragma once

#include <string>

class QWidget;

namespace orvane {

void ShowErrorBox(QWidget* parent, const std::string& message, const std::string& detail = "");
// A question with Yes and No; true for Yes.
bool AskYesNo(QWidget* parent, const std::string& question);

}  // namespace orvane
