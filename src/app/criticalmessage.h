#pragma once

#include <QString>

namespace quorvel {

// The program's one kind of message box: modal, the error icon, one OK
// button, the text shown exactly as given (typed texts and file names may
// look like markup).
void ShowCriticalMessage(const QString& title, const QString& text);

} // namespace quorvel
