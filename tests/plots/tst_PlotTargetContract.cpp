// One contract for both plot targets: the window's (ChartPlotTarget over a real chart)
// and the tests' stand-in (FakePlotTarget), which the logic tests and the results tool
// run the labs on. Whatever a run does to its target, the two must answer alike: the
// axes' starting range and refusals, the record of samples, and where a whole run ends.

#include "chart/Chart.h"
#include "curves/AxisRange.h"
#include "curves/DPartitionRun.h"
#include "curves/HodographRun.h"
#include "curves/NyquistRun.h"
#include "ground/AxisException.h"
#include "ground/FloatEnv.h"
#include "ground/Regional.h"
#include "plots/ChartPlotTarget.h"
#include "plots/LabChart.h"
#include "tests/support/FakePlotTarget.h"
#include "tests/support/LabsTestMain.h"
#include "tests/support/ModalBoxWatcher.h"

#include <cmath>
#include <limits>
#include <memory>

namespace {

// A plot target of either kind with the record of samples the window would keep.
class Target {
  public:
    explicit Target(bool real) {
        if (!real) {
            fake_ = std::make_unique<FakePlotTarget>();
            return;
        }
        chart_.reset(CreateLabChart(nullptr, QSize(451, 446), QStringLiteral("Проба"), false));
        ChartPlotTarget::SeriesRoles roles;
        roles.curve = AddLineSeries(chart_.get(), clRed, 1);
        roles.mirrorCurve = AddLineSeries(chart_.get(), clGreen, 1);
        roles.horizontalLine = AddLineSeries(chart_.get(), clBlack, 2);
        roles.verticalLine = AddLineSeries(chart_.get(), clBlack, 2);
        real_ = std::make_unique<ChartPlotTarget>(*chart_, roles, &samples_);
    }
    PlotTarget& Get() { return real_ ? static_cast<PlotTarget&>(*real_) : *fake_; }
    const TLabSamples& Samples() const { return real_ ? samples_ : fake_->samples; }
    // The stand-in's notices (the chart's are real boxes, seen by a watcher).
    QStringList Notices() const { return fake_ ? fake_->notices : QStringList(); }

  private:
    std::unique_ptr<TChart> chart_;
    TLabSamples samples_;
    std::unique_ptr<ChartPlotTarget> real_;
    std::unique_ptr<FakePlotTarget> fake_;
};

void AddTargetRows() {
    QTest::addColumn<bool>("real");
    QTest::newRow("chart") << true;
    QTest::newRow("stand-in") << false;
}

// One write to an axis and what the chart answers.
struct AxisWrite {
    PlotAxis axis;
    bool maximum; // which end
    double value;
    const char* refusal; // the error's message, or nullptr when accepted
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const char* const kMinimumRefused = "Axis Minimum Value must be <= Maximum";
const char* const kMaximumRefused = "Axis Maximum Value must be >= Minimum";

struct AxisCase {
    const char* name;
    std::vector<AxisWrite> writes;
    double bottomMin, bottomMax; // the range afterwards
};

const std::vector<AxisCase>& AxisCases() {
    static const std::vector<AxisCase> cases = {
        {"nothing written: 0..0", {}, 0, 0},
        {"a Maximum below the Minimum", {{PlotAxis::Bottom, true, -1, kMaximumRefused}}, 0, 0},
        {"a Minimum above the Maximum", {{PlotAxis::Bottom, false, 1, kMinimumRefused}}, 0, 0},
        {"Maximum first, then Minimum",
         {{PlotAxis::Bottom, true, 5, nullptr}, {PlotAxis::Bottom, false, -2, nullptr}},
         -2,
         5},
        {"equal ends are accepted",
         {{PlotAxis::Bottom, true, 5, nullptr}, {PlotAxis::Bottom, false, 5, nullptr}},
         5,
         5},
        {"a refused write changes nothing",
         {{PlotAxis::Bottom, true, 5, nullptr}, {PlotAxis::Bottom, false, 6, kMinimumRefused}},
         0,
         5},
        {"the other axis is not a bound",
         {{PlotAxis::Left, true, -7, kMaximumRefused}, {PlotAxis::Bottom, true, 3, nullptr}},
         0,
         3},
        // A NaN compares false both ways: it is accepted, and nothing is refused after it.
        {"NaN is no bound",
         {{PlotAxis::Bottom, false, kNaN, nullptr}, {PlotAxis::Bottom, true, -4, nullptr}},
         kNaN,
         -4},
    };
    return cases;
}

bool SameValue(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// A run as the window starts it, on either target; returns the error's message, if any.
QString RunOn(PlotTarget& target, TPlotRun run, const QStringList& texts) {
    ClearFloatFlags();
    try {
        run(texts, target, [&target] { ResetAxes(target); }, {});
    } catch (const Exception& error) {
        ResetFloatEnvironment();
        return error.Message();
    }
    return QString();
}

} // namespace

class TestPlotTargetContract : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { SetRegionalSeparators(QChar(','), QStringLiteral("\u00A0")); }

    void axisRules_data() {
        QTest::addColumn<bool>("real");
        QTest::addColumn<int>("index");
        for (bool real : {true, false})
            for (int i = 0; i < int(AxisCases().size()); ++i)
                QTest::addRow("%s, %s", real ? "chart" : "stand-in", AxisCases()[i].name)
                    << real << i;
    }
    void axisRules() {
        QFETCH(bool, real);
        QFETCH(int, index);
        const AxisCase& row = AxisCases()[index];
        Target target(real);
        PlotTarget& t = target.Get();
        for (const AxisWrite& write : row.writes) {
            QString refusal;
            try {
                write.maximum ? t.SetMaximum(write.axis, write.value)
                              : t.SetMinimum(write.axis, write.value);
            } catch (const AxisException& error) {
                refusal = error.Message();
            }
            QCOMPARE(refusal, QString::fromUtf8(write.refusal ? write.refusal : ""));
        }
        QVERIFY(SameValue(t.Minimum(PlotAxis::Bottom), row.bottomMin));
        QVERIFY(SameValue(t.Maximum(PlotAxis::Bottom), row.bottomMax));
        if (row.writes.empty()) {
            QCOMPARE(t.Minimum(PlotAxis::Left), 0.0);
            QCOMPARE(t.Maximum(PlotAxis::Left), 0.0);
        }
    }

    // The record of samples follows the curves: a sample of either branch is recorded
    // with its frequency, a plain point is not, and clearing a curve clears the record.
    void samplesRecord_data() { AddTargetRows(); }
    void samplesRecord() {
        QFETCH(bool, real);
        Target target(real);
        PlotTarget& t = target.Get();
        t.ClearPoints(PlotSeries::Curve);
        QVERIFY(target.Samples().OfLatestRun());
        t.AddSample(PlotSeries::Curve, 0.5, 1, 2, clRed);
        t.AddSample(PlotSeries::MirrorCurve, -0.5, 1, -2, clRed);
        t.AddPoint(PlotSeries::Curve, -1, 0, clBlue);
        t.AddPoint(PlotSeries::HorizontalLine, 3, 0, clDefault);
        QCOMPARE(int(target.Samples().Size()), 2);
        QCOMPARE(target.Samples()[1].omega, -0.5);
        QVERIFY(target.Samples()[1].mirrored);
        t.ClearPoints(PlotSeries::HorizontalLine);
        QCOMPARE(int(target.Samples().Size()), 2);
        t.ClearPoints(PlotSeries::MirrorCurve);
        QVERIFY(target.Samples().Empty());
    }

    // Whole runs end alike on both: the ranges they show, the samples, and the refusals
    // that end some of them after their samples.
    void runsEndAlike_data() {
        QTest::addColumn<int>("lab");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("hodograph, worked example") << 0 << QStringList{"1", "3", "3", "1"};
        QTest::newRow("hodograph, unstable") << 0 << QStringList{"1", "1", "1", "2"};
        QTest::newRow("Nyquist, worked example")
            << 1 << QStringList{"1", "3", "3", "1", "0", "0", "1"};
        QTest::newRow("Nyquist, Maximum refused")
            << 1 << QStringList{"0", "1", "1", "0", "0", "0", "2000"};
        QTest::newRow("D-partition, worked example") << 2 << QStringList{"1", "3", "3", "0"};
        QTest::newRow("D-partition, Maximum refused") << 2 << QStringList{"1", "-5", "3", "0"};
    }
    void runsEndAlike() {
        QFETCH(int, lab);
        QFETCH(QStringList, texts);
        const TPlotRun runs[] = {RunHodograph, RunNyquist, RunDPartition};
        Target chart(true);
        Target standIn(false);
        // Earlier ranges the reset must cope with, as panning leaves them.
        for (Target* target : {&chart, &standIn}) {
            target->Get().SetMaximum(PlotAxis::Bottom, -3 + 10);
            target->Get().SetMinimum(PlotAxis::Bottom, -3);
        }
        ModalBoxWatcher boxes; // the chart's notices are the program's real boxes
        const QString chartError = RunOn(chart.Get(), runs[lab], texts);
        const QString standInError = RunOn(standIn.Get(), runs[lab], texts);
        QCOMPARE(standInError, chartError);
        QCOMPARE(standIn.Notices(), boxes.Texts());
        for (PlotAxis axis : {PlotAxis::Bottom, PlotAxis::Left}) {
            QCOMPARE(standIn.Get().Minimum(axis), chart.Get().Minimum(axis));
            QCOMPARE(standIn.Get().Maximum(axis), chart.Get().Maximum(axis));
        }
        QCOMPARE(standIn.Samples().Size(), chart.Samples().Size());
    }
};

LABS_TEST_MAIN(TestPlotTargetContract)
#include "tst_PlotTargetContract.moc"
