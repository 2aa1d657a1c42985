// The root finder with arbitrary finite coefficients (constant term first) and, now and
// then, arbitrary search parameters: it either returns a status from 0 to 4 with at
// most three finite roots, or raises one of the floating-point errors. Nothing else.

#include "FuzzCheck.h"

#include "input/Errors.h"
#include "input/FloatEnv.h"
#include "roots/Complex.h"
#include "roots/RootFinder.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>

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
