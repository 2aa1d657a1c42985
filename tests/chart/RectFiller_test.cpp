// Filling through the direct way must give the pixels QPainter::fillRect gives: random
// rectangles (inside, across and outside the clip and the image, empty, negative),
// opaque and translucent colours, with and without a clip, and when the direct way is
// closed (a scaled painter); QColors and chart colours in runs.

#include "chart/RectFiller.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <random>

namespace {

struct FillCase {
    const char* name;
    QImage::Format format;
    bool clip;
    qreal scale;
};

QRect RandomRect(std::mt19937& rng) {
    std::uniform_int_distribution<int> pos(-20, 120), size(-3, 12);
    return QRect(pos(rng), pos(rng), size(rng), size(rng));
}

QColor RandomColor(std::mt19937& rng) {
    std::uniform_int_distribution<int> part(0, 255);
    const int alpha = std::uniform_int_distribution<int>(0, 5)(rng) == 0 ? part(rng) : 255;
    return QColor(part(rng), part(rng), part(rng), alpha);
}

void Prepare(QPainter& painter, const FillCase& c) {
    painter.scale(c.scale, c.scale);
    if (c.clip)
        painter.setClipRect(QRect(QPoint(7, 5), QPoint(88, 71)));
}

} // namespace

TEST(RectFiller, GivesThePixelsOfThePainter) {
    const FillCase cases[] = {
        {"premultiplied, clipped", QImage::Format_ARGB32_Premultiplied, true, 1.0},
        {"premultiplied, unclipped", QImage::Format_ARGB32_Premultiplied, false, 1.0},
        {"rgb32, clipped", QImage::Format_RGB32, true, 1.0},
        {"other format", QImage::Format_ARGB32, true, 1.0},
        {"scaled", QImage::Format_ARGB32_Premultiplied, true, 2.0},
    };
    for (const FillCase& c : cases) {
        SCOPED_TRACE(c.name);
        QImage direct(100, 80, c.format), painted(100, 80, c.format);
        direct.fill(Qt::white);
        painted.fill(Qt::white);
        std::mt19937 rng(11);
        {
            QPainter a(&direct), b(&painted);
            Prepare(a, c);
            Prepare(b, c);
            TRectFiller filler(a);
            // Chart colours in runs, mixed with QColors, so that the kept conversion
            // of the last chart colour is used, replaced and outlived by QColor fills.
            const TColor palette[] = {clRed, clBlue, clBlack, clDefault, 0x123456};
            std::uniform_int_distribution<int> pick(0, 4), run(0, 3);
            TColor chartColor = clRed;
            for (int k = 0; k < 3000; ++k) {
                const QRect rect = RandomRect(rng);
                if (k % 3 == 0) {
                    const QColor color = RandomColor(rng);
                    filler.Fill(rect, color);
                    b.fillRect(rect, color);
                } else {
                    if (run(rng) == 0)
                        chartColor = palette[pick(rng)];
                    filler.Fill(rect, chartColor);
                    b.fillRect(rect, ToQColor(chartColor));
                }
            }
        }
        ASSERT_EQ(direct, painted);
    }
}
