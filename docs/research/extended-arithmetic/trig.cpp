// sin, cos, atan: Boost cpp_bin_float (64-bit) vs glibc sinl/cosl/atanl, both against a 192-bit reference.
// usage: ./trig N
#include "common.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
using R = mp::number<mp::backends::cpp_bin_float<192, mp::backends::digit_base_2, void, std::int32_t>, mp::et_off>;
std::mt19937_64 rng(99);
double uni(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); }
// x87 long double -> 192-bit reference value, exactly
R toR(long double v) { X x = bitsOf(v); R r = R(x.m); r = ldexp(r, int(x.se & 0x7fff) - 16383 - 63); return (x.se & 0x8000) ? R(-r) : r; }
// difference in units of the last extended place between two long doubles (same sign assumed)
long ulpDiff(long double a, long double b) { if (a == b) return 0; int e; frexpl(fabsl(a) > fabsl(b) ? a : b, &e); return lroundl((a - b) / ldexpl(1.0L, e - 64)); }
struct Stat { long n = 0, boostNeHw = 0, hwWrong = 0, boostWrong = 0, boostOff2 = 0, dblNe = 0, storeNe = 0, maxUlp = 0, crDblNe = 0, crStoreNe = 0; };
void report(const char* name, const Stat& s) {
    printf("| %s | %ld | %ld (%.2f%%) | %ld | %ld / %ld / max %ld | %ld / %ld | %ld (%.2f%%) | %ld / %ld |\n",
           name, s.n, s.boostNeHw, 100.0 * s.boostNeHw / s.n, s.dblNe, s.boostWrong, s.boostOff2, s.maxUlp, s.storeNe, s.n, s.hwWrong, 100.0 * s.hwWrong / s.n, s.crDblNe, s.crStoreNe);
}
int main(int argc, char** argv) {
    long N = argc > 1 ? atol(argv[1]) : 20000;
    printf("| function, arguments | n | Boost != glibc (ext) | ...of these differ as double | Boost not c.r. / >1 ulp / max ulp | lab store differs (Boost vs glibc) / n | glibc not c.r. | c.r. vs glibc: differ as double / lab store |\n|---|---|---|---|---|---|---|---|\n");
    for (int fn = 0; fn < 3; ++fn)
        for (int range = 0; range < 2; ++range) {
            Stat s;
            for (long i = 0; i < N; ++i) {
                long double x, hw, mul = 1; E bx; R ref; double lab = 0, labB = 0;
                if (fn == 2) { // atan of Im/Re, Im and Re doubles; range 0: uniform in [-1,1]^2, range 1: log-uniform magnitudes 1e-8..1e8
                    double re = range == 0 ? uni(-1, 1) : std::copysign(std::pow(10.0, uni(-8, 8)), uni(-1, 1));
                    double im = range == 0 ? uni(-1, 1) : std::copysign(std::pow(10.0, uni(-8, 8)), uni(-1, 1));
                    x = (long double)im / re;
                    bx = toE(x); hw = atanl(x); ref = atan(toR(x));
                    const long double pi = 3.141592653589793238462643383279502884L;
                    E tb = atan(bx);
                    lab = (double)(re < 0 ? hw + pi : hw); labB = (double)(re < 0 ? toLd(tb) + pi : toLd(tb));
                    E bres = tb; long double b = toLd(bres);
                    long double refl = toLd(E(ref));
                    ++s.n; s.boostNeHw += b != hw; s.hwWrong += hw != refl; s.boostWrong += b != refl; s.boostOff2 += std::labs(ulpDiff(b, refl)) > 1;
                    s.dblNe += (double)b != (double)hw; s.storeNe += lab != labB;
                    s.maxUlp = std::max(s.maxUlp, std::labs(ulpDiff(b, refl)));
                    s.crDblNe += (double)refl != (double)hw; s.crStoreNe += lab != (double)(re < 0 ? refl + pi : refl);
                    continue;
                }
                // half-angle: a stored double angle, halved in extended. range 0: angle in [-pi, pi]; range 1: the lab's [-pi/2, 3pi/2)
                double ang = range == 0 ? uni(-M_PI, M_PI) : uni(-M_PI / 2, 3 * M_PI / 2);
                x = (long double)ang / 2; bx = toE(x);
                long double r = sqrtl((long double)uni(0.01, 100)); mul = r;
                E b = fn == 0 ? sin(bx) : cos(bx);
                hw = fn == 0 ? sinl(x) : cosl(x);
                ref = fn == 0 ? sin(toR(x)) : cos(toR(x));
                long double bl = toLd(b), refl = toLd(E(ref));
                ++s.n; s.boostNeHw += bl != hw; s.hwWrong += hw != refl; s.boostWrong += bl != refl; s.boostOff2 += std::labs(ulpDiff(bl, refl)) > 1;
                s.dblNe += (double)bl != (double)hw; s.storeNe += (double)(mul * bl) != (double)(mul * hw);
                s.maxUlp = std::max(s.maxUlp, std::labs(ulpDiff(bl, refl)));
                s.crDblNe += (double)refl != (double)hw; s.crStoreNe += (double)(mul * refl) != (double)(mul * hw);
            }
            const char* names[3][2] = {{"sin(angle/2), angle in [-pi,pi]", "sin(angle/2), angle in [-pi/2,3pi/2)"},
                                       {"cos(angle/2), angle in [-pi,pi]", "cos(angle/2), angle in [-pi/2,3pi/2)"},
                                       {"atan(im/re), im,re uniform [-1,1]", "atan(im/re), |im|,|re| log-unif 1e-8..1e8"}};
            report(names[fn][range], s);
            fflush(stdout);
        }
}
