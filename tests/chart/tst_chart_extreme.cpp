// The chart with ranges and points at the edges of the double range: spans that
// overflow, subnormal spans, ranges degenerate at a huge value (where subtracting the
// label step changes nothing), and points, marks and hatching at ±DBL_MAX and
// subnormals. The label computation must end with a bounded number of labels, every
// drawing must frame its plot and leave no floating-point flag behind, and the mouse
// must not break it; a lab run after such a drawing computes exactly what it computes
// alone.

#include "ChartTestWindow.h"

#include "chart/LineSeries.h"
#include "chart/PointSeries.h"
#include "curves/HodographRun.h"
#include "ground/FloatEnv.h"
#include "tests/support/FakePlotTarget.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <QtTest>

#include <cfloat>
#include <cmath>
#include <limits>

class TestChartExtreme : public QObject {
    Q_OBJECT

  private slots:
    void drawsAnyRange_data();
    void drawsAnyRange();
    void runAfterAnExtremeDrawingIsItsOwn();
};

namespace {

// A drawing of the chart as it stands, checked: the plot framed in black at its four
// corners (the series are clipped inside the frame, so a picture that got that far
// was drawn through) and no fault flag left for the next computation to find, the
// software arithmetic's included.
void CheckDrawing(TChart* chart) {
    ClearFloatFlags();
    const QImage image = chart->RenderToImage();
    QVERIFY2(!FloatFaultPending(), "the drawing left a floating-point fault flag behind");
    QCOMPARE(image.size(), chart->size());
    const QRect plot = chart->PlotRect();
    for (const QPoint corner :
         {plot.topLeft(), plot.topRight(), plot.bottomLeft(), plot.bottomRight()})
        QCOMPARE(QColor(image.pixel(corner)), QColor(Qt::black));
}

} // namespace

void TestChartExtreme::drawsAnyRange_data() {
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<bool>("bySetRange"); // as zoom and pan set it, without the checks
    QTest::newRow("span beyond the double range") << -1.7e308 << 1.7e308 << false;
    QTest::newRow("whole double range") << -DBL_MAX << DBL_MAX << false;
    QTest::newRow("subnormal span") << 0.0 << DBL_TRUE_MIN << false;
    QTest::newRow("tiny symmetric") << -1e-300 << 1e-300 << false;
    QTest::newRow("degenerate at 1e308") << 1e308 << 1e308 << false;
    QTest::newRow("zoomed to nothing at 1e308") << 1e308 << 1e308 << true;
    QTest::newRow("zoomed to nothing at -1e300") << -1e300 << -1e300 << true;
    QTest::newRow("zoomed to nothing at 1") << 1.0 << 1.0 << true;
    QTest::newRow("labels in general format") << 1e17 << 1e19 << false;
    QTest::newRow("negative huge") << -1e308 << -1e307 << true;
    QTest::newRow("span far below the step floor") << 1.0 << 1.0 + 1e-15 << false;
    QTest::newRow("panned below zero") << -5.0 << -2.0 << true;
}

void TestChartExtreme::drawsAnyRange() {
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(bool, bySetRange);

    ChartTestWindow window;
    auto* line = window.chart->AddSeries<TLineSeries>();
    auto* points = window.chart->AddSeries<TPointSeries>();
    const double values[] = {-DBL_MAX,     -1e308, -1.0, -DBL_TRUE_MIN, 0.0,
                             DBL_TRUE_MIN, 1e-308, 1.0,  1e308,         DBL_MAX};
    for (double x : values)
        for (double y : {-DBL_MAX, 0.0, DBL_TRUE_MIN, DBL_MAX}) {
            line->AddPoint(x, y, clRed);
            points->AddPoint(x, -y, clBlue);
        }
    // Marks and a hatched path through the same values, infinities and a break.
    THatchedPath path;
    std::vector<TChartMark> marks;
    for (double x : values)
        for (double y :
             {-DBL_MAX, -1.0, 0.0, DBL_TRUE_MIN, DBL_MAX, std::numeric_limits<double>::infinity(),
              std::numeric_limits<double>::quiet_NaN()}) {
            path.Points.push_back({x, y});
            marks.push_back({x, y, clGreen, TMarkShape::Critical, QStringLiteral("ω = 1")});
        }
    window.chart->SetHatching({path});
    window.chart->SetMarks(marks);
    for (TChartAxis* axis : {window.chart->BottomAxis(), window.chart->LeftAxis()}) {
        if (bySetRange) {
            axis->SetRange(low, high);
        } else {
            axis->SetMaximum(high);
            axis->SetMinimum(low);
        }
    }
    window.host->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.host.get()));

    CheckDrawing(window.chart);
    const TTextMeasure measure{[](const QString& t) { return 6 * int(t.size()); }, 14};
    for (TChartAxis* axis : {window.chart->BottomAxis(), window.chart->LeftAxis()}) {
        const TAxisTicks ticks = axis->CalcTicks(measure);
        QVERIFY(ticks.Labels.size() <= std::size_t(TChartAxis::MaxTickPositions));
        for (const TAxisLabel& label : ticks.Labels)
            QVERIFY2(!label.Text.isEmpty(), "an empty label");
    }

    // Zoom, undo, pan and wheel on the extreme picture, then draw again.
    TChart* chart = window.chart;
    const QPoint a = chart->PlotRect().topLeft() + QPoint(20, 20);
    const QPoint b = chart->PlotRect().bottomRight() - QPoint(20, 20);
    auto send = [chart](QEvent::Type type, QPoint pos, Qt::MouseButton button,
                        Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(pos), QPointF(chart->mapToGlobal(pos)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(chart, &event);
    };
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        for (auto [from, to] : {std::pair{a, b}, std::pair{b, a}}) {
            ClearFloatFlags();
            send(QEvent::MouseButtonPress, from, button, button);
            send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, button);
            send(QEvent::MouseMove, to, Qt::NoButton, button);
            send(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
            QVERIFY2(!FloatFaultPending(),
                     "the zoom or pan left a floating-point fault flag behind");
            CheckDrawing(chart);
        }
    }
    for (int delta : {120, -120, 120 * 40}) {
        ClearFloatFlags();
        QWheelEvent wheel(QPointF(a), QPointF(chart->mapToGlobal(a)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(chart, &wheel);
        QVERIFY2(!FloatFaultPending(), "the scroll left a floating-point fault flag behind");
        CheckDrawing(chart);
    }
    QCoreApplication::processEvents();
}

// A run reads the fault flags at every store: one that a drawing left behind would end
// it with a fault of its own. The worked example after a picture of the whole double
// range (whose spans, steps and pixels overflow) gives every point and range of the
// same run made from a clean start.
void TestChartExtreme::runAfterAnExtremeDrawingIsItsOwn() {
    const QStringList texts{"1", "3", "3", "1"};
    ResetFloatEnvironment();
    FakePlotTarget alone;
    RunHodograph(texts, alone, [] {});

    ChartTestWindow window;
    auto* line = window.chart->AddSeries<TLineSeries>();
    line->AddPoint(-DBL_MAX, -DBL_MAX, clRed);
    line->AddPoint(DBL_MAX, DBL_MAX, clRed);
    window.SetRanges(-DBL_MAX, DBL_MAX, -DBL_MAX, DBL_MAX);
    ResetFloatEnvironment();
    window.chart->RenderToImage();
    FakePlotTarget afterDrawing;
    RunHodograph(texts, afterDrawing, [] {});

    QCOMPARE(afterDrawing.log, alone.log);
    QCOMPARE(afterDrawing.samples.Size(), alone.samples.Size());
    for (std::size_t i = 0; i < alone.samples.Size(); ++i) {
        QCOMPARE(afterDrawing.samples[i].x, alone.samples[i].x);
        QCOMPARE(afterDrawing.samples[i].y, alone.samples[i].y);
    }
    for (PlotAxis axis : {PlotAxis::Bottom, PlotAxis::Left}) {
        QCOMPARE(afterDrawing.RangeOf(axis).min, alone.RangeOf(axis).min);
        QCOMPARE(afterDrawing.RangeOf(axis).max, alone.RangeOf(axis).max);
    }
}

QTEST_MAIN(TestChartExtreme)
#include "tst_chart_extreme.moc"
