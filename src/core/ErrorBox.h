// The launcher's error boxes: a fixed message with an OK button, and below it
// what exactly went wrong (the file and the problem), when known.
#pragma once

#include <string>

class QWidget;

namespace orvane {

void ShowErrorBox(QWidget* parent, const std::string& message, const std::string& detail = "");

}  // namespace orvane
