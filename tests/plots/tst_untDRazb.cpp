// The D-partition window driven through its fields, as a student uses it.

#include "chart/Chart.h"
#include "ground/Regional.h"
#include "plots/EquationPicture.h"
#include "plots/untDRazb.h"
#include "tests/plots/PlotWindowProbe.h"
#include "tests/support/LabProbe.h"
#include "tests/support/LabsTestMain.h"
#include "tests/support/ModalBoxWatcher.h"

#include <QLabel>

namespace {

const QStringList kWorkedExample{"1", "3", "3", "7"};

template <class Body> void WithWindow(Body body) {
    bool done = false;
    InsideNextLab([&](TLabForm* lab) {
        auto* form = qobject_cast<TfrmDRazb*>(lab);
        QVERIFY(form);
        QCOMPARE(form, frmDRazb);
        body(form);
        done = true;
    });
    OpenDRazb();
    QVERIFY(done);
    QCOMPARE(frmDRazb, nullptr);
}

} // namespace

class TestDRazb : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { SetRegionalSeparators(QChar(','), QStringLiteral("\u00A0")); }

    void layout() {
        WithWindow([](TfrmDRazb* form) {
            QCOMPARE(form->Chart->geometry(), QRect(0, 0, 451, 446));
            QCOMPARE(form->Chart->Title(), QStringLiteral("Д-разбиение"));
            QCOMPARE(form->Chart->SeriesCount(), 4);
            QCOMPARE(form->Series1->SeriesColor(), clRed);
            QCOMPARE(form->Series2->SeriesColor(), clGreen);
            QCOMPARE(form->Series1->LinePen().Width, 1);
            QCOMPARE(form->Series2->LinePen().Width, 1);
            for (TLineSeries* line : {form->Series3, form->Series4}) {
                QCOMPARE(line->SeriesColor(), clBlack);
                QCOMPARE(line->LinePen().Width, 2);
            }
            QVERIFY(form->Chart->BottomAxis()->AxisVisible());
            QVERIFY(form->Chart->LeftAxis()->AxisVisible());
            QCOMPARE(form->Label2->text(), QStringLiteral("Q"));
            QCOMPARE(form->Label2->pos(), QPoint(8, 40));
            QCOMPARE(form->Label3->text(), QStringLiteral("P"));
            QCOMPARE(form->Label3->pos(), QPoint(428, 428));
            QCOMPARE(form->Image1->geometry(), QRect(1, 264, 179, 57));
        });
    }

    void workedExampleByKeys() {
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmDRazb* form) {
            TypeAndRun(form, kWorkedExample);
            QCOMPARE(boxes.Texts(), QStringList());
            QCOMPARE(form->Series1->PointCount(), 1001);
            QCOMPARE(form->Series2->PointCount(), 1001);
            QCOMPARE(form->Chart->BottomAxis()->Minimum(), -3.0);
            QVERIFY(qAbs(form->Chart->BottomAxis()->Maximum() - 22.0828) < 1e-9);
            QCOMPARE(form->Chart->LeftAxis()->Minimum(), -5.0);
            QCOMPARE(form->Chart->LeftAxis()->Maximum(), 5.0);

            const QImage image = Painted(form->Chart);
            // At ω = 1 the boundary is at 3 - 2j, its mirror at 3 + 2j: both red.
            QVERIFY(ColourNear(image, PixelOf(form->Chart, 3, -2), Qt::red));
            QVERIFY(ColourNear(image, PixelOf(form->Chart, 3, 2), Qt::red));
            QCOMPARE(CountColour(image, form->Chart->PlotRect(), QColor(0, 128, 0)), 0);
            QVERIFY(ColourNear(image, PixelOf(form->Chart, 20, 0), Qt::black));
            QVERIFY(CountBluish(image, QRect(0, 0, 451, 30)) > 20);
            QVERIFY(CountDark(image, form->Label2->geometry()) > 0);
        });
    }

    void minusIsNotTyped() {
        WithWindow([](TfrmDRazb* form) {
            TypeCoefficients(form, {"1", "-5", "3", "0"});
            QCOMPARE(form->edta1->text(), QStringLiteral("5"));
        });
    }

    void crossingFarLeftIsShown() {
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmDRazb* form) {
            TypeCoefficients(form, {"1", "", "3", "0"});
            form->edta1->setText(QStringLiteral("-5")); // pasted
            PressEnter(form);
            QCOMPARE(boxes.Texts(), QStringList());
            QVERIFY(qAbs(form->Chart->BottomAxis()->Maximum() + 2.138) < 0.01);
            QCOMPARE(form->Series3->PointCount(), 2);
            const QImage image = Painted(form->Chart);
            QVERIFY(CountColour(image, form->Chart->PlotRect(), Qt::red) > 100);
        });
    }

    void parseErrorLeavesTheChartUntouched() {
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmDRazb* form) {
            TypeAndRun(form, kWorkedExample);
            TypeAndRun(form, {"1", "3", "3", "1,,5"});
            QCOMPARE(boxes.Texts(),
                     QStringList{QStringLiteral("'1,,5' is not a valid floating point value.")});
            QCOMPARE(form->Chart->BottomAxis()->Minimum(), -3.0);
            QCOMPARE(form->Chart->LeftAxis()->Maximum(), 5.0);
            QCOMPARE(form->Series1->PointCount(), 1001);
        });
    }

    void threeRunsAccumulateAxisLines() {
        WithWindow([](TfrmDRazb* form) {
            TypeAndRun(form, kWorkedExample);
            TypeAndRun(form, {"1", "1", "0", "0"});
            TypeAndRun(form, kWorkedExample);
            QCOMPARE(form->Series1->PointCount(), 1001);
            QCOMPARE(form->Series2->PointCount(), 1001);
            QCOMPARE(form->Series3->PointCount(), 6);
            QCOMPARE(form->Series4->PointCount(), 6);
        });
    }

    void runAfterPanBelowZero() {
        ModalBoxWatcher boxes;
        WithWindow([&](TfrmDRazb* form) {
            TypeAndRun(form, kWorkedExample);
            form->Chart->BottomAxis()->SetRange(-9, -1);
            form->Chart->LeftAxis()->SetRange(-9, -6);
            PressEnter(form);
            QCOMPARE(boxes.Texts(), QStringList());
            QCOMPARE(form->Chart->BottomAxis()->Minimum(), -3.0);
            QCOMPARE(form->Chart->LeftAxis()->Maximum(), 5.0);
        });
    }
};

LABS_TEST_MAIN(TestDRazb)
#include "tst_untDRazb.moc"
