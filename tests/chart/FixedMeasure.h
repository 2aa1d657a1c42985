#pragma once

#include "chart/TextMeasure.h"

// Text of 6 pixels per character and lines 14 pixels high: label sizes without fonts.
inline TTextMeasure FixedMeasure(int height = 14) {
    TTextMeasure measure;
    measure.Width = [](const QString& text) { return 6 * int(text.size()); };
    measure.Height = height;
    return measure;
}
