// Extreme coefficients in every lab window: the largest and smallest doubles, their
// negatives, subnormals, zeros, huge and tiny mixed, a value beyond the double range and
// 200-digit numbers. Each run must end in a picture or a report, or in exactly one of the
// program's own messages; the chart must draw whatever ranges the run left; and the same
// window must give its worked example right afterwards.

#include "LabDriver.h"
#include "LabKnownRuns.h"
#include "ProgramMessages.h"
#include "tests/support/ModalBoxWatcher.h"

#include "app/LabsApplication.h"
#include "app/untMain.h"
#include "chart/Chart.h"
#include "ground/Regional.h"

#include <QtTest>

namespace {

const QString kHuge = QStringLiteral("1e308");
const QString kTiny = QStringLiteral("1e-308");
const QString kSubnormal = QStringLiteral("4,9e-324");
const QString kBeyond = QStringLiteral("1E600");
const QString kLong = QStringLiteral("1") + QString(199, QLatin1Char('7'));

// Four coefficient texts; a seven-field window repeats the pattern for b1..b3.
QStringList Expand(const QStringList& four, int fields) {
    QStringList texts;
    for (int i = 0; i < fields; ++i)
        texts << four[i % 4];
    return texts;
}

struct ExtremeRow {
    const char* name;
    QStringList texts;
};

const QList<ExtremeRow>& ExtremeRows() {
    static const QList<ExtremeRow> rows{
        {"all 1e308", {kHuge, kHuge, kHuge, kHuge}},
        {"all -1e308", {"-" + kHuge, "-" + kHuge, "-" + kHuge, "-" + kHuge}},
        {"all 1e-308", {kTiny, kTiny, kTiny, kTiny}},
        {"all subnormal", {kSubnormal, kSubnormal, kSubnormal, kSubnormal}},
        {"all zero", {"0", "0", "0", "0"}},
        {"negative zeros", {"-0", "-0", "-0", "-0"}},
        {"huge and tiny", {kHuge, kTiny, kHuge, kTiny}},
        {"tiny and huge", {kTiny, kHuge, kTiny, kHuge}},
        {"alternating signs", {"-" + kHuge, kHuge, "-" + kHuge, kHuge}},
        {"huge middle", {"1", kHuge, "1", "1"}},
        {"huge last", {"1", "0", "0", kHuge}},
        {"huge first", {kHuge, "1", "1", "1"}},
        {"tiny first", {"1e-300", "1", "1", "1"}},
        {"subnormal and one", {kSubnormal, "1", kSubnormal, "1"}},
        {"beyond the range", {kBeyond, "1", "1", "1"}},
        {"beyond in the last field", {"1", "1", "1", kBeyond}},
        {"200 digits", {kLong, kLong, kLong, kLong}},
        {"200 digits and one", {"1", kLong, "1", "1"}},
        {"1e300 and 1e-300", {"1e300", "1e-300", "1e300", "1e-300"}},
        {"1e150 everywhere", {"1e150", "1e150", "1e150", "1e150"}},
        {"stable with huge", {"1", "1e154", "1e154", "1"}},
    };
    return rows;
}

} // namespace

class TestExtremeInputs : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void runEndsInPictureReportOrMessage_data();
    void runEndsInPictureReportOrMessage();
    void cleanupTestCase();

  private:
    std::unique_ptr<SelectorSession> session_;
};

void TestExtremeInputs::initTestCase() {
    session_ = std::make_unique<SelectorSession>();
    QVERIFY(QTest::qWaitForWindowExposed(&session_->selector));
}

void TestExtremeInputs::cleanupTestCase() {
    session_.reset();
}

void TestExtremeInputs::runEndsInPictureReportOrMessage_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QStringList>("four");
    for (const KnownRun& run : KnownRuns())
        for (const ExtremeRow& row : ExtremeRows())
            QTest::addRow("%s: %s", qPrintable(run.radio), row.name) << run.radio << row.texts;
}

void TestExtremeInputs::runEndsInPictureReportOrMessage() {
    QFETCH(QString, radio);
    QFETCH(QStringList, four);
    const KnownRun& known = KnownRunFor(radio);
    auto* button = session_->selector.findChild<QRadioButton*>(radio);
    QVERIFY(button);
    session_->boxes.Clear();

    QList<SeenBox> extremeBoxes;
    QString afterwards;
    const bool opened = WithLabOpen(session_->selector, button, [&](TLabForm* form) {
        RunWith(form, Expand(four, int(form->CoefficientFields().size())));
        // Whatever ranges the run left, the chart draws them.
        if (auto* chart = qobject_cast<TChart*>(ChartOf(form)))
            chart->RenderToImage();
        QCoreApplication::processEvents();
        extremeBoxes = session_->boxes.Seen();
        session_->boxes.Clear();
        RunWith(form, known.coefficients);
        QCoreApplication::processEvents();
        afterwards = known.verify(form);
    });
    QVERIFY(opened);
    QVERIFY2(extremeBoxes.size() <= 1, "more than one box for one run");
    for (const SeenBox& box : extremeBoxes) {
        const QString why = WhyNotProgramMessage(box);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        qInfo().noquote() << box.text;
    }
    QVERIFY2(afterwards.isEmpty(), qPrintable(QStringLiteral("afterwards: ") + afterwards));
    QVERIFY2(session_->boxes.Seen().isEmpty(), "the worked example afterwards showed a box");
}

int main(int argc, char** argv) {
    LabsApplication app(argc, argv);
    TestExtremeInputs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_extreme_inputs.moc"
