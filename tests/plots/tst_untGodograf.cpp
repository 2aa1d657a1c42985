// The hodograph window driven through its fields, as a student uses it.

#include "chart/Chart.h"
#include "curves/HodographRun.h"
#include "forms/LinkLabel.h"
#include "ground/Regional.h"
#include "plots/EquationPicture.h"
#include "plots/untGodograf.h"
#include "tests/plots/PlotWindowProbe.h"
#include "tests/support/LabProbe.h"
#include "tests/support/LabsTestMain.h"
#include "tests/support/ModalBoxWatcher.h"

#include <QLabel>
#include <QToolTip>

namespace {

const QStringList kWorkedExample{"1", "3", "3", "1"};

// Opens the window the way the selector does and runs `body` inside its modal loop.
template <class Body> void WithWindow(Body body) {
    bool done = false;
    InsideNextLab([&](TLabForm* lab) {
        auto* form = qobject_cast<TfrmGodograf*>(lab);
        QVERIFY(form);
        QCOMPARE(form, frmGodograf);
        body(form);
        done = true;
    });
    OpenGodograf();
    QVERIFY(done);
    QCOMPARE(frmGodograf, nullptr);
}

} // namespace

class TestGodograf : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { SetRegionalSeparators(QChar(','), QStringLiteral("\u00A0")); }

    void layout() {
        WithWindow([](TfrmGodograf* form) {
            QCOMPARE(form->Chart->geometry(), QRect(0, 0, 451, 446));
            QCOMPARE(form->Chart->Title(), QStringLiteral("Годограф Михайлова"));
            QCOMPARE(form->Chart->SeriesCount(), 3);
            QCOMPARE(form->Chart->Series(0), form->Series1);
            QCOMPARE(form->Series1->SeriesColor(), clRed);
            QCOMPARE(form->Series1->LinePen().Width, 1);
            for (TLineSeries* line : {form->Series3, form->Series4}) {
                QCOMPARE(line->SeriesColor(), clBlack);
                QCOMPARE(line->LinePen().Width, 2);
            }
            QVERIFY(!form->Chart->BottomAxis()->AxisVisible());
            QVERIFY(!form->Chart->LeftAxis()->AxisVisible());
            QCOMPARE(form->Label2->text(), QStringLiteral("jQ"));
            QCOMPARE(form->Label2->pos(), QPoint(5, 36));
            QCOMPARE(form->Label3->text(), QStringLiteral("P"));
            QCOMPARE(form->Label3->pos(), QPoint(430, 425));
            QCOMPARE(form->Image1->parentWidget(), form->Panel1);
            QCOMPARE(form->Image1->geometry(), QRect(1, 264, 179, 57));
            QVERIFY(AxesAtZero(form->Chart));
        });
    }

    void workedExampleByKeys() {
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmGodograf* form) {
            TypeAndRun(form, kWorkedExample);
            QCOMPARE(boxes.Texts(), QStringList());
            QCOMPARE(form->Series1->PointCount(), 131);
            QCOMPARE(form->Series3->PointCount(), 2);
            QCOMPARE(form->Series4->PointCount(), 2);
            QVERIFY(qAbs(form->Chart->BottomAxis()->Minimum() + 9.72) < 1e-9);
            QCOMPARE(form->Chart->BottomAxis()->Maximum(), 2.0);
            QCOMPARE(form->Chart->LeftAxis()->Minimum(), -3.0);
            QCOMPARE(form->Chart->LeftAxis()->Maximum(), 3.0);

            const QImage image = Painted(form->Chart);
            // D(j·1) = -2 + 2j lies on the red curve; the axis line y = 0 is black.
            QVERIFY(ColourNear(image, PixelOf(form->Chart, -2, 2), Qt::red));
            QVERIFY(ColourNear(image, PixelOf(form->Chart, -5, 0), Qt::black));
            QVERIFY(ColourNear(image, PixelOf(form->Chart, 0, -2), Qt::black));
            QVERIFY(CountBluish(image, QRect(0, 0, 451, 30)) > 20);
            QVERIFY(CountDark(image, form->Label2->geometry()) > 0);
            QVERIFY(CountDark(image, form->Label3->geometry()) > 0);
        });
    }

    void runLinkRunsToo() {
        WithWindow([](TfrmGodograf* form) {
            TypeCoefficients(form, kWorkedExample);
            QTest::mouseClick(form->lblRun, Qt::LeftButton);
            QCOMPARE(form->Series1->PointCount(), 131);
        });
    }

    void verdictKeepsTheOldCurve_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("notice");
        QTest::newRow("boundary") << QStringList{"1", "1", "1", "1"} << kStabilityBoundaryNotice;
        QTest::newRow("unstable") << QStringList{"1", "1", "1", "2"} << kUnstableNotice;
    }
    void verdictKeepsTheOldCurve() {
        QFETCH(QStringList, texts);
        QFETCH(QString, notice);
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmGodograf* form) {
            TypeAndRun(form, kWorkedExample);
            TypeAndRun(form, texts);
            QCOMPARE(boxes.Texts(), QStringList{notice});
            QVERIFY(boxes.Seen().first().notice);
            QVERIFY(AxesAtZero(form->Chart));
            QCOMPARE(form->Series1->PointCount(), 131);
            QCOMPARE(form->Series3->PointCount(), 2);
        });
    }

    void parseErrorIsReported() {
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmGodograf* form) {
            TypeAndRun(form, kWorkedExample);
            TypeAndRun(form, {"1", "3", "3", "1,,5"});
            QCOMPARE(boxes.Texts(),
                     QStringList{QStringLiteral("'1,,5' is not a valid floating point value.")});
            QCOMPARE(boxes.Seen().first().icon, QMessageBox::Critical);
            QVERIFY(AxesAtZero(form->Chart));
            QCOMPARE(form->Series1->PointCount(), 131);
        });
    }

    // The pointer near the sample at ω = 0.5, D(j·0.5) = 0.25 + j·1.375, with real
    // mouse moves: its exact values in the tooltip, nothing in the picture.
    void readoutUnderThePointer() {
        WithWindow([](TfrmGodograf* form) {
            TypeAndRun(form, kWorkedExample);
            TChart* chart = form->Chart;
            QTRY_VERIFY(!chart->Stale());
            const TLabSample& sample = form->Samples()[5];
            QVERIFY(qAbs(sample.omega - 0.5) < 1e-12);
            const QString expected = QStringLiteral("ω = 0,5\nP = Re D(jω) = 0,25\n"
                                                    "Q = Im D(jω) = 1,375");
            const QImage picture = chart->RenderToImage();
            const int draws = chart->DrawCount();
            const QPoint near = PixelOf(chart, sample.x, sample.y) + QPoint(4, -2);

            QTest::mouseMove(chart, near);
            QTRY_COMPARE(QToolTip::text(), expected);
            QTRY_COMPARE(chart->ReadoutIndex(), 5);
            // The ring is on the screen only; the picture is neither changed nor redrawn.
            QVERIFY(chart->grab().toImage() != picture);
            QCOMPARE(chart->RenderToImage(), picture);
            QCOMPARE(chart->DrawCount(), draws);

            // Away and straight back: the tip the toolkit was about to hide stays.
            QTest::mouseMove(chart, near + QPoint(30, 0));
            QTest::mouseMove(chart, near);
            QTest::qWait(500);
            QVERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), expected);

            // Away from the curve, and out of the plot: nothing.
            QTest::mouseMove(chart, near + QPoint(30, 0));
            QTRY_COMPARE(chart->ReadoutIndex(), -1);
            QTRY_VERIFY(!QToolTip::isVisible());
            QTest::mouseMove(chart, near);
            QTRY_COMPARE(QToolTip::text(), expected);
            QTest::mouseMove(chart, QPoint(chart->PlotRect().right() + 3, near.y()));
            QTRY_COMPARE(chart->ReadoutIndex(), -1);

            // While a button is held: nothing, whatever the pointer passes over.
            QTest::mousePress(chart, Qt::RightButton, {}, QPoint(chart->PlotRect().right(), 30));
            QTest::mouseMove(chart, near);
            QTRY_COMPARE(chart->ReadoutIndex(), -1);
            QTest::mouseRelease(chart, Qt::RightButton, {}, near);
            QTRY_VERIFY(!QToolTip::isVisible());

            // After a zoom, the same sample is read where it is drawn now.
            const QPoint corner = PixelOf(chart, sample.x, sample.y) - QPoint(40, 30);
            QTest::mousePress(chart, Qt::LeftButton, {}, corner);
            QTest::mouseMove(chart, corner + QPoint(100, 80));
            QTest::mouseRelease(chart, Qt::LeftButton, {}, corner + QPoint(100, 80));
            QTRY_VERIFY(!chart->Stale());
            QTest::mouseMove(chart, PixelOf(chart, sample.x, sample.y) + QPoint(0, -3));
            QTRY_COMPARE(QToolTip::text(), expected);

            // A new run changes the points: the readout goes.
            PressEnter(form);
            QTRY_COMPARE(chart->ReadoutIndex(), -1);
            QTRY_VERIFY(!QToolTip::isVisible());
        });
    }

    void emptyFieldChangesNothing() {
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmGodograf* form) {
            TypeAndRun(form, kWorkedExample);
            form->edta2->clear();
            PressEnter(form);
            QCOMPARE(boxes.Texts(),
                     QStringList{QStringLiteral("Пожалуйста, введите коэффициенты.")});
            QCOMPARE(form->Chart->BottomAxis()->Maximum(), 2.0);
        });
    }

    void threeRunsAccumulateAxisLines() {
        WithWindow([](TfrmGodograf* form) {
            TypeAndRun(form, kWorkedExample);
            TypeAndRun(form, {"1", "3", "3", "2"});
            TypeAndRun(form, kWorkedExample);
            QCOMPARE(form->Series1->PointCount(), 131);
            QCOMPARE(form->Series3->PointCount(), 6);
            QCOMPARE(form->Series4->PointCount(), 6);
        });
    }

    void resetGoesThroughTheGlobalReference() {
        // Two windows at once, which the program itself never makes: the one the
        // reference holds gets the reset, the other shows the run.
        TfrmGodograf held;
        TfrmGodograf running;
        frmGodograf = &held;
        held.Chart->BottomAxis()->SetRange(1, 5);
        TypeAndRun(&running, kWorkedExample);
        frmGodograf = nullptr;
        QVERIFY(AxesAtZero(held.Chart));
        QCOMPARE(running.Chart->BottomAxis()->Maximum(), 2.0);
        QCOMPARE(running.Series1->PointCount(), 131);
        QCOMPARE(held.Series1->PointCount(), 0);
    }

    void runAfterPanBelowZero() {
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmGodograf* form) {
            TypeAndRun(form, kWorkedExample);
            // What dragging the picture far to the right and down leaves behind.
            form->Chart->BottomAxis()->SetRange(-5, -2);
            form->Chart->LeftAxis()->SetRange(-9, -4);
            PressEnter(form);
            QCOMPARE(boxes.Texts(), QStringList());
            QCOMPARE(form->Chart->BottomAxis()->Maximum(), 2.0);
            QCOMPARE(form->Chart->LeftAxis()->Minimum(), -3.0);
        });
    }
};

LABS_TEST_MAIN(TestGodograf)
#include "tst_untGodograf.moc"
