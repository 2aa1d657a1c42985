#pragma once

#include <cmath>
#include <complex>
#include <vector>

// Where the roots of a real polynomial of small integers lie, found another way than
// the analysis does: roots at 0 taken off exactly, the others by the Durand-Kerner
// iteration in long double complex arithmetic, then classified by their real parts.
// Meant for coefficients of modest size, whose roots off the axis keep well away from it.
struct TReferenceCount {
    int degree = -1;
    int left = 0;
    int onAxis = 0;
    int right = 0;
};

// c[k] the coefficient of p^k, constant first.
inline TReferenceCount ReferenceHalfPlaneCount(const std::vector<long double>& coefficients) {
    using Complex = std::complex<long double>;
    std::vector<long double> c = coefficients;
    while (!c.empty() && c.back() == 0)
        c.pop_back();
    TReferenceCount count;
    count.degree = static_cast<int>(c.size()) - 1;
    if (count.degree <= 0)
        return count;
    while (c.front() == 0) {
        c.erase(c.begin());
        ++count.onAxis;
    }
    const int n = static_cast<int>(c.size()) - 1;
    if (n == 0)
        return count;
    const auto value = [&c](Complex z) {
        Complex v = 0;
        for (int k = static_cast<int>(c.size()) - 1; k >= 0; --k)
            v = v * z + c[k];
        return v / c.back();
    };
    std::vector<Complex> z(n);
    for (int i = 0; i < n; ++i)
        z[i] = std::pow(Complex(0.4L, 0.9L), i);
    for (int iteration = 0; iteration < 2000; ++iteration) {
        for (int i = 0; i < n; ++i) {
            Complex denominator = 1;
            for (int j = 0; j < n; ++j)
                if (j != i)
                    denominator *= z[i] - z[j];
            if (std::abs(denominator) > 0)
                z[i] -= value(z[i]) / denominator;
        }
    }
    for (const Complex& root : z) {
        const long double scale = std::fmax(1, std::abs(root));
        if (std::fabs(root.real()) <= 1e-6L * scale)
            ++count.onAxis;
        else if (root.real() < 0)
            ++count.left;
        else
            ++count.right;
    }
    return count;
}
