// The place a value list gives a new value, against the plain rule (scan from the end
// past every greater value, in ascending order; past every smaller one, descending),
// over long random sequences with falling and rising runs, many equal values, both zeros, NaN and
// changes of order on the way: the fast search must always agree with the rule.

#include "chart/ChartValueList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

int RuleIndex(const std::vector<double>& values, TChartListOrder order, double value) {
    int i = int(values.size()) - 1;
    if (order == loNone || values.empty())
        return int(values.size());
    if (order == loAscending)
        while (i >= 0 && values[std::size_t(i)] > value)
            --i;
    else
        while (i >= 0 && values[std::size_t(i)] < value)
            --i;
    return i + 1;
}

double RandomValue(std::mt19937& rng, int step) {
    static const double specials[] = {
        0.0, -0.0, 1.0, -1.0, 1e308, -1e308, 4.9e-324, std::numeric_limits<double>::quiet_NaN()};
    switch (std::uniform_int_distribution<int>(0, 9)(rng)) {
    case 0:
        return specials[std::uniform_int_distribution<int>(0, 7)(rng)];
    case 1:
    case 2:
        return double(std::uniform_int_distribution<int>(-3, 3)(rng)); // many equal values
    case 3:
    case 4:
    case 5:
        return 1000.0 - step; // a falling run, as a hodograph with a1 > 0 adds them
    case 6:
    case 7:
        return -1000.0 + step; // a rising run, as the D-partition adds its points
    default:
        return std::uniform_real_distribution<double>(-50, 50)(rng);
    }
}

class ValueListAgainstRule : public testing::TestWithParam<unsigned> {};

TEST_P(ValueListAgainstRule, PlacesEveryValueWhereTheScanWould) {
    std::mt19937 rng(GetParam());
    for (TChartListOrder start : {loAscending, loDescending}) {
        TChartValueList list(QStringLiteral("X"), start);
        std::vector<double> model;
        TChartListOrder order = start;
        for (int step = 0; step < 3000; ++step) {
            const int action = std::uniform_int_distribution<int>(0, 999)(rng);
            if (action < 2) {
                list.Clear();
                model.clear();
                continue;
            }
            if (action < 5) {
                order = TChartListOrder(std::uniform_int_distribution<int>(0, 2)(rng));
                list.SetOrder(order);
                continue;
            }
            const double value = RandomValue(rng, step);
            const int expected = RuleIndex(model, order, value);
            ASSERT_EQ(list.InsertionIndex(value), expected)
                << "step " << step << " value " << value;
            list.Insert(expected, value);
            model.insert(model.begin() + expected, value);
        }
        ASSERT_EQ(list.Count(), int(model.size()));
        for (int i = 0; i < list.Count(); ++i) {
            const double stored = list.Stored(i), want = model[std::size_t(i)];
            EXPECT_TRUE((std::isnan(stored) && std::isnan(want)) ||
                        (stored == want && std::signbit(stored) == std::signbit(want)))
                << "entry " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ValueListAgainstRule, testing::Values(1u, 2u, 3u, 20261208u));

} // namespace
