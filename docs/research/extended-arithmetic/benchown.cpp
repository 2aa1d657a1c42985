// Speed: Boost cpp_bin_float_double_extended vs hardware long double.
#include "common.h"
#include "own.h"
// Thin value wrapper over the prototype so the same templated loops run on it.
struct Own {
    own::Ext v{0, 0};
    Own() = default;
    Own(double d) : v(own::fromDouble(d)) {}
    Own(int k) : v(own::fromInt64(k)) {}
    Own(long double x) { std::memcpy(&v.m, &x, 8); std::memcpy(&v.se, (char*)&x + 8, 2); }
    static Own of(own::Ext e) { Own o; o.v = e; return o; }
    explicit operator double() const { return own::toDouble(v); }
    long double ld() const { return fromBits(v.m, v.se); }
};
inline Own operator+(Own a, Own b) { return Own::of(own::add(a.v, b.v)); }
inline Own operator-(Own a, Own b) { return Own::of(own::sub(a.v, b.v)); }
inline Own operator-(Own a) { a.v.se ^= 0x8000; return a; }
inline Own operator*(Own a, Own b) { return Own::of(own::mul(a.v, b.v)); }
inline Own operator/(Own a, Own b) { return Own::of(own::div(a.v, b.v)); }
inline Own& operator+=(Own& a, Own b) { return a = a + b; }
inline bool operator<(Own a, Own b) { return own::compare(a.v, b.v, true) == -1; }
inline bool operator>(Own a, Own b) { return own::compare(a.v, b.v, true) == 1; }
inline bool operator==(Own a, Own b) { return own::compare(a.v, b.v, false) == 0; }
inline Own sqrt(Own a) { return Own::of(own::sqrt(a.v)); }
#ifdef SOFT_TRIG
// the program's software functions (input/SoftExtendedTrig.cpp), on the same 80-bit image
#include "input/SoftExtended.h"
inline TSoftExtended toSoft(Own a) { return TSoftExtended::FromBits(a.v.se, a.v.m); }
inline Own fromSoft(TSoftExtended x) { return Own::of({x.Significand(), x.SignExponent()}); }
inline Own atan(Own a) { return fromSoft(SoftAtan(toSoft(a))); }
inline Own sin(Own a) { return fromSoft(SoftSin(toSoft(a))); }
inline Own cos(Own a) { return fromSoft(SoftCos(toSoft(a))); }
#else
// stand-ins: the prototype has no transcendentals; these go through the hardware (about the cost of a software one)
inline Own atan(Own a) { return Own(atanl(a.ld())); }
inline Own sin(Own a) { return Own(sinl(a.ld())); }
inline Own cos(Own a) { return Own(cosl(a.ld())); }
#endif

#include <boost/multiprecision/cpp_bin_float.hpp>
#include <chrono>
#include <cmath>
#include <complex>
#include <cstdio>
#include <vector>
using Clock = std::chrono::steady_clock;
template <class T> struct Cx { T re, im; };
template <class T> Cx<T> operator+(Cx<T> a, Cx<T> b) { return {a.re + b.re, a.im + b.im}; }
template <class T> Cx<T> operator-(Cx<T> a, Cx<T> b) { return {a.re - b.re, a.im - b.im}; }
template <class T> Cx<T> operator*(Cx<T> a, Cx<T> b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
template <class T> Cx<T> operator/(Cx<T> a, Cx<T> b) { T q = b.re * b.re + b.im * b.im; return {(a.re * b.re + a.im * b.im) / q, (a.im * b.re - a.re * b.im) / q}; }
template <class T> double st(T v) { return static_cast<double>(v); }
template <class T> T tsqrt(T v) { using std::sqrt; using boost::multiprecision::sqrt; return sqrt(v); }
template <class T> T tatan(T v) { using std::atan; using boost::multiprecision::atan; return atan(v); }
template <class T> T tsin(T v) { using std::sin; using boost::multiprecision::sin; return sin(v); }
template <class T> T tcos(T v) { using std::cos; using boost::multiprecision::cos; return cos(v); }
template <class T> T tabs(T v) { return v < 0 ? -v : v; }
// complex sqrt in polar form as the lab code does it (modulus, atan of the ratio, half angle, sin/cos)
template <class T> Cx<T> csqrt(Cx<T> z) {
    T r = tsqrt(z.re * z.re + z.im * z.im);
    T th = z.re == 0 ? T(1.5707963267948966) : tatan(z.im / z.re); if (z.re < 0) th += T(3.14159265358979323846L);
    T half = T(st(th)) / 2, s = tsqrt(T(st(r)));
    return {s * tcos(half), s * tsin(half)};
}
// Laguerre root search with deflation for a monic cubic; returns the iteration count
template <class T> int laguerreCubic(const double c[4], Cx<T> roots[3]) {
    Cx<T> a[4]; for (int i = 0; i < 4; ++i) a[i] = {T(c[i]), T(0)};
    int n = 3, iters = 0;
    while (n >= 1) {
        Cx<T> x{T(0), T(0)};
        for (int it = 0; it < 80; ++it) {
            ++iters;
            Cx<T> p = a[n], d{T(0), T(0)}, dd{T(0), T(0)};
            for (int j = n - 1; j >= 0; --j) { dd = dd * x + d; d = d * x + p; p = p * x + a[j]; }
            dd = dd + dd;
            if (tabs(p.re) + tabs(p.im) < T(1e-30)) break;
            Cx<T> g = d / p, g2 = g * g, h = g2 - dd / p;
            T nn = T(n); Cx<T> nc{nn, T(0)}, nm1{T(n - 1), T(0)};
            Cx<T> sq = csqrt(nm1 * (nc * h - g2));
            Cx<T> gp = g + sq, gm = g - sq;
            T ap = gp.re * gp.re + gp.im * gp.im, am = gm.re * gm.re + gm.im * gm.im;
            Cx<T> den = ap > am ? gp : gm;
            Cx<T> dx = nc / den;
            Cx<T> x1 = x - dx;
            if (st(x1.re) == st(x.re) && st(x1.im) == st(x.im)) break;
            x = x1;
        }
        roots[n - 1] = x;
        Cx<T> b = a[n];  // deflate
        for (int j = n - 1; j >= 0; --j) { Cx<T> t = a[j]; a[j] = b; b = t + b * x; }
        for (int j = 0; j < n; ++j) a[j] = a[j + 1];
        --n;
    }
    return iters;
}
template <class F> double nsPer(long reps, F f) {
    auto t0 = Clock::now(); f(); auto t1 = Clock::now();
    return std::chrono::duration<double, std::nano>(t1 - t0).count() / reps;
}
template <class T> void run(const char* name) {
    const int M = 4096; std::vector<T> x(M), y(M), z(M);
    std::mt19937_64 g(3); std::uniform_real_distribution<double> u(0.5, 2.0);
    for (int i = 0; i < M; ++i) { x[i] = T(u(g)) / T(3); y[i] = T(u(g)) / T(7); }
    const int R = std::is_same_v<T, E> ? 100 : 2000;
    double sink = 0;
    auto loop = [&](auto op) { return nsPer(long(R) * M, [&] { for (int r = 0; r < R; ++r) { for (int i = 0; i < M; ++i) z[i] = op(x[i], y[i]); sink += st(z[r % M]); } }); };
    double add = loop([](T a, T b) { return a + b; }), mul = loop([](T a, T b) { return a * b; });
    double dv = loop([](T a, T b) { return a / b; }), sq = loop([](T a, T) { return tsqrt(a); });
    double tod = nsPer(long(R) * M, [&] { for (int r = 0; r < R; ++r) for (int i = 0; i < M; ++i) sink += st(x[i]); });
    const int RT = std::is_same_v<T, E> ? 2 : 200;
    auto loopT = [&](auto op) { return nsPer(long(RT) * M, [&] { for (int r = 0; r < RT; ++r) { for (int i = 0; i < M; ++i) z[i] = op(x[i], y[i]); sink += st(z[r % M]); } }); };
    double sn = loopT([](T a, T) { return tsin(a); }), cs = loopT([](T a, T) { return tcos(a); }), at = loopT([](T a, T b) { return tatan(a / b); });
    // Nyquist-like sampling: 5000 samples x 25 ops (add/mul/div mix) + 2 stores
    const T c05 = T(0.5), c15 = T(1.5), c01 = T(0.1), c2 = T(2), c03 = T(0.3), c3 = T(3), c1 = T(1), step = T(1) / T(100);
    double nyq = nsPer(1, [&] { T w = T(0.01); for (int k = 0; k < 5000; ++k) {
        T w2 = w * w, re = c1 - w2 * c05, im = w * c15 - w2 * w * c01; T a = re * re + im * im;
        T pr = (c2 * re + c03 * im) / a, pi = (c03 * re - c2 * im) / a;
        T q = pr * pr + pi * pi - w2 / c3 + re * im; sink += st(pr) + st(pi) + st(q); w = T(st(w + step)); } });
    double fromd = nsPer(long(R) * M, [&] { for (int r = 0; r < R; ++r) { for (int i = 0; i < M; ++i) z[i] = T(double(i) * 0.37); sink += st(z[r % M]); } });
    // Laguerre on random cubics
    std::uniform_real_distribution<double> cu(-10, 10); const int NC = std::is_same_v<T, E> ? 300 : 20000; long its = 0;
    std::vector<std::array<double, 4>> cubics(NC); for (auto& c : cubics) { c = {cu(g), cu(g), cu(g), 1.0}; }
    Cx<T> roots[3];
    double lag = nsPer(NC, [&] { for (auto& c : cubics) { its += laguerreCubic<T>(c.data(), roots); sink += st(roots[0].re); } });
    printf("%-12s add %7.1f  mul %7.1f  div %7.1f  sqrt %7.1f  ->double %6.1f  sin %8.1f  cos %8.1f  atan(a/b) %8.1f ns | double->T %6.1f ns | Nyquist-like 5000x25: %8.1f us | Laguerre cubic: %8.2f us (%.1f iterations/cubic)  [%g]\n",
           name, add, mul, dv, sq, tod, sn, cs, at, fromd, nyq / 1000, lag / 1000, double(its) / NC, sink != 0 ? 1.0 : 0.0);
}
int main() { run<long double>("long double"); run<Own>("own proto"); run<long double>("long double"); run<Own>("own proto"); }
