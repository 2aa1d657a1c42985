#include "chart/ChartAxis.h"

#include "chart/AxisLabelFormat.h"
#include "chart/AxisLabelStep.h"
#include "chart/AxisMinorTicks.h"
#include "chart/ChartParent.h"
#include "ground/AxisException.h"
#include "numeric/ExtendedConstants.h"

#include <algorithm>
#include <cmath>
#if defined(__x86_64__)
#include <immintrin.h>
#endif
#include <limits>

namespace {

constexpr double MinRangeSpan = 1e-10;
constexpr double PixelLimit = 2147483647.0;
constexpr int LabelsLimit = 10000;
// The labels: no smallest step of their own, at least 10 % of a label's size apart, the
// first one on a whole multiple of the step.
constexpr double LabelIncrement = 0;
constexpr int LabelsSeparation = 10;
constexpr bool RoundFirstLabel = true;

// Rounds to the nearest integer, ties to even (the rounding mode of the program's
// floating-point environment). One instruction rather than the library's
// long double rounding: the drawing maps every point through here.
long long RoundEven(double value) {
#if defined(__x86_64__)
    return _mm_cvtsd_si64(_mm_set_sd(value));
#else
    return std::llrint(value);
#endif
}

int ClampToInt(long long value) {
    return int(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max()));
}

} // namespace

TChartAxis::TChartAxis(bool horizontal, TChartParent* parent)
    : horizontal_(horizontal), parent_(parent) {}

void TChartAxis::Repaint() {
    if (parent_)
        parent_->Invalidate();
}

void TChartAxis::SetMinimum(double value) {
    if (value > maximum_)
        throw AxisException(QStringLiteral("Axis Minimum Value must be <= Maximum"));
    if (value == minimum_)
        return;
    minimum_ = value;
    Repaint();
}

void TChartAxis::SetMaximum(double value) {
    if (value < minimum_)
        throw AxisException(QStringLiteral("Axis Maximum Value must be >= Minimum"));
    if (value == maximum_)
        return;
    maximum_ = value;
    Repaint();
}

void TChartAxis::SetRange(double low, double high) {
    automatic_ = automaticMinimum_ = automaticMaximum_ = false;
    if (low > high)
        std::swap(low, high);
    minimum_ = low;
    maximum_ = high;
    // A zoom into a single pixel would leave nothing to map values onto.
    if (static_cast<TExtended>(maximum_) - minimum_ < MinRangeSpan)
        maximum_ = double(minimum_ + static_cast<TExtended>(MinRangeSpan));
    Repaint();
}

void TChartAxis::Shift(double delta) {
    minimum_ = double(minimum_ + static_cast<TExtended>(delta));
    maximum_ = double(maximum_ + static_cast<TExtended>(delta));
    Repaint();
}

void TChartAxis::SetAxisVisible(bool visible) {
    if (axisPen_.Visible == visible)
        return;
    axisPen_.Visible = visible;
    Repaint();
}

void TChartAxis::BeginDraw() {
    viewMin_ = minimum_;
    viewMax_ = maximum_;
    viewSpan_ = double(static_cast<TExtended>(viewMax_) - viewMin_);
}

int TChartAxis::TickBand() const {
    int band = axisPen_.Visible ? axisPen_.Width : 0;
    if (ticksPen_.Visible)
        band += tickLength_;
    if (minorTicksPen_.Visible)
        band = std::max(band, minorTickLength_);
    return band;
}

int TChartAxis::VerticalLabelBand(const TTextMeasure& measure) const {
    // Sized for the outermost labels at the step of the previous drawing's length
    // (the length of this drawing is not known until the bands are taken).
    const int maxLabels = MaxLabelCount(previousLength_, measure.Height, LabelsSeparation);
    const TExtended step = ::CalcLabelStep(viewSpan_, maxLabels, LabelsSeparation, LabelIncrement);
    const double low = double(ExtendedTrunc(viewMin_ / step) * step);
    const double high = double(ExtendedTrunc(viewMax_ / step) * step);
    const int widest =
        std::max(measure.Width(FormatAxisLabel(low)), measure.Width(FormatAxisLabel(high)));
    return widest + measure.Width(QStringLiteral(" "));
}

void TChartAxis::ReserveSpace(QRect& remaining, const TTextMeasure& measure) {
    const int ticks = TickBand();
    if (horizontal_) {
        const int labels = measure.Height;
        labelBandPos_ = remaining.bottom() - labels;
        remaining.setBottom(remaining.bottom() - labels - ticks);
    } else {
        const int labels = VerticalLabelBand(measure);
        labelBandPos_ = remaining.left() + labels;
        remaining.setLeft(remaining.left() + labels + ticks);
    }
}

void TChartAxis::SetPlotRect(const QRect& plot) {
    if (horizontal_) {
        pixelStart_ = plot.left();
        pixelEnd_ = plot.right();
        axisLinePos_ = plot.bottom();
    } else {
        pixelStart_ = plot.top();
        pixelEnd_ = plot.bottom();
        axisLinePos_ = plot.left();
    }
    previousLength_ = PixelLength();
}

int TChartAxis::ValueToPixel(double value) const {
    if (viewSpan_ == 0)
        return PixelCentre();
    const double t = double((static_cast<TExtended>(value) - viewMin_) * PixelLength() / viewSpan_);
    // Values far outside the range (and a range too wide to subtract) land in the
    // middle rather than overflowing the pixel arithmetic.
    if (!(std::fabs(t) < PixelLimit))
        return PixelCentre();
    const long long offset = RoundEven(t);
    return ClampToInt(horizontal_ ? pixelStart_ + offset : pixelEnd_ - offset);
}

std::optional<double> TChartAxis::ValueToCoordinate(double value) const {
    if (viewSpan_ == 0)
        return std::nullopt;
    // The offset of ValueToPixel before its rounding.
    const TExtended t = (static_cast<TExtended>(value) - viewMin_) * PixelLength() / viewSpan_;
    if (!(ExtendedAbs(t) < static_cast<TExtended>(CoordinateLimit)))
        return std::nullopt;
    const double offset = double(t);
    return horizontal_ ? pixelStart_ + offset : pixelEnd_ - offset;
}

double TChartAxis::PixelToValue(int pixel) const {
    if (PixelLength() < 1)
        return 0;
    const TExtended d = static_cast<TExtended>(pixel - pixelStart_) * viewSpan_ / PixelLength();
    return horizontal_ ? double(viewMin_ + d) : double(viewMax_ - d);
}

double TChartAxis::CalcLabelStep(const TTextMeasure& measure) const {
    int size = measure.Height;
    if (horizontal_)
        size = std::max(measure.Width(FormatAxisLabel(viewMin_)),
                        measure.Width(FormatAxisLabel(viewMax_)));
    const int maxLabels = MaxLabelCount(PixelLength(), size, LabelsSeparation);
    return ::CalcLabelStep(viewSpan_, maxLabels, LabelsSeparation, LabelIncrement);
}

TAxisTicks TChartAxis::CalcTicks(const TTextMeasure& measure) const {
    TAxisTicks ticks;
    const double step = CalcLabelStep(measure);
    ticks.LabelStep = step;
    if (!std::isfinite(step) || !(std::fabs(viewSpan_ / step) < LabelsLimit))
        return ticks;
    double v = viewMax_;
    if (viewMin_ != viewMax_ && RoundFirstLabel)
        v = double(ExtendedTrunc(static_cast<TExtended>(viewMax_) / step) * step);
    // Stepping down; a step below the value's resolution would never get anywhere.
    while (v > viewMax_) {
        const double next = double(static_cast<TExtended>(v) - step);
        if (next == v)
            break;
        v = next;
    }
    // The tolerance lets a label exactly at a zero or positive minimum through,
    // but not one exactly at a negative minimum.
    const double limit = double((static_cast<TExtended>(viewMin_) - ExtendedConstants::Pico) /
                                ExtendedConstants::OnePlusPico);
    while (v >= limit && int(ticks.Labels.size()) < MaxTickPositions) {
        ticks.Labels.push_back({v, ValueToPixel(v), FormatAxisLabel(v)});
        v = double(static_cast<TExtended>(v) - step);
    }
    std::vector<int> positions;
    for (const TAxisLabel& label : ticks.Labels)
        positions.push_back(label.Position);
    ticks.MinorTicks = MinorTickPositions(positions, minorTickCount_, pixelStart_, pixelEnd_);
    return ticks;
}
