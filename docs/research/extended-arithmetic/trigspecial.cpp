// SoftSin/SoftCos/SoftAtan against glibc's sinl/cosl/atanl on the x87, bit for bit with
// the invalid flag, for 300,000 images outside the ordinary finite values: NaNs and
// infinities with random payloads, subnormals, unnormals (also with zero significand),
// pseudo-denormals, pseudo-NaNs and pseudo-infinities. x86-64 only.
// usage: ./trigspecial
#include "input/SoftExtended.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>

namespace {

long double FromImage(std::uint16_t se, std::uint64_t m) {
    long double v = 0;
    std::memcpy(&v, &m, 8);
    std::memcpy(reinterpret_cast<char*>(&v) + 8, &se, 2);
    return v;
}

} // namespace

int main() {
    std::mt19937_64 r(5);
    long differences[3] = {0, 0, 0};
    long double (*hardware[3])(long double) = {sinl, cosl, atanl};
    TSoftExtended (*soft[3])(TSoftExtended) = {SoftSin, SoftCos, SoftAtan};
    const char* names[3] = {"sin", "cos", "atan"};
    const int n = 300000;
    for (int i = 0; i < n; ++i) {
        std::uint64_t m = r();
        std::uint16_t e = 0;
        const std::uint64_t integerBit = std::uint64_t{1} << 63;
        switch (i % 6) {
        case 0:
            e = 0x7fff;
            break; // NaN, infinity, pseudo
        case 1:
            e = 0;
            break; // subnormal, zero
        case 2:
            e = r() % 0x7fff;
            m &= ~integerBit;
            break; // unnormal
        case 3:
            e = r() % 0x7fff;
            m = r() & 1 ? 0 : (m >> (r() % 64)) & ~integerBit;
            break;
        case 4:
            e = 0;
            m |= integerBit;
            break; // pseudo-denormal
        default:
            e = 0x7fff;
            m = r() & 1 ? integerBit : m & ~integerBit; // infinity, pseudo
        }
        if (r() & 1)
            e |= 0x8000;
        for (int f = 0; f < 3; ++f) {
            feclearexcept(FE_ALL_EXCEPT);
            volatile long double x = FromImage(e, m);
            const long double expected = hardware[f](x);
            const int expectedInvalid = fetestexcept(FE_INVALID) != 0;
            std::uint64_t em;
            std::uint16_t ese;
            std::memcpy(&em, &expected, 8);
            std::memcpy(&ese, reinterpret_cast<const char*>(&expected) + 8, 2);
            SetSoftExtendedFlags(0);
            const TSoftExtended got = soft[f](TSoftExtended::FromBits(e, m));
            const int gotInvalid = (SoftExtendedFlags() & FE_INVALID) != 0;
            if (ese != got.SignExponent() || em != got.Significand() ||
                expectedInvalid != gotInvalid) {
                if (differences[f]++ < 5)
                    std::printf("%s %04x:%016llx glibc %04x:%016llx invalid %d, soft %04x:%016llx "
                                "invalid %d\n",
                                names[f], e, static_cast<unsigned long long>(m), ese,
                                static_cast<unsigned long long>(em), expectedInvalid,
                                got.SignExponent(),
                                static_cast<unsigned long long>(got.Significand()), gotInvalid);
            }
        }
    }
    std::printf("%d images: differences sin %ld, cos %ld, atan %ld\n", n, differences[0],
                differences[1], differences[2]);
}
