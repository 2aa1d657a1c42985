#include "ChartTestWindow.h"

#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

namespace {

struct Ranges {
    double bmin, bmax, lmin, lmax;
};

Ranges Current(TChart* chart) {
    return {chart->BottomAxis()->Minimum(), chart->BottomAxis()->Maximum(),
            chart->LeftAxis()->Minimum(), chart->LeftAxis()->Maximum()};
}

void SendWheel(QWidget* widget, const QPoint& at, int delta) {
    QWheelEvent event(QPointF(at), QPointF(widget->mapToGlobal(at)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class ChartMouseTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void shortDragsChangeNothing_data();
    void shortDragsChangeNothing();
    void dragRightAndDownZoomsToTheRectangle();
    void zoomRectangleIsShownWhileDragging();
    void dragUpOrLeftRestoresTheFirstRanges();
    void pressOutsideThePlotAndAxesDoesNothing();
    void pressWithAModifierDoesNothing();
    void rightDragPansAndStopsOutsideThePlot();
    void panBelowZeroMakesTheAxisRefuseMinimumZeroUntilUndone();
    void wheelShiftsTheVerticalAxis();
    void rightClickAsksForAMenuButARightDragPans();

  private:
    // Waits until the chart has drawn its current state (its geometry is current).
    void WaitDrawn() { QTRY_VERIFY(!window->chart->Stale()); }
    void Drag(Qt::MouseButton button, QPoint from, QPoint to, Qt::KeyboardModifiers mods = {});
    void ExpectRanges(const Ranges& expected);

    std::unique_ptr<ChartTestWindow> window;
    TChart* chart = nullptr;
    QRect plot;
    const Ranges initial{-5, 12, -3, 3};
};

void ChartMouseTest::init() {
    window = std::make_unique<ChartTestWindow>();
    chart = window->chart;
    window->SetRanges(initial.bmin, initial.bmax, initial.lmin, initial.lmax);
    auto* line = chart->AddSeries<TLineSeries>();
    line->AddPoint(-4, -2, clRed);
    line->AddPoint(10, 2, clRed);
    window->host->show();
    QVERIFY(QTest::qWaitForWindowExposed(window->host.get()));
    WaitDrawn();
    plot = chart->PlotRect();
}

void ChartMouseTest::cleanup() {
    window.reset();
}

void ChartMouseTest::Drag(Qt::MouseButton button, QPoint from, QPoint to,
                          Qt::KeyboardModifiers mods) {
    QTest::mousePress(chart, button, mods, from);
    QTest::mouseMove(chart, (from + to) / 2);
    QTest::mouseMove(chart, to);
    QTest::mouseRelease(chart, button, mods, to);
}

void ChartMouseTest::ExpectRanges(const Ranges& expected) {
    const Ranges actual = Current(chart);
    QCOMPARE(actual.bmin, expected.bmin);
    QCOMPARE(actual.bmax, expected.bmax);
    QCOMPARE(actual.lmin, expected.lmin);
    QCOMPARE(actual.lmax, expected.lmax);
}

void ChartMouseTest::shortDragsChangeNothing_data() {
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("16 both ways") << QPoint(16, 16);
    QTest::newRow("16 across, far down") << QPoint(16, 100);
    QTest::newRow("far across, 16 down") << QPoint(100, 16);
    QTest::newRow("16 up and left") << QPoint(-16, -16);
}

void ChartMouseTest::shortDragsChangeNothing() {
    QFETCH(QPoint, offset);
    const QPoint from = plot.center() - QPoint(40, 40);
    const int draws = chart->DrawCount();
    Drag(Qt::LeftButton, from, from + offset);
    ExpectRanges(initial);
    QVERIFY(chart->Zoom().Restored());
    QVERIFY(!chart->Zoom().ZoomActive());
    QVERIFY(!chart->Stale());
    QCOMPARE(chart->DrawCount(), draws);
}

void ChartMouseTest::dragRightAndDownZoomsToTheRectangle() {
    const QPoint from = plot.topLeft() + QPoint(40, 30);
    const QPoint to = from + QPoint(100, 80);
    const TChartAxis* bottom = chart->BottomAxis();
    const TChartAxis* left = chart->LeftAxis();
    const Ranges expected{bottom->PixelToValue(from.x()), bottom->PixelToValue(to.x()),
                          left->PixelToValue(to.y()), left->PixelToValue(from.y())};
    QVERIFY(expected.bmin < expected.bmax && expected.lmin < expected.lmax);
    Drag(Qt::LeftButton, from, to);
    ExpectRanges(expected);
    QVERIFY(!chart->Zoom().Restored());
    QVERIFY(chart->Stale());
    WaitDrawn();
    // The corners of the rectangle are now the corners of the plot.
    QCOMPARE(chart->BottomAxis()->ValueToPixel(expected.bmin), chart->PlotRect().left());
    QCOMPARE(chart->LeftAxis()->ValueToPixel(expected.lmin), chart->PlotRect().bottom());
}

void ChartMouseTest::zoomRectangleIsShownWhileDragging() {
    const QPoint from = plot.topLeft() + QPoint(40, 30);
    const QPoint to = from + QPoint(100, 80);
    const QImage before = chart->grab().toImage();
    QTest::mousePress(chart, Qt::LeftButton, {}, from);
    QTest::mouseMove(chart, to);
    QVERIFY(chart->Zoom().ZoomActive());
    const QImage during = chart->grab().toImage();
    // Not-xor marks the edges and leaves the inside and the rest as they were.
    const QPoint onEdge(from.x() + 50, from.y());
    QVERIFY(during.pixel(onEdge) != before.pixel(onEdge));
    const QPoint inside(from.x() + 50, from.y() + 40);
    QCOMPARE(during.pixel(inside), before.pixel(inside));
    QCOMPARE(chart->Stale(), false); // the picture itself is not redrawn
    QTest::mouseRelease(chart, Qt::LeftButton, {}, from + QPoint(5, 5));
    QCOMPARE(chart->grab().toImage(), before);
}

void ChartMouseTest::dragUpOrLeftRestoresTheFirstRanges() {
    const QPoint a = plot.topLeft() + QPoint(40, 30);
    const QPoint b = a + QPoint(100, 80);
    Drag(Qt::LeftButton, a, b);
    WaitDrawn();
    Drag(Qt::LeftButton, a, b); // zoom again inside the zoom
    WaitDrawn();
    QVERIFY(Current(chart).bmax < 5);
    Drag(Qt::LeftButton, b, a);
    ExpectRanges(initial);
    QVERIFY(chart->Zoom().Restored());
    WaitDrawn();
    // A lab run then writes through the checks, and the next undo has nothing to do.
    window->SetRanges(-2, 2, -1, 1);
    Drag(Qt::LeftButton, b, a);
    ExpectRanges({-2, 2, -1, 1});
}

void ChartMouseTest::pressOutsideThePlotAndAxesDoesNothing() {
    // On the title line, then on the panel right of the plot.
    for (QPoint from : {QPoint(200, 22), QPoint(plot.right() + 5, plot.top() + 20)}) {
        Drag(Qt::LeftButton, from, from + QPoint(100, 100));
        ExpectRanges(initial);
        QVERIFY(chart->Zoom().Restored());
    }
    // Among the bottom axis's labels: nothing; on its ticks: a zoom starts.
    const QPoint onLabels(plot.left() + 30, chart->BottomAxis()->LabelBandPos() + 5);
    QTest::mousePress(chart, Qt::LeftButton, {}, onLabels);
    QVERIFY(!chart->Zoom().ZoomActive());
    QTest::mouseRelease(chart, Qt::LeftButton, {}, onLabels);
    const QPoint onTicks(plot.left() + 30, plot.bottom() + 3);
    QTest::mousePress(chart, Qt::LeftButton, {}, onTicks);
    QVERIFY(chart->Zoom().ZoomActive());
    QTest::mouseRelease(chart, Qt::LeftButton, {}, onTicks);
}

void ChartMouseTest::pressWithAModifierDoesNothing() {
    const QPoint from = plot.topLeft() + QPoint(40, 30);
    Drag(Qt::LeftButton, from, from + QPoint(100, 80), Qt::ShiftModifier);
    Drag(Qt::RightButton, from, from + QPoint(100, 80), Qt::ControlModifier);
    ExpectRanges(initial);
}

void ChartMouseTest::rightDragPansAndStopsOutsideThePlot() {
    const QPoint from = plot.center();
    const TChartAxis* bottom = chart->BottomAxis();
    const TChartAxis* left = chart->LeftAxis();
    const double dx = bottom->PixelToValue(from.x()) - bottom->PixelToValue(from.x() + 20);
    const double dy = left->PixelToValue(from.y()) - left->PixelToValue(from.y() + 10);
    QTest::mousePress(chart, Qt::RightButton, {}, from);
    QTest::mouseMove(chart, from + QPoint(20, 10));
    const Ranges moved{initial.bmin + dx, initial.bmax + dx, initial.lmin + dy, initial.lmax + dy};
    ExpectRanges(moved);
    QVERIFY(!chart->Zoom().Restored());
    // Out of the plot: the pan stops there; coming back changes nothing.
    QTest::mouseMove(chart, QPoint(plot.right() + 5, from.y() + 10));
    ExpectRanges(moved);
    QTest::mouseMove(chart, from + QPoint(60, 40));
    ExpectRanges(moved);
    QTest::mouseRelease(chart, Qt::RightButton, {}, from + QPoint(60, 40));
    QVERIFY(!chart->Zoom().PanActive());
    // The undo drag goes back to the ranges from before the pan.
    WaitDrawn();
    Drag(Qt::LeftButton, plot.center() + QPoint(50, 50), plot.center());
    ExpectRanges(initial);
}

void ChartMouseTest::panBelowZeroMakesTheAxisRefuseMinimumZeroUntilUndone() {
    // The axis's validating setter alone, not a lab run:
    // drag the picture right until the bottom axis ends below zero.
    const QPoint from(plot.left() + 5, plot.center().y());
    Drag(Qt::RightButton, from, QPoint(plot.right() - 5, from.y()));
    QVERIFY(chart->BottomAxis()->Maximum() < 0);
    WaitDrawn();
    try {
        chart->BottomAxis()->SetMinimum(0);
        QFAIL("the axis took a minimum above its maximum");
    } catch (const AxisException& error) {
        QCOMPARE(error.Message(), QStringLiteral("Axis Minimum Value must be <= Maximum"));
    }
    Drag(Qt::LeftButton, plot.center() + QPoint(50, 50), plot.center());
    chart->BottomAxis()->SetMinimum(0);
    chart->BottomAxis()->SetMaximum(0);
    QCOMPARE(chart->BottomAxis()->Maximum(), 0.0);
}

void ChartMouseTest::wheelShiftsTheVerticalAxis() {
    const int draws = chart->DrawCount();
    SendWheel(chart, plot.center(), -120); // towards the user: up
    QCOMPARE(chart->LeftAxis()->Minimum(), -3 + 0.18);
    QCOMPARE(chart->LeftAxis()->Maximum(), 3 + 0.18);
    QCOMPARE(chart->BottomAxis()->Minimum(), initial.bmin);
    QTRY_COMPARE(chart->DrawCount(), draws + 1);
    SendWheel(chart, plot.center(), 120); // away: down by 3 % of the same span
    QCOMPARE(chart->LeftAxis()->Minimum(), -3.0);
    QCOMPARE(chart->LeftAxis()->Maximum(), 3.0);
    // Half notches add up to one.
    SendWheel(chart, plot.center(), 60);
    QCOMPARE(chart->LeftAxis()->Minimum(), -3.0);
    SendWheel(chart, plot.center(), 60);
    QCOMPARE(chart->LeftAxis()->Minimum(), -3.18);
}

// The clicks go through the window, as the platform delivers them, so that the
// platform's own context-menu event on the right press is part of the test.
void ChartMouseTest::rightClickAsksForAMenuButARightDragPans() {
    struct ContextMenuCounter : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            count += event->type() == QEvent::ContextMenu;
            return false;
        }
    } platformMenus;
    window->host->installEventFilter(&platformMenus);
    QSignalSpy requests(chart, &TChart::ContextMenuRequested);
    QWindow* host = window->host->windowHandle();
    const QPoint at = plot.center();

    QTest::mousePress(host, Qt::RightButton, {}, at);
    QCOMPARE(requests.count(), 0); // not on the press
    QTest::mouseRelease(host, Qt::RightButton, {}, at);
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).toPoint(), chart->mapToGlobal(at));
    ExpectRanges(initial);

    // A drag pans as ever and asks for nothing; so does a left click.
    QTest::mousePress(host, Qt::RightButton, {}, at);
    QTest::mouseMove(host, at + QPoint(30, 20));
    QTest::mouseRelease(host, Qt::RightButton, {}, at + QPoint(30, 20));
    QVERIFY(!chart->Zoom().Restored());
    QVERIFY(chart->BottomAxis()->Minimum() < initial.bmin); // the picture followed right
    QTest::mouseClick(host, Qt::LeftButton, {}, at);
    QCOMPARE(requests.count(), 1);
    QCOMPARE(platformMenus.count, 0);
}

QTEST_MAIN(ChartMouseTest)
#include "tst_ChartMouse.moc"
