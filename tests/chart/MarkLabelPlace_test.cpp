// The text beside a mark: right of it and above by default, flipped left near the
// right edge and below near the top edge, and moved into the plotting area where it
// fits.

#include "chart/MarkLabelPlace.h"

#include <gtest/gtest.h>

TEST(MarkLabelPlace, StaysInsideTheAreaWhereItFits) {
    const QRect area(QPoint(20, 30), QPoint(419, 329));
    const QSize text(50, 13);
    struct Case {
        const char* name;
        QPoint mark;
        QSize text;
        QPoint topLeft;
    };
    const Case cases[] = {
        {"middle: right and above", {200, 200}, text, {205, 183}},
        {"near the right edge: left", {400, 200}, text, {346, 183}},
        {"near the top edge: below", {200, 40}, text, {205, 45}},
        {"top right corner: left and below", {410, 35}, text, {356, 40}},
        {"on the left edge: right", {20, 200}, text, {25, 183}},
        {"in the bottom right corner: left and above", {419, 329}, text, {365, 312}},
        // Neither side has room: moved in just as far as needed.
        {"narrow both sides", {240, 200}, QSize(395, 13), {20, 183}},
        {"wider than the area: at its left", {240, 200}, QSize(500, 13), {20, 183}},
        {"taller than the area: at its top", {240, 200}, QSize(50, 400), {245, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QRect place = PlaceMarkLabel(c.mark, 5, c.text, area);
        EXPECT_EQ(place.topLeft(), c.topLeft);
        EXPECT_EQ(place.size(), c.text);
        if (c.text.width() <= area.width() && c.text.height() <= area.height()) {
            EXPECT_TRUE(area.contains(place));
        }
    }
}
