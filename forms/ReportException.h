#pragma once

#include <QString>
#include <exception>

// The top-level error report: cancels a mouse capture, shows the error's message
// (with the final period rule) literally in the platform's standard box with the
// stop icon, caption the application title, owned by the application. A quoted part
// too wide for the box is shortened in its middle; Ctrl+C copies the whole message.
// Returns when closed.
void ReportException(const std::exception& error);
void ReportErrorMessage(const QString& message);

// Appends '.' when the message is not empty and its last character has a code
// above that of '.'.
QString WithFinalPeriod(const QString& message);

// Runs a handler body: loads the program's floating-point environment first (flags
// cleared, 64-bit precision, round to nearest), and reports any error that escapes
// it, so that the window stays open and the loop goes on.
template <typename Body> void RunGuarded(Body&& body) noexcept;

void ClearFloatFlagsForHandler();
void ReportCurrentException() noexcept;

template <typename Body> void RunGuarded(Body&& body) noexcept {
    try {
        ClearFloatFlagsForHandler();
        body();
    } catch (...) {
        ReportCurrentException();
    }
}
