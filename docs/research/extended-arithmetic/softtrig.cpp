// The program's software SoftSin/SoftCos/SoftAtan (input/SoftExtendedTrig.cpp) against
// glibc's sinl/cosl/atanl on the x87, with a 113-bit libquadmath reference, for the
// arguments of the root finder's complex square root; then ns per call. x86-64 only.
// usage: ./softtrig N  (N calls per row; N = 0 measures the speed only)
#include "input/SoftExtended.h"

#include <quadmath.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>
#include <vector>

static_assert(sizeof(long double) == 16 && __LDBL_MANT_DIG__ == 64, "x87 long double needed");

using U128 = unsigned __int128;

TSoftExtended ToSoft(long double v) {
    std::uint64_t m;
    std::uint16_t se;
    std::memcpy(&m, &v, 8);
    std::memcpy(&se, reinterpret_cast<const char*>(&v) + 8, 2);
    return TSoftExtended::FromBits(se, m);
}

long double ToLd(TSoftExtended x) {
    long double v = 0;
    const std::uint64_t m = x.Significand();
    const std::uint16_t se = x.SignExponent();
    std::memcpy(&v, &m, 8);
    std::memcpy(reinterpret_cast<char*>(&v) + 8, &se, 2);
    return v;
}

// The 113-bit value rounded once to 64 bits, nearest-even (normal results only).
long double Nearest(__float128 q) {
    U128 bits;
    std::memcpy(&bits, &q, 16);
    const auto se = static_cast<std::uint16_t>(bits >> 112);
    const U128 fraction = bits & ((U128{1} << 112) - 1);
    std::uint64_t m = (std::uint64_t{1} << 63) | static_cast<std::uint64_t>(fraction >> 49);
    const U128 rest = fraction & ((U128{1} << 49) - 1), half = U128{1} << 48;
    if (rest > half || (rest == half && (m & 1)))
        if (++m == 0)
            return ToLd(TSoftExtended::FromBits(se + 1, std::uint64_t{1} << 63));
    return ToLd(TSoftExtended::FromBits(se, m));
}

// |a - exact| in units of the last extended place of the exact value.
double Ulps(long double a, __float128 exact) {
    int e;
    frexpq(exact, &e);
    return static_cast<double>(fabsq(static_cast<__float128>(a) - exact) / ldexpq(1, e - 64));
}

std::mt19937_64 rng(2026);
double Uni(double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
}

struct Stat {
    long n = 0, softNeGlibc = 0, doubleNe = 0, storeNe = 0, glibcNotCr = 0, softNotCr = 0;
    double softMax = 0, glibcMax = 0;
    long inBinade[6] = {}, differInBinade[6] = {};
};

// |x| < 1/8, [1/8, 1/4), [1/4, 1/2), [1/2, 1), [1, 2), >= 2
int Binade(long double x) {
    int e;
    frexpl(x, &e);
    return std::clamp(e + 2, 0, 5);
}

std::vector<std::pair<const char*, Stat>> rows;

void Report(const char* name, const Stat& s) {
    std::printf("| %s | %ld | %ld (%.3f %%) | %ld | %ld (%.1e) | %ld (%.3f %%) / max %.3f | %ld / "
                "max %.4f |\n",
                name, s.n, s.softNeGlibc, 100.0 * s.softNeGlibc / s.n, s.doubleNe, s.storeNe,
                static_cast<double>(s.storeNe) / s.n, s.glibcNotCr, 100.0 * s.glibcNotCr / s.n,
                s.glibcMax, s.softNotCr, s.softMax);
}

void Count(Stat& s, long double x, long double soft, long double glibc, __float128 exact,
           double labSoft, double labGlibc) {
    const long double cr = Nearest(exact);
    ++s.n;
    ++s.inBinade[Binade(x)];
    s.differInBinade[Binade(x)] += soft != glibc;
    s.softNeGlibc += soft != glibc;
    s.doubleNe += static_cast<double>(soft) != static_cast<double>(glibc);
    s.storeNe += labSoft != labGlibc;
    s.glibcNotCr += glibc != cr;
    s.softNotCr += soft != cr;
    s.softMax = std::max(s.softMax, Ulps(soft, exact));
    s.glibcMax = std::max(s.glibcMax, Ulps(glibc, exact));
}

// The thread's CPU time, so that other processes on the shared machine count less.
double CpuNs() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e9 + t.tv_nsec;
}

template <class F> double NsPerCall(F f, const std::vector<long double>& args) {
    double best = 1e30;
    for (int round = 0; round < 7; ++round) {
        const double t0 = CpuNs();
        std::uint64_t sink = 0;
        for (int rep = 0; rep < 50; ++rep)
            for (long double x : args)
                sink += f(x);
        const double ns = (CpuNs() - t0) / (50.0 * args.size());
        if (sink == 42)
            std::puts("");
        best = std::min(best, ns);
    }
    return best;
}

int main(int argc, char** argv) {
    const long n = argc > 1 ? std::atol(argv[1]) : 1000000;
    const long double pi = 3.141592653589793238462643383279502884L;
    std::printf(
        "| function, arguments | n | soft != glibc (ext) | ...as double | lab store differs "
        "| glibc not correctly rounded / max ulp | soft not correctly rounded / max ulp "
        "|\n|---|---|---|---|---|---|---|\n");
    for (int fn = 0; fn < 2 && n > 0; ++fn)
        for (int range = 0; range < 2; ++range) {
            Stat s;
            for (long i = 0; i < n; ++i) {
                // a stored double angle halved in extended; the lab multiplies by sqrtl(r)
                const double angle = range == 0 ? Uni(-M_PI, M_PI) : Uni(-M_PI / 2, 3 * M_PI / 2);
                const long double x = static_cast<long double>(angle) / 2;
                const long double mul = sqrtl(static_cast<long double>(Uni(0.01, 100)));
                const long double soft = ToLd(fn == 0 ? SoftSin(ToSoft(x)) : SoftCos(ToSoft(x)));
                const long double glibc = fn == 0 ? sinl(x) : cosl(x);
                const __float128 exact = fn == 0 ? sinq(x) : cosq(x);
                Count(s, x, soft, glibc, exact, static_cast<double>(mul * soft),
                      static_cast<double>(mul * glibc));
            }
            const char* names[2][2] = {
                {"sin(angle/2), angle in [-pi,pi]", "sin(angle/2), angle in [-pi/2,3pi/2)"},
                {"cos(angle/2), angle in [-pi,pi]", "cos(angle/2), angle in [-pi/2,3pi/2)"}};
            Report(names[fn][range], s);
            rows.emplace_back(names[fn][range], s);
            std::fflush(stdout);
        }
    for (int range = 0; range < 2 && n > 0; ++range) {
        Stat s;
        for (long i = 0; i < n; ++i) {
            auto part = [&] {
                return range == 0 ? Uni(-1, 1)
                                  : std::copysign(std::pow(10.0, Uni(-8, 8)), Uni(-1, 1));
            };
            const double im = part(), re = part();
            const long double x = static_cast<long double>(im) / re;
            const long double soft = ToLd(SoftAtan(ToSoft(x)));
            const long double glibc = atanl(x);
            const __float128 exact = atanq(x);
            Count(s, x, soft, glibc, exact, static_cast<double>(re < 0 ? soft + pi : soft),
                  static_cast<double>(re < 0 ? glibc + pi : glibc));
        }
        const char* name = range == 0 ? "atan(im/re), im,re uniform [-1,1]"
                                      : "atan(im/re), |im|,|re| log-unif 1e-8..1e8";
        Report(name, s);
        rows.emplace_back(name, s);
        std::fflush(stdout);
    }
    if (!rows.empty())
        std::printf("\n| soft != glibc by argument binade: differing / calls | |x| < 1/8 "
                    "| [1/8, 1/4) | [1/4, 1/2) | [1/2, 1) | [1, 2) | >= 2 |\n"
                    "|---|---|---|---|---|---|---|\n");
    for (const auto& [name, s] : rows) {
        std::printf("| %s |", name);
        for (int b = 0; b < 6; ++b)
            std::printf(" %ld / %ld |", s.differInBinade[b], s.inBinade[b]);
        std::printf("\n");
    }
    if (SoftExtendedFlags() != 0)
        std::printf("unexpected flags %d\n", SoftExtendedFlags());

    // ns per call over 4096 arguments of the lab's kind (thread CPU time, best of 7 rounds of 50
    // passes)
    std::vector<long double> half, ratio, huge;
    for (int i = 0; i < 4096; ++i) {
        half.push_back(static_cast<long double>(Uni(-M_PI / 2, 3 * M_PI / 2)) / 2);
        ratio.push_back(static_cast<long double>(Uni(-1, 1)) / Uni(-1, 1));
        huge.push_back(ldexpl(Uni(1, 2), static_cast<int>(rng() % 16000)));
    }
    auto bits = [](long double v) { return ToSoft(v).Significand(); };
    std::printf(
        "\n| ns per call | sin | cos | atan | sin, |x| up to 2^16000 |\n|---|---|---|---|---|\n");
    std::printf("| software | %.0f | %.0f | %.0f | %.0f |\n",
                NsPerCall([](long double x) { return SoftSin(ToSoft(x)).Significand(); }, half),
                NsPerCall([](long double x) { return SoftCos(ToSoft(x)).Significand(); }, half),
                NsPerCall([](long double x) { return SoftAtan(ToSoft(x)).Significand(); }, ratio),
                NsPerCall([](long double x) { return SoftSin(ToSoft(x)).Significand(); }, huge));
    std::printf("| glibc x87 | %.0f | %.0f | %.0f | %.0f |\n",
                NsPerCall([&](long double x) { return bits(sinl(x)); }, half),
                NsPerCall([&](long double x) { return bits(cosl(x)); }, half),
                NsPerCall([&](long double x) { return bits(atanl(x)); }, ratio),
                NsPerCall([&](long double x) { return bits(sinl(x)); }, huge));
}
