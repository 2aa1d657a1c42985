#pragma once

// The fixture of a plotting lab's run tests: the program's floating-point environment,
// the comma separators, a recording chart, and a run as the window makes it (clean
// flags first, the axes reset through the chart).

#include "curves/AxisRange.h"
#include "curves/FrequencyRange.h"
#include "ground/FloatEnv.h"
#include "ground/Regional.h"
#include "tests/support/FakePlotTarget.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

template <TPlotRun RunLab> class PlotRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetFloatEnvironment();
        SetRegionalSeparators(QChar(','), QStringLiteral("\u00A0"));
    }
    void Run(const QStringList& texts) {
        ClearFloatFlags();
        RunLab(texts, chart, [this] { ResetAxes(chart); }, {});
    }
    const std::vector<FakePlotTarget::Point>& Curve() { return chart.Points(PlotSeries::Curve); }
    void ExpectAxesAtZero() {
        for (PlotAxis axis : {PlotAxis::Bottom, PlotAxis::Left}) {
            EXPECT_EQ(chart.RangeOf(axis).min, 0.0);
            EXPECT_EQ(chart.RangeOf(axis).max, 0.0);
        }
    }

    FakePlotTarget chart;
};
