// The launcher's message boxes: errors with an OK button (below the fixed
// message, what exactly went wrong, when known), and Yes/No questions.
#pragma once

#include <optional>
#include <string>

#include "core/LauncherState.h"
#include "platform/WriterLock.h"

class QWidget;

namespace orvane {

void ShowErrorBox(QWidget* parent, const std::string& message, const std::string& detail = "");
// A question with Yes and No; true for Yes.
bool AskYesNo(QWidget* parent, const std::string& question);
// The launcher's files for this window alone while it writes them: the lock,
// or (another Orvane still writing after a few seconds) an error box and
// nullopt, and then nothing is to be written.
std::optional<WriterLock> LockFilesForWriting(QWidget* parent, const LauncherState& state);

}  // namespace orvane
