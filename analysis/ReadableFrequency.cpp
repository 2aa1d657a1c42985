#include "analysis/ReadableFrequency.h"

#include "analysis/ExtendedKind.h"
#include "numeric/ExtendedConstants.h"

namespace {

constexpr int kLargestExponent = 300;

// 10^k for |k| <= 300 from the program's decimal tables (exact up to 10^27).
TExtended PowerOfTen(int k) {
    const int n = k < 0 ? -k : k;
    const TExtended power = ExtendedConstants::Ones[n % 32] * ExtendedConstants::ThirtyTwos[n / 32];
    return k < 0 ? 1 / power : power;
}

TReadableFrequency Readable(int mantissa, int exponent) {
    TReadableFrequency frequency;
    frequency.mantissa = mantissa;
    frequency.exponent = exponent;
    frequency.value = TExtended(mantissa) * PowerOfTen(exponent);
    return frequency;
}

// The smallest 1, 2 or 5 times a power of ten that is >= target (finite, > 0).
TReadableFrequency SmallestReadableAbove(TExtended target) {
    if (target > PowerOfTen(kLargestExponent)) {
        TReadableFrequency frequency = Readable(1, kLargestExponent);
        frequency.clamped = true;
        return frequency;
    }
    if (target <= PowerOfTen(-kLargestExponent)) {
        TReadableFrequency frequency = Readable(1, -kLargestExponent);
        frequency.clamped = target < PowerOfTen(-kLargestExponent);
        return frequency;
    }
    // The decade: 10^k < target <= 10^(k+1).
    int k = 0;
    while (target <= PowerOfTen(k))
        --k;
    while (target > PowerOfTen(k + 1))
        ++k;
    for (int mantissa : {2, 5})
        if (target <= TExtended(mantissa) * PowerOfTen(k))
            return Readable(mantissa, k);
    return Readable(1, k + 1);
}

} // namespace

TReadableFrequency ReadableUpperFrequency(const std::vector<TExtended>& characteristic,
                                          TExtended rootScale) {
    TExtended largest = 0;
    for (TExtended omega : characteristic)
        if (IsFiniteExtended(omega) && omega > largest)
            largest = omega;
    bool fromRootScale = false;
    if (largest == 0 && IsFiniteExtended(rootScale) && rootScale > 0) {
        largest = rootScale;
        fromRootScale = true;
    }
    TReadableFrequency frequency;
    if (largest == 0) {
        frequency = Readable(1, 0);
    } else if (largest > PowerOfTen(kLargestExponent)) {
        // Checked before the room is added, which could leave the extended range.
        frequency = SmallestReadableAbove(largest);
    } else {
        frequency = SmallestReadableAbove(largest * TExtended(3) / 2);
    }
    frequency.fromRootScale = fromRootScale;
    return frequency;
}
