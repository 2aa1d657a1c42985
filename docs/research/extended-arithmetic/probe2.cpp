// Focused checks: (1) Boost subtraction at exponent difference 65; (2) which x87 comparisons raise invalid on NaN;
// (3) what Boost does with a subnormal long double given to its own constructor.
#include "common.h"
#include <cmath>
#include <cstdio>
#define HW __attribute__((noipa))
HW long double hwSub(long double a, long double b) { return a - b; }
HW bool hwEq(long double a, long double b) { return a == b; }
HW bool hwLt(long double a, long double b) { return a < b; }
int main() {
    std::mt19937_64 g(5);
    long n = 0, bad = 0, badPow2 = 0, nPow2 = 0;
    for (int i = 0; i < 1000000; ++i) {
        int ea = 16383 + int(g() % 200) - 100;
        uint64_t ma = g() | (1ull << 63), mb = g() | (1ull << 63);
        if (i % 10 == 0) ma = 1ull << 63; // powers of two
        long double a = fromBits(ma, ea), b = fromBits(mb, ea - 65);
        long double hw = hwSub(a, b), bo = toLd(toE(a) - toE(b));
        bool p2 = ma == 1ull << 63;
        (p2 ? nPow2 : n)++; if (!sameLd(hw, bo)) (p2 ? badPow2 : bad)++;
    }
    printf("a - b, exponent of b = exponent of a - 65: differ %ld of %ld (a not a power of 2), %ld of %ld (a a power of 2)\n", bad, n, badPow2, nPow2);
    long double nan = std::numeric_limits<long double>::quiet_NaN();
    feclearexcept(FE_ALL_EXCEPT); (void)hwEq(1.0L, nan); int fe = fetestexcept(FE_INVALID);
    feclearexcept(FE_ALL_EXCEPT); (void)hwLt(1.0L, nan); int fl = fetestexcept(FE_INVALID);
    printf("x87 with a quiet NaN: == raises invalid: %s; < raises invalid: %s\n", fe ? "yes" : "no", fl ? "yes" : "no");
    long double sub = fromBits(0x4000000000000000ull, 0);
    E e(sub); E twice = e + e;
    printf("E(subnormal %Lg): exponent field %d (< min_exponent %d): invariant broken; e+e = %s, hw %Lg\n", sub, e.backend().exponent(), (int)B::min_exponent, twice.str(10).c_str(), sub + sub);
}
