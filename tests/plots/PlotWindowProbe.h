#pragma once

// Test support for the plotting windows: typing into the fields with real key
// events, running with Enter, and looking at the chart as it is painted.

#include "chart/Chart.h"
#include "forms/LabForm.h"

#include <QImage>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

// Replaces the text of every field by typing: select all, then the characters.
inline void TypeCoefficients(TLabForm* form, const QStringList& texts) {
    const QList<QLineEdit*> fields = form->CoefficientFields();
    for (qsizetype i = 0; i < fields.size() && i < texts.size(); ++i) {
        fields[i]->selectAll();
        QTest::keyClick(fields[i], Qt::Key_Backspace);
        QTest::keyClicks(fields[i], texts[i]);
    }
}

// Enter in the last field: the keystroke filter runs the lab.
inline void PressEnter(TLabForm* form) {
    QTest::keyClick(form->CoefficientFields().last(), Qt::Key_Return);
}

inline void TypeAndRun(TLabForm* form, const QStringList& texts) {
    TypeCoefficients(form, texts);
    PressEnter(form);
}

// The chart as it would be painted now (the axes are laid out by this drawing).
inline QImage Painted(TChart* chart) {
    return chart->RenderToImage();
}

// The pixel of a value pair in the last drawing.
inline QPoint PixelOf(TChart* chart, double x, double y) {
    return {chart->BottomAxis()->ValueToPixel(x), chart->LeftAxis()->ValueToPixel(y)};
}

// Whether a pixel of exactly this colour lies within `radius` of `centre`.
inline bool ColourNear(const QImage& image, QPoint centre, QColor colour, int radius = 1) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (image.rect().contains(p) && image.pixelColor(p).rgb() == colour.rgb())
                return true;
        }
    return false;
}

// How many pixels in `area` have exactly this colour.
inline int CountColour(const QImage& image, const QRect& area, QColor colour) {
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (image.pixelColor(x, y).rgb() == colour.rgb())
                ++count;
    return count;
}

// Title text is drawn smoothed: a pixel counts as blue when blue clearly dominates.
inline int CountBluish(const QImage& image, const QRect& area) {
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 150 && c.red() < 100 && c.green() < 100)
                ++count;
        }
    return count;
}

inline bool AxesAtZero(TChart* chart) {
    return chart->BottomAxis()->Minimum() == 0 && chart->BottomAxis()->Maximum() == 0 &&
           chart->LeftAxis()->Minimum() == 0 && chart->LeftAxis()->Maximum() == 0;
}

// Pixels of the window's text colour family (captions are dark on the chart).
inline int CountDark(const QImage& image, const QRect& area) {
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (image.pixelColor(x, y).value() < 100)
                ++count;
    return count;
}
