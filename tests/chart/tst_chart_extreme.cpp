// The chart with ranges and points at the edges of the double range: spans that
// overflow, subnormal spans, ranges degenerate at a huge value (where subtracting the
// label step changes nothing), and points at ±DBL_MAX and subnormals. The label
// computation must end with a bounded number of labels, the drawing must finish, and
// the mouse must not break it.

#include "ChartTestWindow.h"

#include "chart/LineSeries.h"
#include "chart/PointSeries.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <QtTest>

#include <cfloat>
#include <cmath>

class TestChartExtreme : public QObject {
    Q_OBJECT

  private slots:
    void drawsAnyRange_data();
    void drawsAnyRange();
};

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

    QVERIFY(!window.chart->RenderToImage().isNull());
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
            send(QEvent::MouseButtonPress, from, button, button);
            send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, button);
            send(QEvent::MouseMove, to, Qt::NoButton, button);
            send(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
            QVERIFY(!chart->RenderToImage().isNull());
        }
    }
    for (int delta : {120, -120, 120 * 40}) {
        QWheelEvent wheel(QPointF(a), QPointF(chart->mapToGlobal(a)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(chart, &wheel);
        QVERIFY(!chart->RenderToImage().isNull());
    }
    QCoreApplication::processEvents();
}

QTEST_MAIN(TestChartExtreme)
#include "tst_chart_extreme.moc"
