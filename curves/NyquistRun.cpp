#include "curves/NyquistRun.h"

#include "curves/AxisRange.h"
#include "curves/FieldTexts.h"
#include "ground/FloatEnv.h"
#include "ground/ParseReal.h"
#include "ground/Regional.h"

#include <cmath>

namespace {

struct Coefficients {
    double a0, a1, a2, a3, b1, b2, b3;
};

// Smallest and largest real (x) and imaginary (y) parts of the response.
struct Extremes {
    double xmin = 2147483647.0;
    double xmax = -2147483647.0;
    double ymin = 2147483647.0;
    double ymax = -2147483647.0;
};

Coefficients ParseAll(const QStringList& texts) {
    const auto v = ReadNyquistFields(texts);
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
}

void Track(Extremes& e, double u, double v) {
    if (u < e.xmin)
        e.xmin = u;
    if (u > e.xmax)
        e.xmax = u;
    if (v < e.ymin)
        e.ymin = v;
    if (v > e.ymax)
        e.ymax = v;
}

// W(jω) = U + jV for ω from 0 (one step, 0.002, when a3 = 0, where A(j0) would be zero)
// while ω <= 10 (the lab's own range). den, U, V and ω are stored doubles; the stores
// raise the faults.
template <TFaultChecks Checks>
Extremes SampleAndPlot(const Coefficients& c, const TFrequencyRange& range, PlotTarget& target) {
    Extremes e;
    const TExtended step = range.Step();
    double w = c.a3 == 0 ? StoreDouble<Checks>(step) : 0.0;
    // The loop ends after 5000 samples whatever the values; a fast pass looks at the
    // flags now and then only, since each look stalls the floating-point unit.
    for (int sample = 0; w <= range.upper && sample < range.MaxSamples(); ++sample) {
        if (sample % 256 == 255)
            StopOnPendingFault<Checks>();
        const double omega = w; // the sample's frequency: w moves on before the point is added
        const TExtended re = c.a3 - (static_cast<TExtended>(c.a1) * w) * w;
        const TExtended im =
            static_cast<TExtended>(c.a2) * w - ((static_cast<TExtended>(c.a0) * w) * w) * w;
        const double den = StoreDouble<Checks>(re * re + im * im);
        const TExtended p = c.b3 - (static_cast<TExtended>(c.b1) * w) * w;
        const TExtended q = static_cast<TExtended>(c.b2) * w;
        const double u = StoreDouble<Checks>((p * re + q * im) / den);
        const double v = StoreDouble<Checks>(((re * c.b2) * w - p * im) / den);
        w = StoreDouble<Checks>(w + step);
        Track(e, u, v);
        target.AddSample(PlotSeries::Curve, omega, u, v, clRed);
    }
    return e;
}

// The 5000 samples' fault tests were most of the run: they are put off to the end,
// and only a run that faults samples again with every store tested, from an empty
// curve, so that the curve ends with the samples before the fault as it always did.
Extremes SampleResponse(const Coefficients& c, const TFrequencyRange& range, PlotTarget& target) {
    Extremes e;
    RunWithDeferredFaultChecks(
        [&] { e = SampleAndPlot<TFaultChecks::Deferred>(c, range, target); },
        [&] { e = SampleAndPlot<TFaultChecks::AtEveryStore>(c, range, target); },
        [&] { target.ClearPoints(PlotSeries::Curve); });
    return e;
}

void ShowRanges(const Extremes& e, PlotTarget& target) {
    SetAxisRange(target, PlotAxis::Bottom, StoreDouble(e.xmin - TExtended(1)),
                 StoreDouble(e.xmax + TExtended(1)));
    SetAxisRange(target, PlotAxis::Left, StoreDouble(e.ymin - TExtended(1)),
                 StoreDouble(e.ymax + TExtended(1)));
}

void AddAxisLines(const Extremes& e, PlotTarget& target) {
    target.AddPoint(PlotSeries::HorizontalLine, StoreDouble(-TExtended(3) * std::fabs(e.xmin)), 0,
                    clDefault);
    target.AddPoint(PlotSeries::HorizontalLine, StoreDouble(TExtended(3) * e.xmax), 0, clDefault);
    target.AddPoint(PlotSeries::VerticalLine, 0, StoreDouble(-TExtended(3) * std::fabs(e.ymin)),
                    clDefault);
    target.AddPoint(PlotSeries::VerticalLine, 0, StoreDouble(TExtended(3) * e.ymax), clDefault);
}

} // namespace

std::array<double, kNyquistFieldCount> ReadNyquistFields(const QStringList& texts) {
    std::array<double, kNyquistFieldCount> values{};
    for (int k = 0; k < kNyquistFieldCount; ++k)
        values[k] = ParseCoefficient(ReplaceFullStops(texts.value(k), DecimalSeparator()));
    return values;
}

void RunNyquist(const QStringList& texts, PlotTarget& target,
                const std::function<void()>& resetAxes, const TPlotRunOptions& options) {
    RequireFieldTexts(texts, kNyquistFieldCount);
    resetAxes();
    const Coefficients c = ParseAll(texts);
    target.ClearPoints(PlotSeries::Curve);
    Extremes e = SampleResponse(c, options.Frequencies(kNyquistFrequencies), target);
    // The horizontal range always reaches past the critical point.
    if (e.xmin > -1)
        e.xmin = -1;
    target.AddPoint(PlotSeries::Curve, -1, 0, clBlue);
    ShowRanges(e, target);
    AddAxisLines(e, target);
}
