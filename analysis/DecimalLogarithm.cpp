#include "analysis/DecimalLogarithm.h"

namespace {

constexpr TExtended kTwoTo64 = ExtendedFromImage(0x403f, 0x8000000000000000);
constexpr TExtended kTwoToMinus64 = ExtendedFromImage(0x3fbf, 0x8000000000000000);
constexpr TExtended kSqrtTwo = ExtendedFromImage(0x3fff, 0xb504f333f9de6484);
constexpr TExtended kLog10Of2 = ExtendedFromImage(0x3ffd, 0x9a209a84fbcff799);
constexpr TExtended kLog10OfE = ExtendedFromImage(0x3ffd, 0xde5bd8a937287195);

// ln m for sqrt(1/2) <= m <= sqrt(2): 2 atanh s with s = (m - 1) / (m + 1), |s| < 0.172,
// where fifteen terms of s + s^3/3 + s^5/5 + ... leave out less than 2^-70 of the value.
TExtended NaturalLogarithmNearOne(TExtended m) {
    constexpr int kTerms = 15;
    const TExtended s = (m - 1) / (m + 1);
    const TExtended s2 = s * s;
    TExtended series = 0;
    for (int k = kTerms - 1; k >= 0; --k)
        series = series * s2 + TExtended(1) / TExtended(2 * k + 1);
    return 2 * s * series;
}

} // namespace

TExtended DecimalLogarithm(TExtended x) {
    // x = m * 2^e with m near 1; the scalings by powers of two are exact.
    int e = 0;
    TExtended m = x;
    while (m >= kTwoTo64) {
        m = m * kTwoToMinus64;
        e += 64;
    }
    while (m >= 2) {
        m = m / 2;
        ++e;
    }
    while (m < kTwoToMinus64) {
        m = m * kTwoTo64;
        e -= 64;
    }
    while (m < 1) {
        m = m * 2;
        --e;
    }
    if (m > kSqrtTwo) {
        m = m / 2;
        ++e;
    }
    return TExtended(e) * kLog10Of2 + NaturalLogarithmNearOne(m) * kLog10OfE;
}

TExtended Decibels(TExtended x) {
    return 20 * DecimalLogarithm(x);
}
