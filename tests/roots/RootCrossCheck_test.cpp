#include "RootsTestSupport.h"

#include "roots/RootFinder.h"
#include "roots/RootNumberFormat.h"

#include <QStringList>

#include <algorithm>
#include <complex>
#include <random>
#include <vector>

// The Laguerre search checked against roots computed another way: the closed form of
// the cubic (or quadratic) in long double complex arithmetic, from the same double
// coefficients. Both sets are compared as the report shows them, to two decimals.

namespace {

using Complex = std::complex<long double>;

const TNumberSeparators kSeparators{QLatin1Char(','), QString()};

// Coefficients constant term first, as the root lab numbers them.
struct Polynomial {
    double c[4] = {0, 0, 0, 0};
};

Complex Evaluate(const Polynomial& poly, Complex x) {
    Complex value = 0;
    for (int k = 3; k >= 0; --k)
        value = value * x + static_cast<long double>(poly.c[k]);
    return value;
}

Complex Derivative(const Polynomial& poly, Complex x) {
    Complex value = 0;
    for (int k = 3; k >= 1; --k)
        value = value * x + static_cast<long double>(k) * poly.c[k];
    return value;
}

// Newton polishing of a closed-form root: removes the cancellation of the formula.
Complex Polish(const Polynomial& poly, Complex x) {
    for (int i = 0; i < 3; ++i) {
        const Complex d = Derivative(poly, x);
        if (std::abs(d) == 0)
            break;
        x -= Evaluate(poly, x) / d;
    }
    return x;
}

std::vector<Complex> QuadraticRoots(long double a, long double b, long double c) {
    const Complex s = std::sqrt(Complex(b * b - 4 * a * c));
    // The root of larger modulus first, the other through the product of the roots.
    const Complex q = -0.5L * (Complex(b) + (b >= 0 ? s : -s));
    return {q / a, c / q};
}

std::vector<Complex> CubicRoots(long double a, long double b, long double c, long double d) {
    const long double B = b / a, C = c / a, D = d / a;
    const Complex p = C - B * B / 3;
    const Complex q = 2 * B * B * B / 27 - B * C / 3 + D;
    const Complex s = std::sqrt(q * q / 4.0L + p * p * p / 27.0L);
    const Complex u3a = -q / 2.0L + s, u3b = -q / 2.0L - s;
    const Complex u = std::pow(std::abs(u3a) >= std::abs(u3b) ? u3a : u3b, 1.0L / 3);
    const Complex omega = std::polar(1.0L, 2 * 3.14159265358979323846264338327950288L / 3);
    std::vector<Complex> roots;
    Complex w = u;
    for (int k = 0; k < 3; ++k, w *= omega)
        roots.push_back((std::abs(w) == 0 ? Complex(0) : w - p / (3.0L * w)) - B / 3);
    return roots;
}

std::vector<Complex> ReferenceRoots(const Polynomial& poly) {
    std::vector<Complex> roots = poly.c[3] != 0
                                     ? CubicRoots(poly.c[3], poly.c[2], poly.c[1], poly.c[0])
                                     : QuadraticRoots(poly.c[2], poly.c[1], poly.c[0]);
    for (Complex& root : roots)
        root = Polish(poly, root);
    return roots;
}

QString Shown(double value) {
    return FormatRootNumber(value, kSeparators);
}

// A value within a hair of a rounding boundary could be shown either way by two
// correct methods; such polynomials are not compared.
bool NearBoundary(long double value) {
    const long double hair = 1e-9L * std::max(1.0L, std::fabs(value));
    return Shown(static_cast<double>(value - hair)) != Shown(static_cast<double>(value + hair));
}

QString ShownRoot(double re, double im) {
    return Shown(re) + " +" + Shown(im) + "i";
}

// Random roots at least 0.5 apart in [-10, 10] (complex ones in conjugate pairs, so
// that the coefficients are real), times a leading coefficient of either sign.
Polynomial RandomPolynomial(std::mt19937_64& random) {
    std::uniform_real_distribution<long double> place(-10, 10), height(0.5, 10), lead(0.5, 4);
    std::uniform_int_distribution<int> kind(0, 3);
    const long double scale = (random() % 2 ? 1 : -1) * lead(random);
    std::vector<Complex> roots;
    const int shape = kind(random);
    while (true) {
        roots.clear();
        const bool pair = shape % 2 == 1;
        const int realCount = (shape < 2 ? 3 : 2) - (pair ? 2 : 0);
        for (int i = 0; i < realCount; ++i)
            roots.emplace_back(place(random), 0);
        if (pair) {
            const Complex z(place(random), height(random));
            roots.push_back(z);
            roots.push_back(std::conj(z));
        }
        bool separated = true;
        for (std::size_t i = 0; i < roots.size(); ++i)
            for (std::size_t j = i + 1; j < roots.size(); ++j)
                separated = separated && std::abs(roots[i] - roots[j]) >= 0.5L;
        if (separated)
            break;
    }
    // Expand scale * prod (x - r), highest power last.
    std::vector<Complex> expanded{scale};
    for (const Complex& r : roots) {
        std::vector<Complex> next(expanded.size() + 1, 0);
        for (std::size_t k = 0; k < expanded.size(); ++k) {
            next[k + 1] += expanded[k];
            next[k] -= r * expanded[k];
        }
        expanded = next;
    }
    Polynomial poly;
    for (std::size_t k = 0; k < expanded.size(); ++k)
        poly.c[k] = static_cast<double>(expanded[k].real());
    return poly;
}

TEST_F(FloatEnvTest, EveryShownRootMatchesTheClosedForm) {
    std::mt19937_64 random(20240611);
    const int total = 4000;
    int compared = 0;
    for (int trial = 0; trial < total; ++trial) {
        const Polynomial poly = RandomPolynomial(random);
        const std::vector<Complex> reference = ReferenceRoots(poly);
        bool ambiguous = false;
        QStringList expected;
        for (const Complex& root : reference) {
            ambiguous = ambiguous || NearBoundary(root.real()) || NearBoundary(root.imag());
            expected << ShownRoot(static_cast<double>(root.real()),
                                  static_cast<double>(root.imag()));
        }
        if (ambiguous)
            continue;
        ++compared;

        TCoeffArray a;
        for (int k = 0; k <= 3; ++k)
            a[k] = {poly.c[k], 0};
        int n = 3, rootCount = 0;
        TRootArray roots;
        TRootStatus status = rsBadDegree;
        FindRoots(n, a, {0, 0}, 1e-8, 100, rootCount, roots, status);

        ASSERT_EQ(status, rsOk) << "trial " << trial;
        QStringList found;
        for (int k = 1; k <= rootCount; ++k)
            found << ShownRoot(roots[k].Re, roots[k].Im);
        expected.sort();
        found.sort();
        ASSERT_EQ(found, expected) << "trial " << trial << ": " << poly.c[0] << ", " << poly.c[1]
                                   << ", " << poly.c[2] << ", " << poly.c[3];
    }
    EXPECT_GT(compared, total * 9 / 10);
}

} // namespace
