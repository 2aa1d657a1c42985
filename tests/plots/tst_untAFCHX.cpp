// The Nyquist window driven through its fields, as a student uses it.

#include "chart/Chart.h"
#include "ground/Regional.h"
#include "plots/untAFCHX.h"
#include "tests/plots/PlotWindowProbe.h"
#include "tests/support/LabProbe.h"
#include "tests/support/LabsTestMain.h"
#include "tests/support/ModalBoxWatcher.h"

#include <QLabel>
#include <QToolTip>

namespace {

const QStringList kWorkedExample{"1", "3", "3", "1", "0", "0", "1"};

template <class Body> void WithWindow(Body body) {
    bool done = false;
    InsideNextLab([&](TLabForm* lab) {
        auto* form = qobject_cast<TfrmAFCHX*>(lab);
        QVERIFY(form);
        QCOMPARE(form, frmAFCHX);
        body(form);
        done = true;
    });
    OpenAFCHX();
    QVERIFY(done);
    QCOMPARE(frmAFCHX, nullptr);
}

// Where the critical point lies among the points of the response series.
int CriticalPointIndex(TPointSeries* series) {
    for (int i = 0; i < series->PointCount(); ++i)
        if (series->ValueColor(i) == clBlue)
            return i;
    return -1;
}

} // namespace

class TestAFCHX : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { SetRegionalSeparators(QChar(','), QStringLiteral("\u00A0")); }

    void layout() {
        WithWindow([](TfrmAFCHX* form) {
            QCOMPARE(form->Chart->geometry(), QRect(0, 0, 444, 446));
            QCOMPARE(form->Chart->Title(), QStringLiteral("АФЧХ Разомкнутой САУ"));
            QCOMPARE(form->Chart->SeriesCount(), 3);
            QCOMPARE(form->Series1->SeriesColor(), clRed);
            const TSeriesPointer& pointer = form->Series1->Pointer();
            QVERIFY(pointer.Visible);
            QCOMPARE(pointer.HorizSize, 1);
            QCOMPARE(pointer.VertSize, 1);
            QVERIFY(!pointer.Pen.Visible);
            QCOMPARE(pointer.BrushColor, clDefault);
            for (TLineSeries* line : {form->Series2, form->Series3}) {
                QCOMPARE(line->SeriesColor(), clBlack);
                QCOMPARE(line->LinePen().Width, 2);
            }
            QVERIFY(!form->Chart->BottomAxis()->AxisVisible());
            QCOMPARE(form->Label2->text(), QStringLiteral("I"));
            QCOMPARE(form->Label2->pos(), QPoint(8, 40));
            QCOMPARE(form->Label3->text(), QStringLiteral("R"));
            QCOMPARE(form->Label3->pos(), QPoint(428, 428));
        });
    }

    void workedExampleByKeys() {
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmAFCHX* form) {
            TypeAndRun(form, kWorkedExample);
            QCOMPARE(boxes.Texts(), QStringList());
            QCOMPARE(form->Series1->PointCount(), 5001);
            const int critical = CriticalPointIndex(form->Series1);
            QVERIFY(critical >= 0);
            QCOMPARE(form->Series1->XValue(critical), -1.0);
            QCOMPARE(form->Series1->YValue(critical), 0.0);
            QCOMPARE(form->Chart->BottomAxis()->Minimum(), -2.0);
            QCOMPARE(form->Chart->BottomAxis()->Maximum(), 2.0);
            QVERIFY(qAbs(form->Chart->LeftAxis()->Minimum() + 1.728553) < 1e-6);
            QVERIFY(qAbs(form->Chart->LeftAxis()->Maximum() - 1.021447) < 1e-6);
            QCOMPARE(form->Series2->PointCount(), 2);

            const QImage image = Painted(form->Chart);
            // W(j·1) = -0.25 - 0.25j is a red marker; the critical point is blue.
            QVERIFY(ColourNear(image, PixelOf(form->Chart, -0.25, -0.25), Qt::red));
            QVERIFY(ColourNear(image, PixelOf(form->Chart, -1, 0), Qt::blue));
            // One 2 × 1 visible part in the plot (the title above it is blue text).
            QCOMPARE(CountColour(image, form->Chart->PlotRect(), Qt::blue), 2);
            QVERIFY(CountBluish(image, QRect(0, 0, 444, 30)) > 20);
            QVERIFY(CountDark(image, form->Label2->geometry()) > 0);
        });
    }

    // The record of the run, and the critical point, which is none of its samples.
    void readoutOfTheCriticalPoint() {
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmAFCHX* form) {
            TypeAndRun(form, kWorkedExample);
            QCOMPARE(form->Samples().Size(), 5000u);
            QCOMPARE(form->Samples()[1].omega, 0.002);
            QTRY_VERIFY(!form->Chart->Stale());
            QTest::mouseMove(form->Chart, PixelOf(form->Chart, -1, 0) + QPoint(3, 3));
            QTRY_COMPARE(QToolTip::text(), QStringLiteral("Критическая точка (-1, j0)"));
            // A faulting run keeps the samples before the fault, and no critical point.
            // |A(jω)|² = 1e-320·(1 − ω²)² falls below the subnormals as ω nears 1.
            TypeCoefficients(form, {"0", "0", "0", "0", "0", "0", "1"});
            form->edta1->setText(QStringLiteral("1e-160")); // pasted, past the filter
            form->edta3->setText(QStringLiteral("1e-160"));
            PressEnter(form);
            QCOMPARE(boxes.Texts().size(), 1);
            QVERIFY(!form->Samples().Empty());
            QCOMPARE(int(form->Samples().Size()), form->Series1->PointCount());
        });
    }

    void zeroA3StartsAtTheFirstStep() {
        WithWindow([](TfrmAFCHX* form) {
            TypeAndRun(form, {"0", "1", "1", "0", "0", "0", "1"});
            QCOMPARE(form->Series1->PointCount(), 5000);
            QVERIFY(qAbs(form->Chart->LeftAxis()->Minimum() + 501.0) < 0.01);
        });
    }

    void pastedFullStopIsReplaced() {
        WithWindow([](TfrmAFCHX* form) {
            TypeCoefficients(form, kWorkedExample);
            form->edtb3->setText(QStringLiteral("0.5")); // pasted, past the filter
            PressEnter(form);
            // W(0) = 0.5 is the largest real part: the last point in x order.
            const int last = form->Series1->PointCount() - 1;
            QCOMPARE(form->Series1->XValue(last), 0.5);
        });
    }

    void zeroDenominatorEndsTheRun() {
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmAFCHX* form) {
            TypeAndRun(form, kWorkedExample);
            TypeAndRun(form, {"0", "0", "0", "0", "0", "0", "1"});
            QCOMPARE(boxes.Texts(),
                     QStringList{QStringLiteral("Invalid floating point operation.")});
            QCOMPARE(form->Series1->PointCount(), 0);
            QVERIFY(AxesAtZero(form->Chart));
            QCOMPARE(form->Series2->PointCount(), 2);
        });
    }

    void rangeLeftOfZeroIsShown() {
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmAFCHX* form) {
            // Every U and every V below -1: the computed ranges lie left of and below 0.
            TypeAndRun(form, {"0", "1", "1", "0", "0", "0", "2000"});
            QCOMPARE(boxes.Texts(), QStringList());
            QVERIFY(form->Chart->BottomAxis()->Maximum() < 0);
            QVERIFY(form->Chart->LeftAxis()->Maximum() < 0);
            QCOMPARE(form->Series2->PointCount(), 2);
            const QImage image = Painted(form->Chart);
            QVERIFY(CountColour(image, form->Chart->PlotRect(), Qt::red) > 100);
        });
    }

    void parseErrorIsReported() {
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmAFCHX* form) {
            TypeAndRun(form, kWorkedExample);
            TypeAndRun(form, {"1", "3", "3", "1", "0", "0", "1,,5"});
            QCOMPARE(boxes.Texts(),
                     QStringList{QStringLiteral("'1,,5' is not a valid floating point value.")});
            QVERIFY(AxesAtZero(form->Chart));
            QCOMPARE(form->Series1->PointCount(), 5001);
        });
    }

    void threeRunsAccumulateAxisLines() {
        WithWindow([](TfrmAFCHX* form) {
            for (int run = 0; run < 3; ++run)
                TypeAndRun(form, kWorkedExample);
            QCOMPARE(form->Series1->PointCount(), 5001);
            QCOMPARE(form->Series2->PointCount(), 6);
            QCOMPARE(form->Series3->PointCount(), 6);
        });
    }

    void runAfterPanBelowZero() {
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmAFCHX* form) {
            TypeAndRun(form, kWorkedExample);
            form->Chart->BottomAxis()->SetRange(-7, -3);
            PressEnter(form);
            QCOMPARE(boxes.Texts(), QStringList());
            QCOMPARE(form->Chart->BottomAxis()->Minimum(), -2.0);
            QCOMPARE(form->Chart->BottomAxis()->Maximum(), 2.0);
        });
    }
};

LABS_TEST_MAIN(TestAFCHX)
#include "tst_untAFCHX.moc"
