// The range of frequencies a plotting run samples: the labs' own ranges step exactly as
// they always have (the extended 0.1, 0.002, 0.01), and whatever upper frequency a student
// chooses, a run takes no more samples than its lab's own range does, plus one.

#include "curves/DPartitionRun.h"
#include "curves/FrequencyRange.h"
#include "curves/HodographRun.h"
#include "curves/NyquistRun.h"
#include "numeric/ExtendedConstants.h"
#include "tests/curves/PlotRunTest.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(FrequencyRange, TheLabsOwnRangesStepAsTheyAlwaysHave) {
    EXPECT_EQ(kHodographFrequencies.Step(), ExtendedConstants::Tenth);
    EXPECT_EQ(kNyquistFrequencies.Step(), ExtendedConstants::TwoThousandths);
    EXPECT_EQ(kDPartitionFrequencies.Step(), ExtendedConstants::Hundredth);
}

struct RangeCase {
    const char* lab;
    TPlotRun run;
    QStringList texts;
    int ownSamples; // at the lab's own range
};

class BoundedWork : public ::testing::TestWithParam<RangeCase> {
  protected:
    void SetUp() override {
        ResetFloatEnvironment();
        SetRegionalSeparators(QChar(','), QStringLiteral("\u00A0"));
    }
};

TEST_P(BoundedWork, WhateverTheUpperFrequency) {
    const RangeCase& row = GetParam();
    for (double upper : {0.0, kLowestUpperFrequency, 0.1, 20.0, 1e4, kHighestUpperFrequency}) {
        FakePlotTarget chart;
        TPlotRunOptions options;
        options.upperFrequency = upper;
        ClearFloatFlags();
        try {
            row.run(
                row.texts, chart, [&chart] { ResetAxes(chart); }, options);
        } catch (const std::exception&) {
            ResetFloatEnvironment(); // a huge range may overflow: the samples so far count
        }
        // One branch: the D-partition's mirror takes a sample with each of them.
        int samples = 0;
        for (const TLabSample& sample : chart.samples.All())
            samples += sample.mirrored ? 0 : 1;
        if (upper == 0) {
            EXPECT_EQ(samples, row.ownSamples) << row.lab;
            continue;
        }
        EXPECT_LE(samples, row.ownSamples + 1) << row.lab << " up to " << upper;
        EXPECT_GE(samples, row.ownSamples - 1) << row.lab << " up to " << upper;
        EXPECT_LE(std::abs(chart.samples.All().back().omega), upper) << row.lab;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Labs, BoundedWork,
    ::testing::Values(RangeCase{"hodograph", RunHodograph, {"1", "3", "3", "1"}, 131},
                      RangeCase{"nyquist", RunNyquist, {"1", "3", "3", "1", "0", "0", "1"}, 5000},
                      RangeCase{
                          "nyquist, a3 = 0", RunNyquist, {"0", "1", "1", "0", "0", "0", "1"}, 4999},
                      RangeCase{"d-partition", RunDPartition, {"1", "3", "3", "0"}, 1001}),
    [](const auto& info) {
        std::string name = info.param.lab;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

} // namespace
