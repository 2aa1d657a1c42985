// Texts drawn through the cache must be the pixels QPainter::drawText gives at the
// same baseline: the chart's label and title fonts, label-like and other texts, at
// many baselines, and their widths those of the font metrics.

#include "chart/ChartFont.h"
#include "chart/TextCache.h"
#include "tests/support/LabsTestMain.h"

#include <QImage>
#include <QPainter>

#include <random>

namespace {

QString RandomText(std::mt19937& rng) {
    static const QString alphabet =
        QStringLiteral("0123456789,.-E \u00a0Годограф Михайлова АФЧХ Д-разбиение PQUVXY()");
    std::uniform_int_distribution<int> length(0, 14);
    std::uniform_int_distribution<qsizetype> pick(0, alphabet.size() - 1);
    QString text;
    for (int n = length(rng); n > 0; --n)
        text += alphabet[pick(rng)];
    return text;
}

} // namespace

class TextCacheTest : public QObject {
    Q_OBJECT
  private slots:
    void drawsThePixelsOfDrawText_data() {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QColor>("colour");
        const TChartFont labels{QStringLiteral("Arial"), 8, clBlack, false};
        const TChartFont title{QStringLiteral("Arial"), 8, clBlue, false};
        const TChartFont bold{QStringLiteral("Arial"), 12, clRed, true};
        QTest::newRow("labels") << labels.ToQFont() << ToQColor(labels.Color);
        QTest::newRow("title") << title.ToQFont() << ToQColor(title.Color);
        QTest::newRow("bold") << bold.ToQFont() << ToQColor(bold.Color);
    }

    void drawsThePixelsOfDrawText() {
        QFETCH(QFont, font);
        QFETCH(QColor, colour);
        for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
            QImage cached(QSize(300, 200) * ratio, QImage::Format_RGB32);
            QImage drawn(cached.size(), QImage::Format_RGB32);
            cached.setDevicePixelRatio(ratio);
            drawn.setDevicePixelRatio(ratio);
            cached.fill(QColor(240, 240, 240));
            drawn.fill(QColor(240, 240, 240));
            TTextCache cache(font);
            std::mt19937 rng(3);
            std::uniform_int_distribution<int> x(-20, 290), y(-5, 210);
            QPainter a(&cached), b(&drawn);
            a.setPen(colour);
            b.setPen(colour);
            b.setFont(font);
            const QFontMetrics metrics(font);
            for (int k = 0; k < 400; ++k) {
                // Texts come back: the second drawing of a text is the cached one.
                const QString text = k % 4 == 3 ? QStringLiteral("-1,5") : RandomText(rng);
                const QPoint baseline(x(rng), y(rng));
                cache.Draw(a, baseline, text);
                b.drawText(baseline, text);
                QCOMPARE(cache.Width(text), metrics.horizontalAdvance(text));
            }
            a.end();
            b.end();
            QVERIFY2(cached == drawn, qPrintable(QStringLiteral("ratio %1").arg(ratio)));
        }
    }
};

LABS_TEST_MAIN(TextCacheTest)
#include "tst_TextCache.moc"
