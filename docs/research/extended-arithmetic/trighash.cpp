// One hash over SoftSin/SoftCos/SoftAtan of 300,000 arguments of every class (lab range,
// every bit pattern incl. NaN, infinities, unnormals and subnormals, small magnitudes):
// built for x86-64 and for arm64 the printed line must be the same.
// usage: ./trighash
#include "input/SoftExtended.h"

#include <cstdint>
#include <cstdio>

namespace {

// splitmix64: the same arguments on every platform, unlike <random>'s distributions
std::uint64_t state = 12345;
std::uint64_t Next() {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

void Mix(std::uint64_t& hash, TSoftExtended r) {
    hash = (hash ^ r.Significand()) * 1099511628211ull;
    hash = (hash ^ r.SignExponent()) * 1099511628211ull;
}

} // namespace

int main() {
    std::uint64_t hash[3] = {1469598103934665603ull, 1469598103934665603ull,
                             1469598103934665603ull};
    for (int i = 0; i < 300000; ++i) {
        const std::uint64_t a = Next(), b = Next();
        const int kind = i % 3;
        const auto exponent = static_cast<std::uint16_t>(kind == 0   ? 0x3ff0 + b % 20
                                                         : kind == 1 ? b % 0x8000
                                                                     : 0x3fc0 + b % 0x80);
        const std::uint64_t integerBit = kind == 1 ? 0 : std::uint64_t{1} << 63;
        const TSoftExtended x = TSoftExtended::FromBits(
            static_cast<std::uint16_t>(exponent | (b & 0x10000 ? 0x8000 : 0)), a | integerBit);
        Mix(hash[0], SoftSin(x));
        Mix(hash[1], SoftCos(x));
        Mix(hash[2], SoftAtan(x));
    }
    std::printf("sin %016llx cos %016llx atan %016llx flags %d\n",
                static_cast<unsigned long long>(hash[0]), static_cast<unsigned long long>(hash[1]),
                static_cast<unsigned long long>(hash[2]), SoftExtendedFlags());
}
