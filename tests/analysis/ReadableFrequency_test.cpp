#include "AnalysisTestSupport.h"

#include "analysis/ReadableFrequency.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FrequencyCase {
    std::string name;
    std::vector<long double> characteristic;
    long double rootScale;
    int mantissa;
    int exponent;
    bool fromRootScale;
    bool clamped;
};

class ReadableFrequencyTest : public testing::TestWithParam<FrequencyCase> {};

// 10^exponent within a few units of the last place of a long double, wherever: some C
// libraries' long double pow is the double one (the browser's).
long double PowerOfTen(int exponent) {
    long double power = 1;
    long double factor = 10;
    for (int n = exponent < 0 ? -exponent : exponent; n != 0; n >>= 1, factor *= factor)
        if (n & 1)
            power *= factor;
    return exponent < 0 ? 1 / power : power;
}

TEST_P(ReadableFrequencyTest, SmallestReadableValueWithRoom) {
    const FrequencyCase& c = GetParam();
    std::vector<TExtended> characteristic;
    for (long double omega : c.characteristic)
        characteristic.push_back(FromLongDouble(omega));
    const TReadableFrequency f =
        ReadableUpperFrequency(characteristic, FromLongDouble(c.rootScale));
    EXPECT_EQ(f.mantissa, c.mantissa);
    EXPECT_EQ(f.exponent, c.exponent);
    EXPECT_EQ(f.fromRootScale, c.fromRootScale);
    EXPECT_EQ(f.clamped, c.clamped);
    EXPECT_TRUE(Near(ToLongDouble(f.value), c.mantissa * PowerOfTen(c.exponent), 1e-17L));
    // Never zero, never infinite, and room for every characteristic frequency.
    EXPECT_GT(ToLongDouble(f.value), 0);
    EXPECT_TRUE(std::isfinite(ToLongDouble(f.value)));
    if (!c.clamped) {
        for (long double omega : c.characteristic)
            EXPECT_GE(ToLongDouble(f.value), 1.5L * omega);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Frequencies, ReadableFrequencyTest,
    testing::Values(FrequencyCase{"course_plant", {0, 6.2L, 12.247L}, 0, 2, 1, false, false},
                    FrequencyCase{"worked_example", {0.577L, 1.732L}, 0, 5, 0, false, false},
                    FrequencyCase{"just_two", {4.0L / 3}, 0, 2, 0, false, false},
                    FrequencyCase{"just_above_two", {1.334L}, 0, 5, 0, false, false},
                    FrequencyCase{"decade", {6.666L}, 0, 1, 1, false, false},
                    FrequencyCase{"past_the_decade", {6.67L}, 0, 2, 1, false, false},
                    FrequencyCase{"small", {0.001L}, 0, 2, -3, false, false},
                    FrequencyCase{"from_roots", {0}, 3, 5, 0, true, false},
                    FrequencyCase{"nothing_at_all", {}, 0, 1, 0, false, false},
                    FrequencyCase{"beyond_doubles", {1e301L}, 0, 1, 300, false, true},
                    FrequencyCase{"far_beyond", {1e4000L}, 0, 1, 300, false, true},
                    FrequencyCase{"tiny", {1e-320L}, 0, 1, -300, false, true}),
    [](const testing::TestParamInfo<FrequencyCase>& info) { return info.param.name; });

} // namespace
