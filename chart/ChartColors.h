#pragma once

#include "ground/Colors.h"

#include <QColor>

// The drawable colour of a plain colour value (a marker value gives black).
inline QColor ToQColor(TColor color) {
    if (color == clDefault || color == clNone)
        return QColor(0, 0, 0);
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}
