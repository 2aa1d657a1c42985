#pragma once

#include <QString>
#include <functional>

// The width of a text in the font it is shown in (font metrics in the boxes, fixed
// sizes in tests).
using TextWidth = std::function<int(const QString&)>;

// Fits a message into lines of `width`: when the quoted part ('…', from the first
// to the last apostrophe) is wider than one line, it is shortened in its middle
// with "…" to fit one line, so that its start, its end and the rest of the message
// stay readable. Anything else is returned as it is: the program's own words are
// short, only quoted user text can be arbitrarily long.
QString ShortenQuotedText(const QString& text, const TextWidth& widthOf, int width);
