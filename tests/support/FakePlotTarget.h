#pragma once

#include "curves/LabSamples.h"
#include "curves/PlotTarget.h"
#include "ground/AxisException.h"

#include <QString>
#include <QStringList>
#include <map>
#include <ostream>
#include <vector>

// A chart stand-in that records what a lab's run does: the points of every series
// in the order added, the axis ranges under the chart's own rules (both ends start at
// 0; a write that would cross the other end raises the chart's AxisException and
// changes nothing: tests/plots/tst_PlotTargetContract.cpp holds it to the real
// chart's), the notices, the record of samples as a window keeps it, and a log of
// every call in order (a sample's point is logged as a point). The results tool
// (tools/LabResultsDump.cpp) runs the labs on it too.
class FakePlotTarget : public PlotTarget {
  public:
    struct Point {
        double x, y;
        PlotColor colour;
    };
    struct Range {
        double min = 0, max = 0;
    };

    void ClearPoints(PlotSeries series) override {
        points[series].clear();
        if (series == PlotSeries::Curve || series == PlotSeries::MirrorCurve)
            samples.Clear();
        log << QStringLiteral("clear %1").arg(Name(series));
    }
    void AddPoint(PlotSeries series, double x, double y, PlotColor colour) override {
        points[series].push_back({x, y, colour});
        ++added;
        // Runs of additions are logged once: alternating branches count as one run.
        const QString entry = QStringLiteral("add %1").arg(Name(series));
        const qsizetype n = log.size();
        if (!(n >= 1 && log[n - 1] == entry) && !(n >= 2 && log[n - 2] == entry))
            log << entry;
    }
    void AddSample(PlotSeries series, double omega, double x, double y, PlotColor colour) override {
        AddPoint(series, x, y, colour);
        samples.Add(omega, x, y, series == PlotSeries::MirrorCurve);
    }
    double Minimum(PlotAxis axis) const override { return RangeOf(axis).min; }
    double Maximum(PlotAxis axis) const override { return RangeOf(axis).max; }
    void SetMinimum(PlotAxis axis, double value) override {
        log << QStringLiteral("%1.Minimum").arg(Name(axis));
        if (value > ranges[axis].max)
            throw AxisException(QStringLiteral("Axis Minimum Value must be <= Maximum"));
        ranges[axis].min = value;
    }
    void SetMaximum(PlotAxis axis, double value) override {
        log << QStringLiteral("%1.Maximum").arg(Name(axis));
        if (value < ranges[axis].min)
            throw AxisException(QStringLiteral("Axis Maximum Value must be >= Minimum"));
        ranges[axis].max = value;
    }
    void ShowNotice(const QString& text) override {
        notices << text;
        log << QStringLiteral("notice");
    }

    // What a pan or zoom does: both ends at once, without the checks.
    void Pan(PlotAxis axis, double lo, double hi) { ranges[axis] = {lo, hi}; }

    const std::vector<Point>& Points(PlotSeries series) { return points[series]; }
    Range RangeOf(PlotAxis axis) const {
        const auto found = ranges.find(axis);
        return found == ranges.end() ? Range{} : found->second;
    }

    std::map<PlotSeries, std::vector<Point>> points;
    std::map<PlotAxis, Range> ranges;
    TLabSamples samples;
    QStringList notices;
    QStringList log;
    int added = 0;

  private:
    static QString Name(PlotAxis axis) {
        return axis == PlotAxis::Bottom ? QStringLiteral("Bottom") : QStringLiteral("Left");
    }
    static QString Name(PlotSeries series) {
        switch (series) {
        case PlotSeries::Curve:
            return QStringLiteral("Curve");
        case PlotSeries::MirrorCurve:
            return QStringLiteral("Mirror");
        case PlotSeries::HorizontalLine:
            return QStringLiteral("HorizontalLine");
        case PlotSeries::VerticalLine:
            return QStringLiteral("VerticalLine");
        }
        return {};
    }
};

// Readable failure messages for the texts the tests compare.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{' << list.join(QStringLiteral(", ")).toStdString() << '}';
}
