#include "curves/DPartitionRun.h"

#include "curves/AxisRange.h"
#include "curves/FieldTexts.h"
#include "ground/FloatEnv.h"
#include "ground/ParseReal.h"

#include <cmath>

namespace {

struct Coefficients {
    double a0, a1, a2;
};

struct Extremes {
    double xcross = 0; // real part where the imaginary part last went from - to +
    double ypeak = 0;  // imaginary part at the first peak of its magnitude
    double xmin = 0;   // smallest real part
};

// a3 is the free coefficient the plane is drawn in: its value is not used, but a text
// that is no number is still an error.
Coefficients ParseAll(const QStringList& texts) {
    const auto v = ReadDPartitionFields(texts);
    return {v[0], v[1], v[2]};
}

// Follows |Y| until it first decreases; from then on the peak stays.
struct PeakTracker {
    double peak = 0;
    bool passed = false;
    void Take(double y) {
        if (passed)
            return;
        if (std::fabs(y) >= std::fabs(peak))
            peak = y;
        else
            passed = true;
    }
};

// Both branches for ω = 0, 0.01, ... while ω <= 10 (the lab's own range); ω is a stored
// double that each step adds the extended 0.01 to, which gives exactly 1001 samples.
// The mirror branch is added in red as well: the point colour, not the series colour,
// is what is drawn.
Extremes SampleBoundary(const Coefficients& c, const TFrequencyRange& range, PlotTarget& target) {
    Extremes e;
    PeakTracker peak;
    const TExtended step = range.Step();
    double w = 0;
    double yprev = 0;
    for (int sample = 0; w <= range.upper && sample < range.MaxSamples(); ++sample) {
        const double omega = w; // the sample's frequency: w moves on before the points are added
        const double x = StoreDouble((static_cast<TExtended>(c.a1) * w) * w);
        const double y = StoreDouble(((static_cast<TExtended>(c.a0) * w) * w - c.a2) * w);
        peak.Take(y);
        if (yprev < 0 && y > 0)
            e.xcross = x;
        yprev = y;
        if (x < e.xmin)
            e.xmin = x;
        w = StoreDouble(w + step);
        target.AddSample(PlotSeries::Curve, omega, x, y, clRed);
        target.AddSample(PlotSeries::MirrorCurve, -omega, x, -y, clRed);
    }
    e.ypeak = peak.peak;
    return e;
}

void ShowRanges(const Extremes& e, PlotTarget& target) {
    SetAxisRange(target, PlotAxis::Bottom, StoreDouble(e.xmin - TExtended(3)),
                 StoreDouble(e.xcross + TExtended(13)));
    const double halfHeight = StoreDouble(std::fabs(e.ypeak) + TExtended(3));
    SetAxisRange(target, PlotAxis::Left, -halfHeight, halfHeight);
}

void AddAxisLines(const Extremes& e, PlotTarget& target) {
    target.AddPoint(PlotSeries::HorizontalLine, StoreDouble(-TExtended(4) * e.xcross), 0,
                    clDefault);
    target.AddPoint(PlotSeries::HorizontalLine, StoreDouble(TExtended(4) * e.xcross), 0, clDefault);
    target.AddPoint(PlotSeries::VerticalLine, 0, StoreDouble(-TExtended(4) * e.ypeak), clDefault);
    target.AddPoint(PlotSeries::VerticalLine, 0, StoreDouble(TExtended(4) * e.ypeak), clDefault);
}

} // namespace

std::array<double, kDPartitionFieldCount> ReadDPartitionFields(const QStringList& texts) {
    std::array<double, kDPartitionFieldCount> values{};
    for (int k = 0; k < kDPartitionFieldCount; ++k)
        values[k] = ParseCoefficient(texts.value(k));
    return values;
}

void RunDPartition(const QStringList& texts, PlotTarget& target,
                   const std::function<void()>& resetAxes, const TPlotRunOptions& options) {
    RequireFieldTexts(texts, kDPartitionFieldCount);
    const Coefficients c = ParseAll(texts);
    // After parsing: a text that is no number leaves the chart untouched.
    resetAxes();
    target.ClearPoints(PlotSeries::Curve);
    target.ClearPoints(PlotSeries::MirrorCurve);
    const Extremes e = SampleBoundary(c, options.Frequencies(kDPartitionFrequencies), target);
    ShowRanges(e, target);
    AddAxisLines(e, target);
}
