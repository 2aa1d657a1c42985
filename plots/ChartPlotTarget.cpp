#include "plots/ChartPlotTarget.h"

#include "chart/Chart.h"
#include "curves/LabSamples.h"
#include "forms/ShowNotice.h"

#include <stdexcept>

ChartPlotTarget::ChartPlotTarget(TChart& chart, const SeriesRoles& roles, TLabSamples* samples)
    : chart_(chart), roles_(roles), samples_(samples) {}

TChartSeries& ChartPlotTarget::Series(PlotSeries series) const {
    TChartSeries* found = nullptr;
    switch (series) {
    case PlotSeries::Curve:
        found = roles_.curve;
        break;
    case PlotSeries::MirrorCurve:
        found = roles_.mirrorCurve;
        break;
    case PlotSeries::HorizontalLine:
        found = roles_.horizontalLine;
        break;
    case PlotSeries::VerticalLine:
        found = roles_.verticalLine;
        break;
    }
    // A run asking for a series its window does not have is a wiring mistake.
    if (!found)
        throw std::logic_error("plot series not present in this window");
    return *found;
}

TChartAxis& ChartPlotTarget::Axis(PlotAxis axis) const {
    return axis == PlotAxis::Bottom ? *chart_.BottomAxis() : *chart_.LeftAxis();
}

void ChartPlotTarget::ClearPoints(PlotSeries series) {
    Series(series).ClearPoints();
    if (samples_ && (series == PlotSeries::Curve || series == PlotSeries::MirrorCurve))
        samples_->Clear();
}

void ChartPlotTarget::AddPoint(PlotSeries series, double x, double y, PlotColor colour) {
    Series(series).AddPoint(x, y, colour);
}

void ChartPlotTarget::AddSample(PlotSeries series, double omega, double x, double y,
                                PlotColor colour) {
    // After the point: a point the chart could not store is no sample either.
    Series(series).AddPoint(x, y, colour);
    if (samples_)
        samples_->Add(omega, x, y, series == PlotSeries::MirrorCurve);
}

double ChartPlotTarget::Minimum(PlotAxis axis) const {
    return Axis(axis).Minimum();
}
double ChartPlotTarget::Maximum(PlotAxis axis) const {
    return Axis(axis).Maximum();
}
void ChartPlotTarget::SetMinimum(PlotAxis axis, double value) {
    Axis(axis).SetMinimum(value);
}
void ChartPlotTarget::SetMaximum(PlotAxis axis, double value) {
    Axis(axis).SetMaximum(value);
}

void ChartPlotTarget::ShowNotice(const QString& text) {
    ::ShowNotice(text);
}
