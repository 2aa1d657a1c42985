#pragma once

#include "chart/ChartColors.h"

#include <QFont>
#include <QString>

// A font of the chart (title, axis labels), described by value so that the axis
// arithmetic needs no font object; the painter builds the QFont.
struct TChartFont {
    QString Name = QStringLiteral("Arial");
    int Size = 8; // points at 96 dots per inch
    TColor Color = clBlack;
    bool Bold = false;

    bool operator==(const TChartFont&) const = default;

    QFont ToQFont() const;
};
