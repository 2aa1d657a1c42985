// The root finder with arbitrary finite coefficients (constant term first) and, now and
// then, arbitrary search parameters: it either returns a status from 0 to 4 with at
// most three finite roots, or raises one of the floating-point errors. Nothing else.
// And it ends exactly as the search that tests every store for faults: the same error
// or none, the same roots, status and working polynomial to the bit.

#include "FuzzCheck.h"

#include "ground/Errors.h"
#include "ground/FloatEnv.h"
#include "roots/Complex.h"
#include "roots/RootFinder.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <typeinfo>

namespace {

double FiniteDouble(FuzzedDataProvider& in) {
    const double value = in.ConsumeFloatingPoint<double>();
    return std::isfinite(value) ? value : 0.0;
}

// The trimmed degree: what remains after leading coefficients below the threshold.
int TrimmedDegree(int n, const TCoeffArray& a) {
    while (n > 0 && ComplexModulus(a[n]) < ZeroThreshold)
        --n;
    return n;
}

struct SearchEnd {
    const std::type_info* error = nullptr;
    int n = 0;
    TCoeffArray a;
    int rootCount = -7;
    TRootArray roots;
    TRootStatus status = rsOk;
};

template <typename Search>
SearchEnd Run(Search search, int n, const TCoeffArray& a, TComplex start, double tolerance,
              int limit) {
    ResetFloatEnvironment();
    SearchEnd end;
    end.n = n;
    end.a = a;
    try {
        search(end.n, end.a, start, tolerance, limit, end.rootCount, end.roots, end.status);
    } catch (const std::exception& error) {
        end.error = &typeid(error);
    }
    return end;
}

bool SameBits(const TComplexArray& x, const TComplexArray& y) {
    return std::memcmp(&x, &y, sizeof x) == 0;
}

void CheckEndsAsCheckedSearch(int n, const TCoeffArray& a, TComplex start, double tolerance,
                              int limit) {
    const SearchEnd fast =
        Run([](auto&&... args) { FindRoots(args...); }, n, a, start, tolerance, limit);
    const SearchEnd checked = Run([](auto&&... args) { FindRootsCheckingEveryStore(args...); }, n,
                                  a, start, tolerance, limit);
    FUZZ_CHECK((fast.error == nullptr) == (checked.error == nullptr) &&
                   (fast.error == nullptr || *fast.error == *checked.error),
               "the search and the checked search end with different errors");
    FUZZ_CHECK(fast.n == checked.n && fast.rootCount == checked.rootCount &&
                   fast.status == checked.status && SameBits(fast.a, checked.a) &&
                   SameBits(fast.roots, checked.roots),
               "the search and the checked search leave different states");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const bool window = in.ConsumeBool(); // the window's own parameters
    TCoeffArray a;
    for (int k = 0; k <= 3; ++k) {
        a[k].Re = FiniteDouble(in);
        a[k].Im = window ? 0.0 : (in.ConsumeBool() ? FiniteDouble(in) : 0.0);
    }
    int n = window ? 3 : in.ConsumeIntegralInRange<int>(-2, 3);
    const double tolerance = window ? 1e-8 : FiniteDouble(in);
    const int limit = window ? 100 : in.ConsumeIntegralInRange<int>(-2, 100);
    const TComplex start = window ? TComplex{} : TComplex{FiniteDouble(in), FiniteDouble(in)};
    // A leading coefficient whose modulus overflows makes the search overflow too.
    int trimmed = 0;
    bool modulusOverflows = false;
    try {
        trimmed = n > 0 ? TrimmedDegree(n, a) : 0;
    } catch (const EOverflow&) {
        modulusOverflows = true;
    }

    CheckEndsAsCheckedSearch(n, a, start, tolerance, limit);

    ResetFloatEnvironment();
    int rootCount = -7;
    TRootArray roots;
    TRootStatus status = rsOk;
    try {
        FindRoots(n, a, start, tolerance, limit, rootCount, roots, status);
    } catch (const EMathError&) {
        return 0; // overflow, zero divide or invalid operation: reported to the user
    }
    FUZZ_CHECK(!modulusOverflows || status >= rsBadDegree,
               "a search through an overflowing modulus returned normally");
    FUZZ_CHECK(status <= rsBadIterationLimit, "status %d", int(status));
    if (status >= rsBadDegree) {
        FUZZ_CHECK(rootCount == -7, "bad parameters, yet the root count changed");
        return 0;
    }
    FUZZ_CHECK(rootCount >= 0 && rootCount <= 3, "root count %d", rootCount);
    FUZZ_CHECK(rootCount <= trimmed, "%d roots of degree %d", rootCount, trimmed);
    if (status == rsOk)
        FUZZ_CHECK(rootCount == trimmed, "status 0 with %d roots of degree %d", rootCount, trimmed);
    for (int k = 1; k <= rootCount; ++k)
        FUZZ_CHECK(std::isfinite(roots[k].Re) && std::isfinite(roots[k].Im), "root %d: %g%+gi", k,
                   roots[k].Re, roots[k].Im);
    return 0;
}
