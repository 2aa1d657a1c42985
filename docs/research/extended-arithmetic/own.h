// Throwaway prototype of an own x87-compatible extended type (80-bit image: 64-bit significand with explicit
// integer bit, 15-bit biased exponent, sign), round-to-nearest-even, denormals kept, sticky flags.
// Integer-only arithmetic (unsigned __int128); the one floating helper is the IEEE double sqrt used as a seed.
#pragma once
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
namespace own {
using u128 = unsigned __int128;
enum { INV = 1, DZ = 2, OV = 4 };
inline int flags = 0;
struct Ext { uint64_t m; uint16_t se; };
constexpr int BIAS = 16383;
inline bool isNan(Ext a) { return (a.se & 0x7fff) == 0x7fff && (a.m << 1); }
inline bool isInf(Ext a) { return (a.se & 0x7fff) == 0x7fff && !(a.m << 1); }
inline bool isZero(Ext a) { return (a.se & 0x7fff) == 0 && a.m == 0; }
inline Ext nanDefault() { flags |= INV; return {0xC000000000000000ull, 0xffff}; } // x87 "real indefinite"
inline Ext inf(bool neg) { return {0x8000000000000000ull, uint16_t((neg ? 0x8000 : 0) | 0x7fff)}; }
inline Ext zero(bool neg) { return {0, uint16_t(neg ? 0x8000 : 0)}; }
inline Ext quiet(Ext a) { a.m |= 0x4000000000000000ull; return a; }
inline int clz128(u128 x) { uint64_t hi = uint64_t(x >> 64); return hi ? __builtin_clzll(hi) : 64 + __builtin_clzll(uint64_t(x)); }
// value = sig * 2^e exactly, except that bit 0 of sig may carry the sticky "something below" (needs >= 2 guard bits)
inline Ext roundPack(bool neg, int32_t e, u128 sig) {
    if (sig == 0) return zero(neg);
    int lz = clz128(sig);
    sig <<= lz; e -= lz;                          // msb at bit 127
    int32_t be = e + 127 + BIAS;                  // biased exponent of a result whose integer bit is bit 127
    if (be < 1) {                                 // denormal: align to the fixed denormal exponent, keep a sticky bit
        int sh = 1 - be;
        sig = sh >= 128 ? u128(sig != 0) : (sig >> sh) | u128((sig << (128 - sh)) != 0);
        be = 0;
    }
    uint64_t m = uint64_t(sig >> 64), low = uint64_t(sig);
    const uint64_t half = 1ull << 63;
    if (low > half || (low == half && (m & 1))) {
        if (++m == 0) { m = half; ++be; }         // carry out of the significand
        else if (be == 0 && (m >> 63)) be = 1;    // a denormal rounded up into the normal range
    }
    if (be >= 0x7fff) { flags |= OV; return inf(neg); }
    return {m, uint16_t((neg ? 0x8000 : 0) | be)};
}
struct Un { bool neg; int32_t e; uint64_t m; }; // value = m * 2^e
inline Un unpack(Ext a) { int be = a.se & 0x7fff; return {bool(a.se & 0x8000), (be ? be : 1) - BIAS - 63, a.m}; }
inline Ext addSigned(Ext a, Ext b, bool negB) {
    if (isNan(a)) return quiet(a);
    if (isNan(b)) return quiet(b);
    bool na = a.se & 0x8000, nb = bool(b.se & 0x8000) != negB;
    if (isInf(a) || isInf(b)) { if (isInf(a) && isInf(b) && na != nb) return nanDefault(); return isInf(a) ? a : inf(nb); }
    if (isZero(a) && isZero(b)) return zero(na && nb);
    if (isZero(b)) return a;
    if (isZero(a)) { b.se = uint16_t((b.se & 0x7fff) | (nb ? 0x8000 : 0)); return b; }
    Un x = unpack(a), y = unpack(b); y.neg = nb;
    // order by magnitude
    if (x.e < y.e || (x.e == y.e && x.m < y.m)) std::swap(x, y);
    int32_t d = x.e - y.e;
    u128 X = u128(x.m) << 63, Y = u128(y.m) << 63;  // 63 guard bits, one bit of headroom
    if (d >= 127) Y = 1;                            // only the sticky bit survives
    else if (d > 0) Y = (Y >> d) | u128((Y << (128 - d)) != 0);
    u128 s = x.neg == y.neg ? X + Y : X - Y;
    if (s == 0) return zero(false);                 // exact cancellation gives +0 in round-to-nearest
    return roundPack(x.neg, x.e - 63, s);
}
inline Ext add(Ext a, Ext b) { return addSigned(a, b, false); }
inline Ext sub(Ext a, Ext b) { return addSigned(a, b, true); }
inline Ext mul(Ext a, Ext b) {
    if (isNan(a)) return quiet(a);
    if (isNan(b)) return quiet(b);
    bool neg = bool((a.se ^ b.se) & 0x8000);
    if (isInf(a) || isInf(b)) { if (isZero(a) || isZero(b)) return nanDefault(); return inf(neg); }
    if (isZero(a) || isZero(b)) return zero(neg);
    Un x = unpack(a), y = unpack(b);
    return roundPack(neg, x.e + y.e, u128(x.m) * y.m);
}
inline void normalize(Un& x) { int lz = __builtin_clzll(x.m); x.m <<= lz; x.e -= lz; }
inline Ext div(Ext a, Ext b) {
    if (isNan(a)) return quiet(a);
    if (isNan(b)) return quiet(b);
    bool neg = bool((a.se ^ b.se) & 0x8000);
    if (isInf(a)) return isInf(b) ? nanDefault() : inf(neg);
    if (isInf(b)) return zero(neg);
    if (isZero(b)) { if (isZero(a)) return nanDefault(); flags |= DZ; return inf(neg); }
    if (isZero(a)) return zero(neg);
    Un x = unpack(a), y = unpack(b); normalize(x); normalize(y);
    u128 n1 = u128(x.m) << 64; u128 q1 = n1 / y.m; uint64_t r1 = uint64_t(n1 % y.m);   // q1 < 2^65
    u128 n2 = u128(r1) << 64; uint64_t q2 = uint64_t(n2 / y.m); bool r2 = (n2 % y.m) != 0;
    u128 q = (q1 << 62) | (q2 >> 2) | u128((q2 & 3) != 0 || r2);
    return roundPack(neg, x.e - y.e - 64 - 62, q);
}
inline u128 isqrt128(u128 n, u128& rem) { // floor(sqrt(n)) for n in [2^126, 2^128); seed from IEEE double sqrt, fix up
    double seed = std::sqrt(double(n));
    u128 s = seed >= 18446744073709551615.0 ? u128(~0ull) : u128(uint64_t(seed));
    s = (s + n / s) >> 1;                        // one Newton step in integers: error now a few units at most
    if (s > u128(~0ull)) s = ~0ull;
    while (s * s > n) --s;
    while (s < u128(~0ull) && (s + 1) * (s + 1) <= n) ++s;
    rem = n - s * s;
    return s;
}
inline Ext sqrt(Ext a) {
    if (isNan(a)) return quiet(a);
    if (isZero(a)) return a;
    if (a.se & 0x8000) return nanDefault();
    if (isInf(a)) return a;
    Un x = unpack(a); normalize(x);
    u128 n = u128(x.m) << 64; int32_t e = x.e - 64;    // n in [2^127, 2^128)
    if (e & 1) { n >>= 1; e += 1; }                    // even exponent; the bit shifted out is 0 (x.m << 64)
    u128 rem; u128 s = isqrt128(n, rem);               // s in [2^63, 2^64)
    u128 sig = (s << 2) | (rem > s ? 3 : rem != 0 ? 1 : 0);
    return roundPack(false, e / 2 - 2, sig);
}
// conversions
inline Ext fromDouble(double d) {
    uint64_t b; std::memcpy(&b, &d, 8); bool neg = b >> 63; int be = int(b >> 52) & 0x7ff; uint64_t f = b & ((1ull << 52) - 1);
    if (be == 0x7ff) return f ? Ext{0xC000000000000000ull | (f << 11), uint16_t((neg ? 0x8000 : 0) | 0x7fff)} : inf(neg);
    if (be == 0 && f == 0) return zero(neg);
    uint64_t m = be ? (f | (1ull << 52)) : f; int32_t e = (be ? be : 1) - 1023 - 52;
    return roundPack(neg, e, u128(m));                  // exact
}
inline Ext fromInt64(int64_t k) { bool neg = k < 0; uint64_t m = neg ? 0 - uint64_t(k) : uint64_t(k); return m ? roundPack(neg, 0, u128(m)) : zero(false); }
inline double toDouble(Ext a) {
    bool neg = a.se & 0x8000; uint64_t out;
    if (isNan(a)) out = (uint64_t(neg) << 63) | 0x7ff8000000000000ull | ((a.m << 2) >> 12);
    else if (isInf(a)) out = (uint64_t(neg) << 63) | 0x7ff0000000000000ull;
    else if (isZero(a) || a.m == 0) out = uint64_t(neg) << 63;
    else {
        Un x = unpack(a); normalize(x);
        int32_t be = x.e + 63 + 1023;                    // biased double exponent for integer bit at 63
        int sh = 11;                                     // keep 53 bits
        if (be < 1) { sh += 1 - be; be = 0; }
        uint64_t m, rest; bool sticky;
        if (sh >= 64) { m = 0; rest = sh == 64 ? x.m : 0; sticky = sh == 64 ? false : x.m != 0; if (sh > 64) rest = 0; }
        else { m = x.m >> sh; rest = x.m << (64 - sh); sticky = false; }
        const uint64_t half = 1ull << 63;
        if (rest > half || (rest == half && (sticky || (m & 1)))) ++m;
        if (be == 0) { if (m >> 52) be = 1; }            // rounded up into the normal range
        else if (m >> 53) { m >>= 1; ++be; }
        if (be >= 0x7ff) { flags |= OV; out = (uint64_t(neg) << 63) | 0x7ff0000000000000ull; }
        else out = (uint64_t(neg) << 63) | (uint64_t(be) << 52) | (m & ((1ull << 52) - 1));
    }
    double d; std::memcpy(&d, &out, 8); return d;
}
inline int64_t toInt64(Ext a, bool nearest) { // C cast (truncation) or llrint (nearest-even); x87 "integer indefinite" on overflow
    const int64_t indefinite = INT64_MIN;
    if (isNan(a) || isInf(a)) { flags |= INV; return indefinite; }
    if (isZero(a) || a.m == 0) return 0;
    Un x = unpack(a); normalize(x);
    if (x.e >= 0) { // |a| >= 2^63
        if (x.neg && x.e == 0 && x.m == (1ull << 63)) return INT64_MIN;
        flags |= INV; return indefinite;
    }
    int sh = -x.e; uint64_t q, rest; bool sticky = false;
    if (sh >= 64) { q = 0; rest = sh == 64 ? x.m : 0; sticky = sh > 64; }
    else { q = x.m >> sh; rest = x.m << (64 - sh); }
    if (nearest) { const uint64_t half = 1ull << 63; if (rest > half || (rest == half && (sticky || (q & 1)))) ++q; }
    if (q > uint64_t(INT64_MAX) + (x.neg ? 1 : 0)) { flags |= INV; return indefinite; }
    return x.neg ? int64_t(0 - q) : int64_t(q);
}
inline int compare(Ext a, Ext b, bool signalling) { // -1, 0, 1, or 2 = unordered
    if (isNan(a) || isNan(b)) { if (signalling) flags |= INV; return 2; }
    if (isZero(a) && isZero(b)) return 0;
    auto key = [](Ext v) { bool neg = v.se & 0x8000; u128 k = (u128(v.se & 0x7fff) << 64) | v.m; return std::pair<bool, u128>(neg, k); };
    auto [na, ka] = key(a); auto [nb, kb] = key(b);
    if (isZero(a)) return nb ? 1 : -1;
    if (isZero(b)) return na ? -1 : 1;
    if (na != nb) return na ? -1 : 1;
    if (ka == kb) return 0;
    return (ka < kb) != na ? -1 : 1;
}
} // namespace own
