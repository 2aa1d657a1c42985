#include "ChartTestWindow.h"

#include <QFontMetrics>
#include <QLabel>
#include <QtTest>

namespace {

constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb Green = 0xFF008000;
constexpr QRgb Gray = 0xFF808080;

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xFF000000;
}

int TitleHeight() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return QFontMetrics(font).height();
}

bool IsBlueText(QRgb pixel) {
    return qBlue(pixel) > 150 && qRed(pixel) < 110 && qGreen(pixel) < 110;
}

// The pixels a series may paint: inside the frame, less its last row.
QRect ClipRect(const QRect& plot) {
    return QRect(QPoint(plot.left() + 1, plot.top() + 1),
                 QPoint(plot.right() - 1, plot.bottom() - 2));
}

} // namespace

class ChartDrawingTest : public QObject {
    Q_OBJECT
  private slots:
    void layoutFollowsMarginsTitleAndAxisBands_data();
    void layoutFollowsMarginsTitleAndAxisBands();
    void panelHasALoweredBevel();
    void backWallFramesThePlot();
    void titleIsBlueAndCentred();
    void gridIsDottedGrayInsideTheFrame();
    void degenerateRangeShowsOneGridLineInTheMiddle();
    void axisLineSeriesSpansThePlot();
    void seriesLeftOfTheRangeDrawsNothing();
    void markersAreTwoByTwoInTheirPointColour();
    void segmentsTakeTheColourOfTheirEndPoint();
    void noneColouredPointsBreakTheLine();
    void seriesAreClippedToTheInsideOfTheFrame();
    void visibleAxisLinesAreBlackAndTwoPixelsWide();
    void highDensityDrawsTheSameLogicalPicture();
    void captionsLieOnTopInTheWindowFont();
    void aBatchOfChangesIsDrawnOnce();
};

void ChartDrawingTest::layoutFollowsMarginsTitleAndAxisBands_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("right");
    QTest::addColumn<bool>("axisLines");
    QTest::newRow("hodograph") << 451 << 437 << false;
    QTest::newRow("nyquist") << 444 << 431 << false;
    QTest::newRow("d-partition") << 451 << 437 << true;
}

void ChartDrawingTest::layoutFollowsMarginsTitleAndAxisBands() {
    QFETCH(int, width);
    QFETCH(int, right);
    QFETCH(bool, axisLines);
    ChartTestWindow window(width, 446);
    window.chart->BottomAxis()->SetAxisVisible(axisLines);
    window.chart->LeftAxis()->SetAxisVisible(axisLines);
    window.SetRanges(-5, 12, -3, 3);
    window.chart->RenderToImage();
    const QRect plot = window.chart->PlotRect();
    const int h = TitleHeight();
    const int ticks = axisLines ? 6 : 4;
    QCOMPARE(plot.right(), right);
    QCOMPARE(plot.top(), 18 + h + 5);
    QCOMPARE(plot.bottom(), 428 - h - ticks);
    // The left band holds "-3" (the wider end) and a space.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    const QFontMetrics metrics(font);
    const int band = metrics.horizontalAdvance(QStringLiteral("-3")) +
                     metrics.horizontalAdvance(QStringLiteral(" "));
    QCOMPARE(plot.left(), (width == 444 ? 13 : 14) + band + ticks);
    QCOMPARE(window.chart->BottomAxis()->LabelBandPos(), 428 - h);
}

void ChartDrawingTest::panelHasALoweredBevel() {
    ChartTestWindow window;
    const QImage image = window.chart->RenderToImage();
    const QPalette& palette = window.chart->palette();
    QCOMPARE(Pixel(image, 0, 100), palette.color(QPalette::Dark).rgb());
    QCOMPARE(Pixel(image, 100, 0), palette.color(QPalette::Dark).rgb());
    QCOMPARE(Pixel(image, 450, 100), palette.color(QPalette::Light).rgb());
    QCOMPARE(Pixel(image, 100, 445), palette.color(QPalette::Light).rgb());
    QCOMPARE(Pixel(image, 5, 100), palette.color(QPalette::Button).rgb());
}

void ChartDrawingTest::backWallFramesThePlot() {
    ChartTestWindow window;
    window.SetRanges(-5, 12, -3, 3);
    const QImage image = window.chart->RenderToImage();
    const QRect plot = window.chart->PlotRect();
    for (int x = plot.left(); x <= plot.right(); ++x) {
        QCOMPARE(Pixel(image, x, plot.top()), Black);
        QCOMPARE(Pixel(image, x, plot.bottom()), Black);
    }
    for (int y = plot.top(); y <= plot.bottom(); ++y) {
        QCOMPARE(Pixel(image, plot.left(), y), Black);
        QCOMPARE(Pixel(image, plot.right(), y), Black);
    }
    // No fill: the inside shows the panel colour between the grid lines.
    const QRgb face = window.chart->palette().color(QPalette::Button).rgb();
    QCOMPARE(Pixel(image, plot.left() + 1, plot.top() + 1), face);
    QCOMPARE(Pixel(image, plot.left() - 1, plot.top() - 1), face);
}

void ChartDrawingTest::titleIsBlueAndCentred() {
    ChartTestWindow window;
    window.chart->SetTitle(QStringLiteral("HHHH HHHH"));
    const QImage image = window.chart->RenderToImage();
    const int h = TitleHeight();
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsBlueText(Pixel(image, x, y))) {
                QVERIFY2(y >= 18 && y < 18 + h, "blue outside the title line");
                if (first < 0 || x < first)
                    first = x;
                last = std::max(last, x);
            }
    QVERIFY(first > 0);
    const int centre = (14 + 437) / 2;
    QVERIFY2(std::abs((first + last) / 2 - centre) <= 2, "title not centred");
}

void ChartDrawingTest::gridIsDottedGrayInsideTheFrame() {
    ChartTestWindow window;
    window.SetRanges(-5, 12, -3, 3);
    const QImage image = window.chart->RenderToImage();
    const QRect plot = window.chart->PlotRect();
    const int x = window.chart->BottomAxis()->ValueToPixel(0);
    const QRgb face = window.chart->palette().color(QPalette::Button).rgb();
    int gray = 0;
    int gaps = 0;
    for (int y = plot.top() + 1; y < plot.bottom(); ++y) {
        const QRgb pixel = Pixel(image, x, y);
        gray += pixel == Gray;
        gaps += pixel == face;
        QVERIFY(pixel == Gray || pixel == face);
    }
    QVERIFY(gray > 50);
    QVERIFY(gaps > 50);
    const int y = window.chart->LeftAxis()->ValueToPixel(1);
    QVERIFY(Pixel(image, plot.left() + 1, y) == Gray || Pixel(image, plot.left() + 2, y) == Gray);
    // The ticks below the frame are solid gray.
    for (int dy = 1; dy <= 4; ++dy)
        QCOMPARE(Pixel(image, x, plot.bottom() + dy), Gray);
    QCOMPARE(Pixel(image, x, plot.bottom()), Black);
}

void ChartDrawingTest::degenerateRangeShowsOneGridLineInTheMiddle() {
    ChartTestWindow window; // both axes at [0, 0]
    const QImage image = window.chart->RenderToImage();
    const QRect plot = window.chart->PlotRect();
    QList<int> gridColumns;
    for (int x = plot.left() + 1; x < plot.right(); ++x)
        if (Pixel(image, x, plot.top() + 1) == Gray || Pixel(image, x, plot.top() + 2) == Gray)
            gridColumns.append(x);
    QCOMPARE(gridColumns, QList<int>{(plot.left() + plot.right()) / 2});
}

void ChartDrawingTest::axisLineSeriesSpansThePlot() {
    ChartTestWindow window;
    auto* line = window.chart->AddSeries<TLineSeries>();
    line->SetSeriesColor(clBlack);
    line->SetLinePenWidth(2);
    window.SetRanges(-5, 12, -3, 3);
    line->AddPoint(-30, 0, clDefault);
    line->AddPoint(30, 0, clDefault);
    const QImage image = window.chart->RenderToImage();
    const QRect clip = ClipRect(window.chart->PlotRect());
    const int y = window.chart->LeftAxis()->ValueToPixel(0);
    for (int x = clip.left(); x <= clip.right(); ++x)
        QCOMPARE(Pixel(image, x, y), Black);
    QVERIFY(Pixel(image, clip.left() - 2, y) != Black);
    QVERIFY(Pixel(image, clip.right() + 2, y) != Black);
}

void ChartDrawingTest::seriesLeftOfTheRangeDrawsNothing() {
    ChartTestWindow window;
    window.SetRanges(1, 9, -3, 3);
    const QImage before = window.chart->RenderToImage();
    auto* line = window.chart->AddSeries<TLineSeries>();
    line->SetLinePenWidth(2);
    line->AddPoint(0, -30, clDefault);
    line->AddPoint(0, 30, clDefault);
    QCOMPARE(window.chart->RenderToImage(), before);
    // All points right of the range: one point, no segment.
    line->ClearPoints();
    line->AddPoint(20, -30, clRed);
    line->AddPoint(30, 30, clRed);
    QCOMPARE(window.chart->RenderToImage(), before);
}

void ChartDrawingTest::markersAreTwoByTwoInTheirPointColour() {
    ChartTestWindow window;
    auto* points = window.chart->AddSeries<TPointSeries>();
    TSeriesPointer pointer = points->Pointer();
    pointer.HorizSize = 1;
    pointer.VertSize = 1;
    pointer.Pen.Visible = false;
    points->SetPointer(pointer);
    points->SetSeriesColor(clRed);
    window.SetRanges(-5, 12, -3, 3);
    points->AddPoint(2.3, 1.1, clRed);
    points->AddPoint(-1, -1, clBlue);
    const QImage image = window.chart->RenderToImage();
    const TChartAxis* bottom = window.chart->BottomAxis();
    const TChartAxis* left = window.chart->LeftAxis();
    const struct {
        double x, y;
        QRgb colour;
    } markers[] = {{2.3, 1.1, Red}, {-1, -1, Blue}};
    for (const auto& m : markers) {
        const int px = bottom->ValueToPixel(m.x);
        const int py = left->ValueToPixel(m.y);
        for (int dy = -2; dy <= 1; ++dy)
            for (int dx = -2; dx <= 1; ++dx) {
                const bool inside = dx >= -1 && dx <= 0 && dy >= -1 && dy <= 0;
                QCOMPARE(Pixel(image, px + dx, py + dy) == m.colour, inside);
            }
    }
}

void ChartDrawingTest::segmentsTakeTheColourOfTheirEndPoint() {
    ChartTestWindow window;
    auto* line = window.chart->AddSeries<TLineSeries>();
    line->SetSeriesColor(clGreen);
    window.SetRanges(-5, 12, -3, 3);
    // Added out of order: stored by x.
    line->AddPoint(4, 1.5, clBlue);
    line->AddPoint(-4, 1.5, clDefault);
    line->AddPoint(8, 1.5, clDefault);
    line->AddPoint(0, 1.5, clRed);
    const QImage image = window.chart->RenderToImage();
    const TChartAxis* bottom = window.chart->BottomAxis();
    const int y = window.chart->LeftAxis()->ValueToPixel(1.5);
    const int x0 = bottom->ValueToPixel(-4), x1 = bottom->ValueToPixel(0),
              x2 = bottom->ValueToPixel(4), x3 = bottom->ValueToPixel(8);
    for (int x = x0; x < x1; ++x)
        QCOMPARE(Pixel(image, x, y), Red);
    for (int x = x1; x < x2; ++x)
        QCOMPARE(Pixel(image, x, y), Blue);
    for (int x = x2; x < x3; ++x)
        QCOMPARE(Pixel(image, x, y), Green);
    // The end pixel of the last segment is left out.
    QVERIFY(Pixel(image, x3, y) != Green);
    QVERIFY(Pixel(image, x0 - 1, y) != Red);
}

void ChartDrawingTest::noneColouredPointsBreakTheLine() {
    ChartTestWindow window;
    auto* line = window.chart->AddSeries<TLineSeries>();
    window.SetRanges(-5, 12, -3, 3);
    line->AddPoint(-4, 0, clRed);
    line->AddPoint(0, 0, clNone);
    line->AddPoint(4, 0, clRed);
    const QImage image = window.chart->RenderToImage();
    const TChartAxis* bottom = window.chart->BottomAxis();
    const int y = window.chart->LeftAxis()->ValueToPixel(0);
    QVERIFY(Pixel(image, bottom->ValueToPixel(-2), y) != Red);
    QCOMPARE(Pixel(image, bottom->ValueToPixel(2), y), Red);
}

void ChartDrawingTest::seriesAreClippedToTheInsideOfTheFrame() {
    ChartTestWindow window;
    auto* diagonal = window.chart->AddSeries<TLineSeries>();
    diagonal->SetLinePenWidth(2);
    // Enters from far above the left edge: the start on the edge is 1.4e8 pixels up.
    // Green, a colour the chart draws nothing else in (the title is blue).
    auto* steep = window.chart->AddSeries<TLineSeries>();
    window.SetRanges(-5, 12, -3, 3);
    diagonal->AddPoint(-100, -100, clRed);
    diagonal->AddPoint(100, 100, clRed);
    steep->AddPoint(-6, 1e6, clGreen);
    steep->AddPoint(1, 0, clGreen);
    const QImage image = window.chart->RenderToImage();
    const QRect clip = ClipRect(window.chart->PlotRect());
    int red = 0;
    int green = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = Pixel(image, x, y);
            if (pixel != Red && pixel != Green)
                continue;
            QVERIFY2(clip.contains(x, y), qPrintable(QStringLiteral("at %1,%2").arg(x).arg(y)));
            (pixel == Red ? red : green) += 1;
        }
    QVERIFY(red > 300);
    const int y0 = window.chart->LeftAxis()->ValueToPixel(0);
    QVERIFY(green >= y0 - clip.top() - 2);
}

void ChartDrawingTest::visibleAxisLinesAreBlackAndTwoPixelsWide() {
    ChartTestWindow window;
    window.chart->BottomAxis()->SetAxisVisible(true);
    window.chart->LeftAxis()->SetAxisVisible(true);
    window.SetRanges(-5, 12, -3, 3);
    const QImage image = window.chart->RenderToImage();
    const QRect plot = window.chart->PlotRect();
    const int x = (plot.left() + plot.right()) / 2 + 3;
    int black = 0;
    for (int y = plot.bottom() - 3; y <= plot.bottom() + 3; ++y)
        black += Pixel(image, x, y) == Black;
    QCOMPARE(black, 2);
}

void ChartDrawingTest::highDensityDrawsTheSameLogicalPicture() {
    ChartTestWindow window;
    auto* points = window.chart->AddSeries<TPointSeries>();
    TSeriesPointer pointer = points->Pointer();
    pointer.HorizSize = pointer.VertSize = 1;
    pointer.Pen.Visible = false;
    points->SetPointer(pointer);
    window.SetRanges(-5, 12, -3, 3);
    points->AddPoint(2, 1, clRed);
    const QImage single = window.chart->RenderToImage(1);
    const QRect plot = window.chart->PlotRect();
    const QImage doubled = window.chart->RenderToImage(2);
    QCOMPARE(doubled.size(), QSize(902, 892));
    QCOMPARE(window.chart->PlotRect(), plot);
    const int px = window.chart->BottomAxis()->ValueToPixel(2);
    const int py = window.chart->LeftAxis()->ValueToPixel(1);
    for (int dy = -3; dy <= 2; ++dy)
        for (int dx = -3; dx <= 2; ++dx) {
            const bool inside = dx >= -2 && dx <= 1 && dy >= -2 && dy <= 1;
            QCOMPARE(Pixel(doubled, 2 * px + dx, 2 * py + dy) == Red, inside);
        }
    // The frame covers both device rows of its logical row.
    QCOMPARE(Pixel(doubled, 2 * px, 2 * plot.top()), Black);
    QCOMPARE(Pixel(doubled, 2 * px, 2 * plot.top() + 1), Black);
    QVERIFY(Pixel(doubled, 2 * px, 2 * plot.top() + 2) != Black);
    QCOMPARE(Pixel(single, px, plot.top()), Black);
}

void ChartDrawingTest::captionsLieOnTopInTheWindowFont() {
    ChartTestWindow window;
    window.SetRanges(-5, 12, -3, 3);
    const QImage without = window.chart->RenderToImage();
    QLabel* caption = window.chart->AddCaption(QStringLiteral("jQ"), 5, 36);
    QCOMPARE(caption->parentWidget(), window.chart);
    QCOMPARE(caption->pos(), QPoint(5, 36));
    QCOMPARE(caption->font(), window.host->font());
    const QImage with = window.chart->RenderToImage();
    int dark = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                QVERIFY(caption->geometry().contains(x, y));
                dark += qGray(with.pixel(x, y)) < 100;
            }
    QVERIFY(dark > 5);
}

void ChartDrawingTest::aBatchOfChangesIsDrawnOnce() {
    ChartTestWindow window;
    auto* points = window.chart->AddSeries<TPointSeries>();
    window.host->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.host.get()));
    QTRY_VERIFY(!window.chart->Stale());
    const int before = window.chart->DrawCount();
    QVERIFY(before >= 1);

    window.SetRanges(-1, 1, -1, 1);
    points->ClearPoints();
    for (int i = 0; i < 5000; ++i)
        points->AddPoint(std::cos(i * 0.01), std::sin(i * 0.013), clRed);
    // Adding records and asks; it does not draw.
    QCOMPARE(window.chart->DrawCount(), before);
    QVERIFY(window.chart->Stale());
    QTRY_COMPARE(window.chart->DrawCount(), before + 1);
    QCoreApplication::processEvents();
    QCOMPARE(window.chart->DrawCount(), before + 1);

    // A paint without a change copies the image only.
    window.chart->repaint();
    QCOMPARE(window.chart->DrawCount(), before + 1);

    // Clearing an empty series still brings one redraw.
    auto* empty = window.chart->AddSeries<TLineSeries>();
    QTRY_COMPARE(window.chart->DrawCount(), before + 2);
    empty->ClearPoints();
    QTRY_COMPARE(window.chart->DrawCount(), before + 3);
}

QTEST_MAIN(ChartDrawingTest)
#include "tst_ChartDrawing.moc"
