#pragma once

#include <QChar>
#include <QString>

class QKeyEvent;

// What the coefficient fields do with one typed character. Enter runs the lab and
// Esc closes the window; a typed '.' or ',' becomes the regional decimal separator
// (the comma where the user's settings use it), and only backspace, line feed, the
// separator, digits and (where the window admits it) '-' reach the field.
struct KeystrokeOutcome {
    bool run = false;  // Enter: run the lab first
    bool exit = false; // Esc: close the window
    QChar key;         // the character to insert; null when it is discarded
};

KeystrokeOutcome FilterKeystroke(QChar key, bool minusAllowed, QChar decimalSeparator);

// The character a key press types, as a desktop gives it: the browser's platform gives
// Enter and Esc none, where a desktop gives CR and ESC, on which the filter acts.
QString TypedText(const QKeyEvent* event);
