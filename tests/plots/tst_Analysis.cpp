// The analysis as a student reaches it in each lab: Ctrl+Shift+A in the lab window opens
// it beside the lab with the latest run's verdict; its marks draw on the chart and leave
// the picture exactly as it was when switched off; the upper frequency is chosen there,
// kept until the program ends and back to the lab's own samples, bit for bit, by default.

#include "chart/Chart.h"
#include "forms/AnalysisWindow.h"
#include "ground/Regional.h"
#include "plots/untAFCHX.h"
#include "plots/untDRazb.h"
#include "plots/untGodograf.h"
#include "rootlab/ReportMemo.h"
#include "rootlab/untLaguerre.h"
#include "tests/plots/PlotWindowProbe.h"
#include "tests/support/LabProbe.h"
#include "tests/support/LabsTestMain.h"
#include "tests/support/ModalBoxWatcher.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

struct PlotLab {
    const char* name;
    void (*open)();
    QStringList texts;
    const char* verdict; // a line of the analysis of `texts`
    QPointF markedPoint; // a characteristic point within the lab's own range
    QColor markColour;   // its mark's colour
};

const PlotLab kLabs[] = {
    {"hodograph",
     OpenGodograf,
     {"1", "3", "3", "1"},
     "Вывод: система устойчива.",
     {-8, 0},
     Qt::black},
    {"nyquist",
     OpenAFCHX,
     {"1", "3", "3", "1", "0", "0", "1"},
     "Вывод: замкнутая система устойчива: все корни в левой полуплоскости.",
     {-1, 0},
     Qt::blue},
    {"d-partition",
     OpenDRazb,
     {"1", "3", "3", "7"},
     "При введённом a3 = 7 система устойчива.",
     {9, 0},
     Qt::black},
};

void AddLabRows() {
    QTest::addColumn<int>("lab");
    for (int i = 0; i < 3; ++i)
        QTest::newRow(kLabs[i].name) << i;
}

// Opens the lab through its own routine and runs body inside its modal loop.
void InsidePlotLab(int lab, const std::function<void(TPlotLabForm*)>& body) {
    bool ran = false;
    InsideNextLab([&](TLabForm* form) {
        auto* plot = qobject_cast<TPlotLabForm*>(form);
        ran = plot != nullptr;
        if (plot)
            body(plot);
    });
    kLabs[lab].open();
    QVERIFY2(ran, "the lab window did not open");
}

// The analysis key, as a student presses it with the focus in a field (window shortcuts
// act in the active window, as the user's keys do).
TAnalysisWindow* PressAnalysisKey(TLabForm* form) {
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form))
        return nullptr;
    form->edta0->setFocus();
    QTest::keyClick(form->edta0, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    return form->findChild<TAnalysisWindow*>();
}

} // namespace

class TestAnalysis : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { SetRegionalSeparators(QChar(','), QStringLiteral("\u00A0")); }

    void opensAndMarks_data() { AddLabRows(); }
    void opensAndMarks() {
        QFETCH(int, lab);
        ModalBoxWatcher boxes;
        InsidePlotLab(lab, [&](TPlotLabForm* form) {
            TypeAndRun(form, kLabs[lab].texts);
            Painted(form->Chart); // the first drawing lays the axes out
            const QImage before = Painted(form->Chart);

            TAnalysisWindow* analysis = PressAnalysisKey(form);
            QVERIFY(analysis);
            QVERIFY(analysis->isVisible());
            QVERIFY2(analysis->Text()
                         .split(QLatin1Char('\n'))
                         .contains(QString::fromUtf8(kLabs[lab].verdict)),
                     qPrintable(analysis->Text()));
            // Open, with the marks off, the analysis changes nothing of the picture.
            QCOMPARE(Painted(form->Chart), before);

            analysis->chkMarks->click();
            const QImage marked = Painted(form->Chart);
            QVERIFY(marked != before);
            const QPointF at = kLabs[lab].markedPoint;
            QVERIFY(
                ColourNear(marked, PixelOf(form->Chart, at.x(), at.y()), kLabs[lab].markColour, 6));
            // Switched off, they are gone, every pixel of them.
            analysis->chkMarks->click();
            QCOMPARE(Painted(form->Chart), before);
            // Switched on, they follow every run of the lab.
            analysis->chkMarks->click();
            PressEnter(form);
            QVERIFY(!form->Chart->Marks().empty());
            QCOMPARE(boxes.Texts(), QStringList());

            // The text as it is shown goes to the clipboard for a report.
            analysis->btnCopy->click();
            QCOMPARE(QGuiApplication::clipboard()->text(), analysis->Text());
        });
    }

    // The course's plant: the phase crossover at √150 lies beyond the default 10, and the
    // range the analysis suggests shows it; the range stays for the next opening and the
    // lab's own range gives its own samples again.
    void rangeChosenKeptAndUndone() {
        const QStringList plant{"0,005", "0,135", "0,75", "1", "0", "0", "5"};
        std::vector<TLabSample> own;
        ModalBoxWatcher boxes;
        InsidePlotLab(1, [&](TPlotLabForm* form) {
            TypeAndRun(form, plant);
            own = form->Samples().All();
            TAnalysisWindow* analysis = PressAnalysisKey(form);
            QVERIFY(analysis->Text().contains(QStringLiteral("за пределами графика (ω ≤ 10)")));
            analysis->btnSuggestRange->click();
            QCOMPARE(form->UpperFrequency(), 20.0);
            QCOMPARE(form->Samples().Size(), own.size()); // the same work, the step scaled
            QVERIFY(form->Samples().All().back().omega > 19.9);
            QCOMPARE(form->Chart->Title(), QStringLiteral("АФЧХ Разомкнутой САУ\n(частоты до 20)"));
            QVERIFY(!analysis->Text().contains(QStringLiteral("за пределами графика")));
        });
        InsidePlotLab(1, [&](TPlotLabForm* form) {
            QCOMPARE(form->UpperFrequency(), 20.0);
            QCOMPARE(form->Chart->Title(), QStringLiteral("АФЧХ Разомкнутой САУ\n(частоты до 20)"));
            TypeAndRun(form, plant);
            TAnalysisWindow* analysis = PressAnalysisKey(form);
            // A frequency typed with a full stop, as the coefficients are typed.
            analysis->edtUpperFrequency->clear();
            QTest::keyClicks(analysis->edtUpperFrequency, QStringLiteral("12.5"));
            QTest::keyClick(analysis->edtUpperFrequency, Qt::Key_Return);
            QCOMPARE(form->UpperFrequency(), 12.5);
            analysis->btnDefaultRange->click();
            QCOMPARE(form->UpperFrequency(), 10.0);
            QCOMPARE(form->Chart->Title(), QStringLiteral("АФЧХ Разомкнутой САУ"));
            const std::vector<TLabSample>& again = form->Samples().All();
            QCOMPARE(again.size(), own.size());
            for (std::size_t i = 0; i < own.size(); ++i)
                QVERIFY(again[i].omega == own[i].omega && again[i].x == own[i].x &&
                        again[i].y == own[i].y);
            // Nothing but a frequency the samples can follow is taken.
            analysis->edtUpperFrequency->setText(QStringLiteral("0"));
            analysis->btnApplyRange->click();
        });
        QCOMPARE(boxes.Texts().size(), 1);
        QVERIFY(boxes.Texts().front().startsWith(QStringLiteral("Верхняя частота")));
    }

    // The notice stays the lab's; after it the student can still have the curve drawn,
    // titled so that nobody takes it for a stable system's.
    void refusedHodographOnRequest() {
        ModalBoxWatcher boxes;
        InsidePlotLab(0, [&](TPlotLabForm* form) {
            TypeAndRun(form, {"1", "1", "1", "2"});
            QCOMPARE(boxes.Texts(),
                     QStringList{QStringLiteral("Система неустойчива! Построение графика "
                                                "невозможно.")});
            QVERIFY(form->Samples().Empty());
            TAnalysisWindow* analysis = PressAnalysisKey(form);
            QVERIFY(analysis->btnPlotRefused->isEnabled());
            analysis->btnPlotRefused->click();
            QCOMPARE(form->Samples().Size(), 131u);
            QCOMPARE(form->Chart->Title(),
                     QStringLiteral("Годограф Михайлова\n(система неустойчива)"));
            QVERIFY(!analysis->btnPlotRefused->isEnabled());
            // The next run is the lab's own again: its notice, its title.
            PressEnter(form);
            QCOMPARE(boxes.Texts().size(), 2);
            QCOMPARE(form->Chart->Title(), QStringLiteral("Годограф Михайлова"));
        });
    }

    // The root lab: the same key, the verdict and every digit of the roots; its own report
    // stays as it was.
    void rootLab() {
        ModalBoxWatcher boxes;
        bool ran = false;
        InsideNextLab([&](TLabForm* lab) {
            auto* form = qobject_cast<TfrmLaguerre*>(lab);
            QVERIFY(form);
            TypeAndRun(form, {"-6", "11", "-6", "1"});
            const QStringList report = form->Memo->Lines();
            TAnalysisWindow* analysis = PressAnalysisKey(form);
            QVERIFY(analysis && analysis->isVisible());
            const QStringList lines = analysis->Text().split(QLatin1Char('\n'));
            QVERIFY(lines.contains(QStringLiteral(
                "Вывод по коэффициентам: система неустойчива: 3 корня в правой полуплоскости.")));
            QVERIFY(lines.contains(QStringLiteral("  Δ2 = a2·a1 - a3·a0 = -60 > 0: не выполнено")));
            QCOMPARE(form->Memo->Lines(), report);
            ran = true;
        });
        OpenLaguerre();
        QVERIFY(ran);
        QCOMPARE(boxes.Texts(), QStringList());
    }
};

LABS_TEST_MAIN(TestAnalysis)
#include "tst_Analysis.moc"
