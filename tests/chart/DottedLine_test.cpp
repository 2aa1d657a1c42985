// Dotted grid lines written straight into the image must be the pixels the painter's
// dotted chart pen gives: random horizontal and vertical lines both ways, of every
// length, inside, across and outside the clip, with and without a clip, and where the
// direct way is closed (a scaled painter, a slanted line).

#include "chart/DottedLine.h"
#include "chart/PixelLine.h"
#include "chart/RectFiller.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <random>

namespace {

struct DotCase {
    const char* name;
    QImage::Format format;
    bool clip;
    qreal scale;
};

} // namespace

TEST(DottedLine, GivesThePixelsOfTheDottedPen) {
    const DotCase cases[] = {
        {"rgb32, clipped", QImage::Format_RGB32, true, 1.0},
        {"rgb32, unclipped", QImage::Format_RGB32, false, 1.0},
        {"premultiplied, clipped", QImage::Format_ARGB32_Premultiplied, true, 1.0},
        {"scaled", QImage::Format_RGB32, false, 2.0},
    };
    const TChartPen dotted{clGray, 1, psDot, true};
    const TColor colours[] = {clGray, clBlack, clRed, 0x00A0B0};
    for (const DotCase& c : cases) {
        SCOPED_TRACE(c.name);
        QImage direct(160, 120, c.format), painted(160, 120, c.format);
        direct.fill(Qt::white);
        painted.fill(Qt::white);
        std::mt19937 rng(5);
        std::uniform_int_distribution<int> x(-10, 170), y(-10, 130), kind(0, 4), pick(0, 3);
        int directCount = 0;
        {
            QPainter a(&direct), b(&painted);
            for (QPainter* p : {&a, &b}) {
                p->scale(c.scale, c.scale);
                if (c.clip)
                    p->setClipRect(QRect(QPoint(12, 9), QPoint(140, 101)));
                p->setBackgroundMode(Qt::TransparentMode);
            }
            TRectFiller filler(a);
            for (int k = 0; k < 2000; ++k) {
                QPoint from(x(rng), y(rng)), to = from;
                switch (kind(rng)) {
                case 0:
                case 1:
                    to.setX(x(rng));
                    break;
                case 2:
                case 3:
                    to.setY(y(rng));
                    break;
                default:
                    to = QPoint(x(rng), y(rng)); // slanted: the pen draws it
                }
                const TColor colour = colours[pick(rng)];
                if (DrawDottedLineDirect(filler, from, to, colour)) {
                    ++directCount;
                } else {
                    ApplyChartPen(a, dotted, colour);
                    DrawPixelLine(a, from, to);
                }
                ApplyChartPen(b, dotted, colour);
                DrawPixelLine(b, from, to);
            }
        }
        ASSERT_EQ(direct, painted);
        // The direct way was really taken, for many of the 2000 lines (how many depends
        // on the C++ library's distributions: about 470 with libc++, over 500 with GCC's).
        if (c.scale == 1.0)
            EXPECT_GT(directCount, 250);
        else
            EXPECT_EQ(directCount, 0);
    }
}
