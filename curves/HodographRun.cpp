#include "curves/HodographRun.h"

#include "curves/AxisRange.h"
#include "curves/FieldTexts.h"
#include "ground/FloatEnv.h"
#include "ground/ParseReal.h"

namespace {

struct Coefficients {
    double a0, a1, a2, a3;
};

// What the sampling tracks for the ranges and the axis lines.
struct Extremes {
    double xmax = 0;   // largest real part
    double ymax = 0;   // largest imaginary part
    double xcross = 0; // real part where the imaginary part last went from + to -
};

Coefficients ParseAll(const QStringList& texts) {
    const auto v = ReadHodographFields(texts);
    return {v[0], v[1], v[2], v[3]};
}

// The third-order test compares the two extended products alone; the signs of the
// coefficients are deliberately not examined. Returns false after the notice.
bool PassesStabilityTest(const Coefficients& c, PlotTarget& target) {
    const TExtended p0 = static_cast<TExtended>(c.a0) * c.a3;
    const TExtended p1 = static_cast<TExtended>(c.a1) * c.a2;
    if (p0 > p1) {
        target.ShowNotice(kUnstableNotice);
        return false;
    }
    if (p0 == p1) {
        target.ShowNotice(kStabilityBoundaryNotice);
        return false;
    }
    return true;
}

// D(jω) for ω = 0, 0.1, ... while ω <= 13 (the lab's own range). ω is a stored double
// that each step adds the extended 0.1 to: that rounding gives exactly 131 samples.
Extremes SampleCurve(const Coefficients& c, const TFrequencyRange& range, PlotTarget& target) {
    Extremes e;
    const TExtended step = range.Step();
    double w = 0;
    double yprev = 0;
    for (int sample = 0; w <= range.upper && sample < range.MaxSamples(); ++sample) {
        const double omega = w; // the sample's frequency: w moves on before the point is added
        const double x = StoreDouble(c.a3 - (static_cast<TExtended>(c.a1) * w) * w);
        const double y = StoreDouble((c.a2 - (static_cast<TExtended>(c.a0) * w) * w) * w);
        if (yprev > 0 && y < 0)
            e.xcross = x;
        yprev = y;
        if (x > e.xmax)
            e.xmax = x;
        if (y > e.ymax)
            e.ymax = y;
        w = StoreDouble(w + step);
        target.AddSample(PlotSeries::Curve, omega, x, y, clRed);
    }
    return e;
}

void ShowRanges(const Extremes& e, PlotTarget& target) {
    SetAxisRange(target, PlotAxis::Bottom, StoreDouble(e.xcross - TExtended(1)),
                 StoreDouble(e.xmax + TExtended(1)));
    SetAxisRange(target, PlotAxis::Left, StoreDouble(-(e.ymax + TExtended(1))),
                 StoreDouble(e.ymax + TExtended(1)));
}

void AddAxisLines(const Extremes& e, PlotTarget& target) {
    target.AddPoint(PlotSeries::HorizontalLine, StoreDouble(-TExtended(3) * e.xcross), 0,
                    clDefault);
    target.AddPoint(PlotSeries::HorizontalLine, StoreDouble(TExtended(3) * e.xcross), 0, clDefault);
    target.AddPoint(PlotSeries::VerticalLine, 0, StoreDouble(-TExtended(3) * e.ymax), clDefault);
    target.AddPoint(PlotSeries::VerticalLine, 0, StoreDouble(TExtended(3) * e.ymax), clDefault);
}

} // namespace

std::array<double, kHodographFieldCount> ReadHodographFields(const QStringList& texts) {
    std::array<double, kHodographFieldCount> values{};
    for (int k = 0; k < kHodographFieldCount; ++k)
        values[k] = ParseCoefficient(texts.value(k));
    return values;
}

void RunHodograph(const QStringList& texts, PlotTarget& target,
                  const std::function<void()>& resetAxes, const TPlotRunOptions& options) {
    RequireFieldTexts(texts, kHodographFieldCount);
    // The reset comes first, so every way the run can end leaves the axes at 0..0.
    resetAxes();
    const Coefficients c = ParseAll(texts);
    if (!options.plotEvenIfUnstable && !PassesStabilityTest(c, target))
        return;
    target.ClearPoints(PlotSeries::Curve);
    const Extremes e = SampleCurve(c, options.Frequencies(kHodographFrequencies), target);
    ShowRanges(e, target);
    AddAxisLines(e, target);
}
