// Shared helpers: bit-exact mapping between x87 long double and Boost's 64-bit cpp_bin_float.
#pragma once
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cfenv>
#include <cstdint>
#include <cstring>
#include <random>
namespace mp = boost::multiprecision;
using E = mp::cpp_bin_float_double_extended; // cpp_bin_float<64, digit_base_2, void, int16_t, -16382, 16383>, et_off
using B = E::backend_type;

struct X { uint64_t m; uint16_t se; }; // x87 80-bit image: significand, sign+exponent
inline X bitsOf(long double v) { X x{}; std::memcpy(&x, &v, 10); return x; }
inline long double fromBits(uint64_t m, uint16_t se) { long double v = 0; std::memcpy(&v, &m, 8); std::memcpy((char*)&v + 8, &se, 2); return v; }

inline bool ldIsNan(long double v) { return v != v; }
inline bool ldSubnormal(long double v) { X x = bitsOf(v); return (x.se & 0x7fff) == 0 && x.m != 0; }

// Boost value -> long double image (Boost: value = bits * 2^(exponent-63), 1 limb of 64 bits)
inline long double toLd(const E& e) {
    const B& b = e.backend();
    uint16_t s = b.sign() ? 0x8000 : 0;
    if (b.exponent() == B::exponent_zero) return fromBits(0, s);
    if (b.exponent() == B::exponent_infinity) return fromBits(0x8000000000000000ull, s | 0x7fff);
    if (b.exponent() == B::exponent_nan) return fromBits(0xC000000000000000ull, s | 0x7fff);
    return fromBits(b.bits().limbs()[0], s | uint16_t(b.exponent() + 16383));
}
// long double -> Boost, exact for everything Boost can hold; subnormals are not representable
// (returns false for them, and the value Boost's own constructor gives).
inline E toE(long double v, bool* representable = nullptr) {
    X x = bitsOf(v);
    int ex = x.se & 0x7fff; bool neg = x.se & 0x8000;
    if (representable) *representable = true;
    E e;
    B& b = e.backend();
    if (ex == 0x7fff) { e = (x.m << 1) ? std::numeric_limits<E>::quiet_NaN() : std::numeric_limits<E>::infinity(); if (neg) e = -e; return e; }
    if (ex == 0 && x.m == 0) { e = 0; if (neg) e = -e; return e; }
    if (ex == 0) { if (representable) *representable = false; return E(v); }
    b.bits() = static_cast<boost::multiprecision::limb_type>(x.m);
    b.exponent() = int16_t(ex - 16383);
    b.sign() = neg;
    return e;
}
inline bool sameLd(long double a, long double b) {
    if (ldIsNan(a) && ldIsNan(b)) return true; // NaN payload/sign is not compared
    X x = bitsOf(a), y = bitsOf(b); return x.m == y.m && x.se == y.se;
}
enum { F_INV = 1, F_DZ = 2, F_OV = 4 };
inline int hwFlags() { int f = fetestexcept(FE_ALL_EXCEPT), r = 0; if (f & FE_INVALID) r |= F_INV; if (f & FE_DIVBYZERO) r |= F_DZ; if (f & FE_OVERFLOW) r |= F_OV; return r; }
