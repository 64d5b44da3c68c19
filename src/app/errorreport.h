#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <string>

namespace quorvel {

// The title of every error message box, formed at start-up from the
// executable's name.
void SetProgramTitle(const QString& title);
QString ProgramTitle();

// Appends "." when the message's last character sorts after "." in byte order
// (every non-ASCII character does, judged by its UTF-8 lead byte).
std::string WithFullStop(const std::string& message);

// Shows a failure to the user; the default is a modal critical message box
// with one OK button, which an empty reporter restores. Tests replace it so
// that no modal loop runs.
using FailureReporter = std::function<void(const QString& title, const QString& text)>;
void SetFailureReporter(FailureReporter reporter);

// The one error report: settles the arithmetic settings after an
// ArithmeticFault, frees the mouse and shows the message.
void ReportFailure(const std::exception& failure);

// Runs one handler; a failure that escapes it is reported and the event loop
// goes on.
template <typename Handler> void RunGuarded(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        ReportFailure(failure);
    }
}

} // namespace quorvel
