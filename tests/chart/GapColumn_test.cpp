// A column with a moving gap must hold exactly what a plain vector holds after
// the same insertions: at the front, the back, the middle, with and without reserved
// room, and after clearing.

#include "chart/GapColumn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

void ExpectSame(const TGapColumn<int>& column, const std::vector<int>& expected) {
    ASSERT_EQ(column.Count(), int(expected.size()));
    for (int i = 0; i < column.Count(); ++i)
        ASSERT_EQ(column[i], expected[std::size_t(i)]) << "index " << i;
    ASSERT_GE(column.Capacity(), column.Count());
}

enum class Where { Front, Back, Middle, Random, Walk };

struct PlaceCase {
    const char* name;
    Where where;
    int reserve; // 0: let the column grow by itself
};

int PlaceFor(Where where, int count, std::mt19937& rng) {
    switch (where) {
    case Where::Front:
        return 0;
    case Where::Back:
        return count;
    case Where::Middle:
        return count / 2;
    case Where::Walk: // near the place before, as the points of a curve arrive
        return std::clamp(count / 3 + std::uniform_int_distribution<int>(-5, 5)(rng), 0, count);
    case Where::Random:
        break;
    }
    return std::uniform_int_distribution<int>(0, count)(rng);
}

} // namespace

TEST(GapColumn, InsertionsMatchAPlainVector) {
    const PlaceCase cases[] = {
        {"front", Where::Front, 0},
        {"back", Where::Back, 0},
        {"middle", Where::Middle, 0},
        {"random", Where::Random, 0},
        {"front reserved", Where::Front, 3000},
        {"random reserved", Where::Random, 3000},
        {"walk", Where::Walk, 0},
        {"front tight", Where::Front, 1},
        {"random tight", Where::Random, 17},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::mt19937 rng(7);
        TGapColumn<int> column;
        std::vector<int> expected;
        if (c.reserve > 0)
            column.Reserve(c.reserve);
        for (int k = 0; k < 2500; ++k) {
            const int place = PlaceFor(c.where, column.Count(), rng);
            column.Insert(place, k);
            expected.insert(expected.begin() + place, k);
            if (k % 97 == 0)
                ExpectSame(column, expected);
        }
        ExpectSame(column, expected);
    }
}

TEST(GapColumn, ReserveKeepsValuesAndInsertionsWithinItKeepTheCapacity) {
    TGapColumn<int> column;
    std::vector<int> expected;
    for (int k = 0; k < 10; ++k) {
        column.Insert(k % 2 == 0 ? 0 : column.Count(), k);
        expected.insert(k % 2 == 0 ? expected.begin() : expected.end(), k);
    }
    column.Reserve(40);
    ExpectSame(column, expected);
    ASSERT_EQ(column.Capacity(), 40);
    // Every mix of ends fills the reserved room without a new allocation.
    std::mt19937 rng(3);
    while (column.Count() < 40) {
        const int place = std::uniform_int_distribution<int>(0, column.Count())(rng);
        column.Insert(place, column.Count());
        expected.insert(expected.begin() + place, int(expected.size()));
        ASSERT_EQ(column.Capacity(), 40);
    }
    ExpectSame(column, expected);
    column.Reserve(8); // smaller than now: nothing changes
    ExpectSame(column, expected);
}

TEST(GapColumn, ClearEmptiesAndTheColumnFillsAgain) {
    TGapColumn<int> column;
    for (int k = 0; k < 100; ++k)
        column.Insert(0, k);
    const int capacity = column.Capacity();
    column.Clear();
    ExpectSame(column, {});
    EXPECT_EQ(column.Capacity(), capacity);
    std::vector<int> expected;
    for (int k = 0; k < 300; ++k) {
        column.Insert(k % 3 == 0 ? 0 : column.Count(), k);
        expected.insert(k % 3 == 0 ? expected.begin() : expected.end(), k);
    }
    ExpectSame(column, expected);
}
