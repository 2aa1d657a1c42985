#pragma once

#include <QString>
#include <functional>

// How the axis arithmetic measures text in its label font: the width of a text
// and the height of one line ("W"). The painter supplies font metrics; tests
// supply fixed sizes.
struct TTextMeasure {
    std::function<int(const QString&)> Width;
    int Height = 0;
};
