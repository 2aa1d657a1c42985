// FindRoots runs its search with the fault tests put off to the end and falls back to
// the search that tests every store. Whatever the input, the two must end alike: the
// same error or none, the same roots, status, degree and coefficients to the bit,
// including the state left behind by an error.

#include "RootsTestSupport.h"

#include "ground/Errors.h"
#include "roots/RootFinder.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <typeinfo>

namespace {

struct SearchInput {
    int n = 3;
    TCoeffArray a;
    TComplex start;
    double tolerance = 1e-8;
    int limit = 100;
};

struct SearchEnd {
    std::string error; // the error's type, "" when the search returned
    int n = 0;
    TCoeffArray a;
    int rootCount = -7;
    TRootArray roots;
    TRootStatus status = rsOk;
};

bool SameBits(double x, double y) {
    return std::memcmp(&x, &y, sizeof x) == 0;
}

bool SameTable(const TComplexArray& x, const TComplexArray& y) {
    for (int k = TComplexArray::Low; k <= TComplexArray::High; ++k)
        if (!SameBits(x[k].Re, y[k].Re) || !SameBits(x[k].Im, y[k].Im))
            return false;
    return true;
}

template <typename Search> SearchEnd Run(const SearchInput& in, Search search) {
    ResetFloatEnvironment();
    SearchEnd end;
    end.n = in.n;
    end.a = in.a;
    end.roots[1] = {-5.0, 5.0}; // stale entries must be left or overwritten alike
    try {
        search(end.n, end.a, in.start, in.tolerance, in.limit, end.rootCount, end.roots,
               end.status);
    } catch (const std::exception& error) {
        end.error = typeid(error).name();
    }
    return end;
}

::testing::AssertionResult EndAlike(const SearchInput& in) {
    const SearchEnd fast = Run(in, [](auto&&... args) { FindRoots(args...); });
    const SearchEnd checked = Run(in, [](auto&&... args) { FindRootsCheckingEveryStore(args...); });
    if (fast.error != checked.error)
        return ::testing::AssertionFailure()
               << "error '" << fast.error << "' vs '" << checked.error << "'";
    if (fast.n != checked.n || fast.rootCount != checked.rootCount || fast.status != checked.status)
        return ::testing::AssertionFailure() << "degree, count or status differ";
    if (!SameTable(fast.a, checked.a) || !SameTable(fast.roots, checked.roots))
        return ::testing::AssertionFailure() << "coefficients or roots differ";
    return ::testing::AssertionSuccess() << checked.error;
}

// Magnitudes from subnormal to the top of the range, with the values that matter most.
double Coefficient(std::mt19937_64& random) {
    static const double special[] = {0.0,    -0.0,    1.0,      -1.0,   1e308,
                                     -1e308, DBL_MAX, -DBL_MAX, 1e-308, 5e-324,
                                     1e-15,  9.9e-16, 1e154,    -1e154, 2.2250738585072014e-308};
    std::uniform_int_distribution<int> pick(0, 3);
    if (pick(random) == 0)
        return special[std::uniform_int_distribution<std::size_t>(0,
                                                                  std::size(special) - 1)(random)];
    const double mantissa = std::uniform_real_distribution<double>(-10.0, 10.0)(random);
    const int exponent = std::uniform_int_distribution<int>(-320, 307)(random);
    return std::ldexp(mantissa, static_cast<int>(exponent * 3.3219));
}

TEST(FindRootsDeferred, WindowSearchesEndAsTheCheckedSearch) {
    std::mt19937_64 random(20261208);
    int faults = 0;
    for (int round = 0; round < 3000; ++round) {
        SearchInput in;
        for (int k = 0; k <= 3; ++k)
            in.a[k] = {Coefficient(random), 0.0};
        const ::testing::AssertionResult alike = EndAlike(in);
        ASSERT_TRUE(alike) << "round " << round;
        faults += std::string(alike.message()).empty() ? 0 : 1;
    }
    // The table must reach the fallback often enough to mean something.
    EXPECT_GT(faults, 300);
}

TEST(FindRootsDeferred, ArbitrarySearchesEndAsTheCheckedSearch) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> degree(-1, 3), limit(-1, 60), coin(0, 1);
    int faults = 0;
    for (int round = 0; round < 2000; ++round) {
        SearchInput in;
        for (int k = 0; k <= 3; ++k)
            in.a[k] = {Coefficient(random), coin(random) ? Coefficient(random) : 0.0};
        in.n = degree(random);
        in.start = {coin(random) ? Coefficient(random) : 0.0, coin(random) ? 1.0 : 0.0};
        in.tolerance = coin(random) ? 1e-8 : Coefficient(random);
        in.limit = limit(random);
        const ::testing::AssertionResult alike = EndAlike(in);
        ASSERT_TRUE(alike) << "round " << round;
        faults += std::string(alike.message()).empty() ? 0 : 1;
    }
    EXPECT_GT(faults, 200);
}

TEST(FindRootsDeferred, ExampleCubicsAndTheirResults) {
    // Ordinary input takes the fast pass only; the results are the checked search's.
    const double examples[][4] = {{-6, 11, -6, 1}, {6, 11, 6, 1}, {1, 1, 1, 1},
                                  {1, 0, 0, 1},    {1, 2, 3, 0},  {0, 0, 1, 0}};
    for (const auto& c : examples) {
        SearchInput in;
        for (int k = 0; k <= 3; ++k)
            in.a[k] = {c[k], 0.0};
        const ::testing::AssertionResult alike = EndAlike(in);
        EXPECT_TRUE(alike);
        EXPECT_STREQ(alike.message(), "");
    }
}

} // namespace
