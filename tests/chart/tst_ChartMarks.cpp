// Marks and hatching over the series: without them the picture is the one the chart
// always drew, bit for bit; with them each mark's shape lies at its point's pixel in its
// colour, its text beside it inside the plot, the strokes on their side of the path at
// their spacing, everything within the series' clip (on a vector device too, which keeps
// no clip), and all of it follows a zoom.

#include "ChartTestWindow.h"

#include "chart/LineSeries.h"
#include "chart/PointSeries.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QtTest>

#include <cmath>
#include <set>

namespace {

constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb Green = 0xFF008000;

const QString Label = QStringLiteral("ω = 12,25");

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xFF000000;
}

QRect ClipRect(const QRect& plot) {
    return QRect(QPoint(plot.left() + 1, plot.top() + 1),
                 QPoint(plot.right() - 1, plot.bottom() - 2));
}

QPoint PixelOf(TChart* chart, double x, double y) {
    return QPoint(chart->BottomAxis()->ValueToPixel(x), chart->LeftAxis()->ValueToPixel(y));
}

// The pixels where two pictures of one size differ.
QList<QPoint> Differences(const QImage& a, const QImage& b) {
    QList<QPoint> points;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                points.append(QPoint(x, y));
    return points;
}

QList<QPoint> PixelsOf(const QImage& image, QRgb colour) {
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Pixel(image, x, y) == colour)
                points.append(QPoint(x, y));
    return points;
}

// A chart with a curve and points over it, as a lab draws them.
void AddSeries(ChartTestWindow& window) {
    auto* line = window.chart->AddSeries<TLineSeries>();
    line->SetLinePenWidth(2);
    auto* points = window.chart->AddSeries<TPointSeries>();
    for (int i = 0; i <= 400; ++i) {
        const double x = -5 + 17.0 * i / 400;
        line->AddPoint(x, 2.5 * std::sin(x), clRed);
        if (i % 40 == 0)
            points->AddPoint(x, std::cos(x), clBlue);
    }
}

// A path along y = `y` from x = `from` to `to`, in many small steps.
THatchedPath HorizontalPath(double y, double from, double to, int side, TColor colour) {
    THatchedPath path;
    for (int i = 0; i <= 2000; ++i)
        path.Points.push_back({from + (to - from) * i / 2000, y});
    path.Side = side;
    path.Color = colour;
    return path;
}

} // namespace

class ChartMarksTest : public QObject {
    Q_OBJECT
  private slots:
    void withoutMarksThePictureIsTheSame_data();
    void withoutMarksThePictureIsTheSame();
    void onlyAChangeAsksForARepaint();
    void marksLieAtTheirPixelsInTheirColours();
    void textsStayInsideThePlot();
    void strokesAndMarksFollowTheZoom();
    void vectorPicturesKeepEverythingInsideThePlot();
};

void ChartMarksTest::withoutMarksThePictureIsTheSame_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1") << qreal(1);
    QTest::newRow("1.5") << qreal(1.5);
    QTest::newRow("2") << qreal(2);
}

void ChartMarksTest::withoutMarksThePictureIsTheSame() {
    QFETCH(qreal, ratio);
    ChartTestWindow window;
    AddSeries(window);
    window.SetRanges(-5, 12, -3, 3);
    TChart* chart = window.chart;
    const QImage before = chart->RenderToImage(ratio);
    chart->SetMarks({{-1, 0, clBlue, TMarkShape::Critical, QStringLiteral("(-1, j0)")},
                     {2, 1, clGreen, TMarkShape::Ring, Label}});
    chart->SetHatching({HorizontalPath(-1, -4, 10, +1, clGreen)});
    QVERIFY(chart->RenderToImage(ratio) != before);
    chart->ClearMarks();
    chart->ClearHatching();
    QCOMPARE(chart->RenderToImage(ratio), before);
    // Marks wholly outside the ranges draw nothing either.
    chart->SetMarks({{20, 1, clGreen, TMarkShape::Critical, Label},
                     {2, 3.5, clGreen, TMarkShape::Ring, Label}});
    chart->SetHatching({HorizontalPath(5, -4, 10, -1, clGreen)});
    QCOMPARE(chart->RenderToImage(ratio), before);
}

void ChartMarksTest::onlyAChangeAsksForARepaint() {
    ChartTestWindow window;
    TChart* chart = window.chart;
    window.host->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.host.get()));
    QTRY_VERIFY(!chart->Stale());
    const std::vector<TChartMark> marks{{1, 1, clRed, TMarkShape::Ring, Label}};
    const std::vector<THatchedPath> paths{HorizontalPath(0, -1, 1, +1, clRed)};
    const std::function<void()> changes[] = {
        [&] { chart->SetMarks(marks); },
        [&] { chart->SetHatching(paths); },
        [&] { chart->ClearMarks(); },
        [&] { chart->ClearHatching(); },
    };
    for (const auto& change : changes) {
        change();
        QVERIFY(chart->Stale());
        QTRY_VERIFY(!chart->Stale());
        change(); // the same again: nothing to draw anew
        QVERIFY(!chart->Stale());
    }
}

void ChartMarksTest::marksLieAtTheirPixelsInTheirColours() {
    ChartTestWindow window;
    window.SetRanges(-5, 12, -3, 3);
    TChart* chart = window.chart;
    chart->SetMarks({{2, 1, clRed, TMarkShape::Ring, QString()},
                     {-1, 0, clBlue, TMarkShape::Critical, QString()}});
    const QImage image = chart->RenderToImage();
    // A hollow ring of radius 3.
    const QPoint ring = PixelOf(chart, 2, 1);
    for (const QPoint offset : {QPoint(3, 0), QPoint(-3, 0), QPoint(0, 3), QPoint(0, -3)})
        QCOMPARE(Pixel(image, ring.x() + offset.x(), ring.y() + offset.y()), Red);
    QVERIFY(Pixel(image, ring.x(), ring.y()) != Red);
    QVERIFY(Pixel(image, ring.x() + 1, ring.y()) != Red);
    QVERIFY(Pixel(image, ring.x() + 5, ring.y()) != Red);
    // The critical point: a ring of radius 5 crossed along both diagonals.
    const QPoint critical = PixelOf(chart, -1, 0);
    for (const QPoint offset : {QPoint(5, 0), QPoint(-5, 0), QPoint(0, 5), QPoint(0, -5)})
        QCOMPARE(Pixel(image, critical.x() + offset.x(), critical.y() + offset.y()), Blue);
    for (int k = -3; k <= 3; ++k) {
        QCOMPARE(Pixel(image, critical.x() + k, critical.y() + k), Blue);
        QCOMPARE(Pixel(image, critical.x() + k, critical.y() - k), Blue);
    }
    QVERIFY(Pixel(image, critical.x() + 1, critical.y()) != Blue);
    QVERIFY(Pixel(image, critical.x() + 7, critical.y()) != Blue);
    // Nothing else: the marks change only pixels of their colours, inside the clip.
    chart->ClearMarks();
    const QRect clip = ClipRect(chart->PlotRect());
    for (const QPoint& p : Differences(image, chart->RenderToImage())) {
        QVERIFY(clip.contains(p));
        QVERIFY(Pixel(image, p.x(), p.y()) == Red || Pixel(image, p.x(), p.y()) == Blue);
    }
}

void ChartMarksTest::textsStayInsideThePlot() {
    ChartTestWindow window;
    window.SetRanges(-5, 12, -3, 3);
    TChart* chart = window.chart;
    chart->RenderToImage();
    const QRect clip = ClipRect(chart->PlotRect());
    struct Case {
        const char* name;
        double x, y;
        bool right, above; // where the text lies from the mark
    };
    const Case cases[] = {
        {"middle", 2, 1, true, true},
        {"near the right edge", 11.8, 1, false, true},
        {"near the top edge", 2, 2.9, true, false},
        {"top right corner", 12, 3, false, false},
        {"bottom left corner", -5, -3, true, true},
    };
    for (const Case& c : cases) {
        chart->SetMarks({{c.x, c.y, clRed, TMarkShape::Ring, QString()}});
        const QImage bare = chart->RenderToImage();
        chart->SetMarks({{c.x, c.y, clRed, TMarkShape::Ring, Label}});
        const QList<QPoint> text = Differences(bare, chart->RenderToImage());
        QVERIFY2(text.size() > 20, c.name);
        const QPoint mark = PixelOf(chart, c.x, c.y);
        for (const QPoint& p : text) {
            QVERIFY2(clip.contains(p), c.name);
            QVERIFY2(c.right ? p.x() > mark.x() + 3 : p.x() < mark.x() - 3, c.name);
            QVERIFY2(c.above ? p.y() < mark.y() : p.y() > mark.y(), c.name);
        }
    }
}

void ChartMarksTest::strokesAndMarksFollowTheZoom() {
    ChartTestWindow window;
    window.SetRanges(-5, 12, -3, 3);
    TChart* chart = window.chart;
    chart->SetHatching({HorizontalPath(1, -4, 10, +1, clGreen)});
    chart->SetMarks({{3, 0.5, clRed, TMarkShape::Ring, QString()}});
    // Twice: as the ranges were written, and zoomed in as the mouse zooms.
    for (int zoomed = 0; zoomed < 2; ++zoomed) {
        const QImage image = chart->RenderToImage();
        const int row = chart->LeftAxis()->ValueToPixel(1);
        std::set<int> columns;
        int highest = row;
        for (const QPoint& p : PixelsOf(image, Green)) {
            // Above the path (its left, walking rightwards), six pixels long at most.
            QVERIFY(p.y() <= row && p.y() >= row - 6);
            highest = std::min(highest, p.y());
            columns.insert(p.x());
        }
        QVERIFY(highest <= row - 4);
        // Eight pixels apart, whatever the zoom.
        QVERIFY(columns.size() > 20);
        for (auto it = std::next(columns.begin()); it != columns.end(); ++it) {
            const int gap = *it - *std::prev(it);
            QVERIFY2(gap >= 7 && gap <= 9, qPrintable(QString::number(gap)));
        }
        const QPoint mark = PixelOf(chart, 3, 0.5);
        QCOMPARE(Pixel(image, mark.x() + 3, mark.y()), Red);
        QCOMPARE(Pixel(image, mark.x() - 3, mark.y()), Red);
        chart->BottomAxis()->SetRange(0, 6);
        chart->LeftAxis()->SetRange(0, 2);
    }
}

void ChartMarksTest::vectorPicturesKeepEverythingInsideThePlot() {
    ChartTestWindow window;
    window.SetRanges(-5, 12, -3, 3);
    TChart* chart = window.chart;
    chart->RenderToImage();
    const QRect clip = ClipRect(chart->PlotRect());
    // A path leaving through the right edge and, under it, the left one, hatched on
    // the side towards the frame; a mark on the very corner of the ranges.
    THatchedPath path = HorizontalPath(2.95, -3, 40, +1, clGreen);
    path.Points.push_back({40, -2.95});
    path.Points.push_back({-40, -2.95});
    chart->SetHatching({path});
    // Magenta: a colour nothing else in the picture has (the title is blue).
    chart->SetMarks({{12, 3, 0xFF00FF, TMarkShape::Critical, Label}});
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(chart->size());
    generator.setViewBox(QRect(QPoint(0, 0), chart->size()));
    QPainter painter(&generator);
    chart->RenderTo(painter);
    QVERIFY(painter.end());
    QVERIFY(QString::fromUtf8(svg.data()).contains(Label));

    QImage image(chart->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(svg.data());
    QPainter replay(&image);
    renderer.render(&replay);
    replay.end();
    // Smoothed edges may reach a pixel beyond the clip.
    const QRect inside = clip.adjusted(-1, -1, 1, 1);
    int green = 0;
    int magenta = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const bool isGreen = qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 40;
            const bool isMagenta = qBlue(p) > qGreen(p) + 40 && qRed(p) > qGreen(p) + 40;
            if (!isGreen && !isMagenta)
                continue;
            QVERIFY2(inside.contains(x, y), qPrintable(QStringLiteral("at %1,%2").arg(x).arg(y)));
            (isGreen ? green : magenta) += 1;
        }
    QVERIFY(green > 100);
    QVERIFY(magenta > 5);
}

QTEST_MAIN(ChartMarksTest)
#include "tst_ChartMarks.moc"
