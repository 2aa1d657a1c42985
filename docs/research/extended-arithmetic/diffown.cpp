// Differential test: the own prototype type (own.h) vs x87 long double.
// usage: ./diff N [seed]   (N operands per operation and per operand class)
#include "common.h"
#include "own.h"
using own::Ext;
inline Ext O(long double v) { Ext e; std::memcpy(&e.m, &v, 8); std::memcpy(&e.se, (char*)&v + 8, 2); return e; }
inline long double L(Ext e) { return fromBits(e.m, e.se); }
inline int ownFlags() { return own::flags; }
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

// Hardware ops behind noipa so that GCC neither folds nor moves them across the flag calls.
#define HW __attribute__((noipa))
HW long double hwAdd(long double a, long double b) { return a + b; }
HW long double hwSub(long double a, long double b) { return a - b; }
HW long double hwMul(long double a, long double b) { return a * b; }
HW long double hwDiv(long double a, long double b) { return a / b; }
HW long double hwSqrt(long double a, long double) { return sqrtl(a); }
HW double hwToD(long double a) { return (double)a; }
HW long long hwTrunc(long double a) { return (long long)a; }
HW int hwCmp(long double a, long double b) { return (a < b) | (a <= b) << 1 | (a == b) << 2 | (a != b) << 3 | (a > b) << 4 | (a >= b) << 5; }
HW long long hwLlrint(long double a) { return llrintl(a); }

std::mt19937_64 rng;
uint64_t r64() { return rng(); }
// significand with a random number of trailing zeros: makes exact ties in + and x common
uint64_t mantissa(int cls) {
    uint64_t m = r64() | 0x8000000000000000ull;
    if (cls == 1) { int k = r64() % 64; m = (m >> k) << k; m |= 0x8000000000000000ull; }
    if (cls == 2) { m = (r64() & 1) ? (0xffffffffffffffffull - (r64() & 0xff)) : (0x8000000000000000ull + (r64() & 0xff)); }
    return m;
}
uint16_t sgn() { return (r64() & 1) ? 0x8000 : 0; }
// operand classes
enum Cls { RANDBITS, NEAR1, TIES, EDGEHI, EDGELO, SUBN, NCLS };
const char* clsName[] = {"random bits", "exp near 1 (|e|<80)", "ties/short significands", "near overflow", "near underflow", "subnormal ext"};
long double gen(Cls c, long double other = 1.0L, bool related = false) {
    switch (c) {
    case RANDBITS: { uint16_t e = r64() % 0x7fff; return fromBits(e ? mantissa(0) : (r64() >> 1), sgn() | e); }
    case NEAR1: { int e = 16383 + int(r64() % 160) - 80; return fromBits(mantissa(r64() % 3), sgn() | e); }
    case TIES: {
        int e = 16383 + int(r64() % 140) - 70;
        if (related) { int eo = bitsOf(other).se & 0x7fff; e = eo - int(r64() % 70); if (e < 1) e = 1; }
        return fromBits(mantissa(1 + r64() % 2), sgn() | e);
    }
    case EDGEHI: { int e = 0x7ffe - int(r64() % 80); if (r64() % 4 == 0) e = 16383 + int(r64() % 8192); return fromBits(mantissa(r64() % 3), sgn() | e); }
    case EDGELO: { int e = 1 + int(r64() % 80); if (r64() % 4 == 0) e = 16383 - int(r64() % 8192); return fromBits(mantissa(r64() % 3), sgn() | e); }
    case SUBN: { uint64_t m = r64() >> (1 + r64() % 63); /* below 2^63: no pseudo-denormals, which arithmetic never produces */ if (r64() % 3 == 0) return fromBits(mantissa(r64() % 3), sgn() | (1 + r64() % 70)); return fromBits(m, sgn()); }
    default: return 0;
    }
}
// pair generators: for edges, combine so that the result lands near the edge
void pair(int op, Cls c, long double& a, long double& b) {
    a = gen(c); b = gen(c, a, true);
    if (c == EDGEHI && (op == 3)) { b = fromBits(mantissa(r64() % 3), sgn() | (16383 - int(r64() % 80))); }  // big / small
    if (c == EDGEHI && (op == 2)) { b = fromBits(mantissa(r64() % 3), sgn() | (16383 + int(r64() % 80))); }  // big * >1
    if (c == EDGELO && (op == 3)) { b = fromBits(mantissa(r64() % 3), sgn() | (16383 + int(r64() % 80))); }  // small / big
    if (c == EDGELO && (op == 2)) { b = fromBits(mantissa(r64() % 3), sgn() | (16383 - int(r64() % 80))); }  // small * <1
}

struct Tally { long n = 0, valDiff = 0, flagDiff = 0, unrep = 0, normDiff = 0; std::string ex, exNorm; };
std::map<int, long> expDiffHist; // |ea-eb| of the add/sub value differences among normal operands and results
std::map<std::string, Tally> tally;
char buf[512];
void note(const char* op, int c, long double a, long double b, long double hw, long double bo, int fh, int fb, bool unrep) {
    Tally& t = tally[std::string(op) + " | " + clsName[c]];
    ++t.n; if (unrep) ++t.unrep;
    bool vd = !sameLd(hw, bo), fd = fh != fb;
    if (vd) ++t.valDiff; if (fd) ++t.flagDiff;
    if ((vd || fd) && !unrep) { ++t.normDiff; if (op[0] == 'a' || (op[0] == 's' && op[1] == 'u')) ++expDiffHist[std::abs((bitsOf(a).se & 0x7fff) - (bitsOf(b).se & 0x7fff))];
        if (t.exNorm.empty()) { snprintf(buf, sizeof buf, "a=%.21Lg b=%.21Lg hw=%.21Lg own=%.21Lg flags hw=%d own=%d", a, b, hw, bo, fh, fb); t.exNorm = buf; } }
    if ((vd || fd) && t.ex.empty()) { snprintf(buf, sizeof buf, "a=%.21Lg b=%.21Lg hw=%.21Lg own=%.21Lg flags hw=%d own=%d", a, b, hw, bo, fh, fb); t.ex = buf; }
}
int boostFlags(const E& a, const E& b, const E& r, int op) {
    bool an = boost::math::isnan(a), bn = boost::math::isnan(b), ai = boost::math::isinf(a), bi = boost::math::isinf(b);
    int f = 0;
    if (boost::math::isnan(r) && !an && !bn) f |= F_INV;
    if (op == 3 && b == 0 && a != 0 && !an && !ai) f |= F_DZ;
    if (boost::math::isinf(r) && !ai && !bi && !(op == 3 && b == 0)) f |= F_OV;
    return f;
}

int main(int argc, char** argv) {
    long N = argc > 1 ? atol(argv[1]) : 1000000;
    rng.seed(argc > 2 ? atol(argv[2]) : 12345);
    const char* opn[] = {"add", "sub", "mul", "div", "sqrt"};
    for (int op = 0; op < 5; ++op)
        for (int c = 0; c < NCLS; ++c)
            for (long i = 0; i < N; ++i) {
                long double a, b; pair(op, Cls(c), a, b);
                if (op == 4) a = fabsl(a);
                Ext ea = O(a), eb = O(b);
                feclearexcept(FE_ALL_EXCEPT);
                long double hw = op == 0 ? hwAdd(a, b) : op == 1 ? hwSub(a, b) : op == 2 ? hwMul(a, b) : op == 3 ? hwDiv(a, b) : hwSqrt(a, b);
                int fh = hwFlags();
                own::flags = 0;
                Ext r = op == 0 ? own::add(ea, eb) : op == 1 ? own::sub(ea, eb) : op == 2 ? own::mul(ea, eb) : op == 3 ? own::div(ea, eb) : own::sqrt(ea);
                note(opn[op], c, a, b, hw, L(r), fh, ownFlags(), ldSubnormal(a) || (op < 4 && ldSubnormal(b)) || ldSubnormal(hw));
            }
    // comparisons, including NaN operands (x87: ordered < <= > >= with a NaN raise invalid; == != do not)
    for (int c = 0; c < NCLS; ++c)
        for (long i = 0; i < N / 4; ++i) {
            long double a, b; pair(0, Cls(c), a, b);
            if (r64() % 8 == 0) b = a; if (r64() % 16 == 0) a = -a;
            if (r64() % 32 == 0) a = std::numeric_limits<long double>::quiet_NaN();
            Ext ea = O(a), eb = O(b);
            feclearexcept(FE_ALL_EXCEPT); int hv = hwCmp(a, b); int fh = hwFlags();
            own::flags = 0; int k = own::compare(ea, eb, true);
            int bv = (k == -1) | (k <= 0) << 1 | (k == 0) << 2 | (k != 0) << 3 | (k == 1) << 4 | (k == 0 || k == 1) << 5;
            note("compare < <= == != > >=", c, a, b, hv, bv, fh, ownFlags(), ldSubnormal(a) || ldSubnormal(b));
        }
    // conversions
    for (int c = 0; c < NCLS; ++c)
        for (long i = 0; i < N; ++i) {
            long double a = gen(Cls(c));
            if (c == EDGEHI) a = fromBits(mantissa(r64() % 3), sgn() | (16383 + 1023 - 2 + int(r64() % 4)));          // around DBL_MAX
            if (c == EDGELO) a = fromBits(mantissa(r64() % 3), sgn() | (16383 - 1022 - int(r64() % 56)));             // double subnormal range
            if (c == TIES) { uint64_t m = mantissa(0); int k = 11 + int(r64() % 3) - 1; m = (m >> k) << k; m |= (1ull << (k - 1)); a = fromBits(m, sgn() | (16383 + int(r64() % 200) - 100)); } // double halfway
            bool ra = !ldSubnormal(a); Ext ea = O(a);
            feclearexcept(FE_ALL_EXCEPT);
            double hd = hwToD(a); int fh = hwFlags();
            own::flags = 0; double bd = own::toDouble(ea);
            note("ext->double", c, a, 0, hd, bd, fh, ownFlags(), !ra);
            // double -> ext: random double bits incl. subnormal doubles
            uint64_t db = r64(); if (c == SUBN) db &= 0x800fffffffffffffull; double d; memcpy(&d, &db, 8);
            if (!std::isnan(d)) note("double->ext", c, d, 0, (long double)d, L(own::fromDouble(d)), 0, 0, false);
            // int64 -> ext
            long long k = (long long)(r64() >> (r64() % 64)); if (r64() & 1) k = -k;
            note("int64->ext", c, (long double)k, 0, (long double)k, L(own::fromInt64(k)), 0, 0, false);
            // ext -> int64: truncation (C cast) and llrint (current rounding: nearest-even)
            long double v = a;
            if (c == NEAR1 || c == TIES) v = fromBits(mantissa(r64() % 3), sgn() | (16383 + int(r64() % 66)));
            if (c == TIES) { v = (long double)(long long)(r64() >> (r64() % 62 + 2)) + 0.5L; if (r64() & 1) v = -v; }
            ea = O(v); ra = !ldSubnormal(v);
            feclearexcept(FE_ALL_EXCEPT); long long ht = hwTrunc(v); fh = hwFlags();
            own::flags = 0; long long bt = own::toInt64(ea, false);
            note("ext->int64 trunc", c, v, 0, ht, bt, fh, ownFlags(), !ra);
            feclearexcept(FE_ALL_EXCEPT); long long hr = hwLlrint(v); fh = hwFlags();
            own::flags = 0; long long br = own::toInt64(ea, true);
            note("ext->int64 llrint", c, v, 0, hr, br, fh, ownFlags(), !ra);
        }
    printf("%-44s %9s %9s %9s %9s %9s  first example (no subnormal involved if any, else first)\n", "operation | operand class", "n", "valdiff", "flagdiff", "subn i/o", "diff,nosub");
    for (auto& [k, t] : tally) printf("%-44s %9ld %9ld %9ld %9ld %9ld  %s\n", k.c_str(), t.n, t.valDiff, t.flagDiff, t.unrep, t.normDiff, (t.exNorm.empty() ? t.ex : t.exNorm).c_str());
    printf("add/sub differences without subnormals, by exponent difference of the operands:");
    for (auto& [d, n] : expDiffHist) printf(" %d:%ld", d, n);
    printf("\n");
}
