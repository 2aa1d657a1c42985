#include "roots/Complex.h"

#include "input/FloatEnv.h"

#include <cmath>

namespace {

using Extended = long double;

constexpr Extended kPi = 3.141592653589793238462643383279502884L;
// The angle of the imaginary axis is the double nearest to pi/2, as a stored angle is.
constexpr double kHalfPi = 1.5707963267948966;

TComplex Store(Extended re, Extended im) {
    return {StoreDouble(re), StoreDouble(im)};
}

// The argument of z, rounded to a double, in [-pi/2, 3pi/2).
double Angle(TComplex z) {
    if (std::fabs(z.Re) < ZeroThreshold)
        return z.Im >= 0.0 ? kHalfPi : -kHalfPi;
    const Extended theta = std::atan(static_cast<Extended>(z.Im) / z.Re);
    return StoreDouble(z.Re < 0.0 ? theta + kPi : theta);
}

} // namespace

TComplex ComplexConjugate(TComplex z) {
    return {z.Re, -z.Im};
}

double ComplexModulus(TComplex z) {
    const Extended re = z.Re;
    const Extended im = z.Im;
    return StoreDouble(std::sqrt(re * re + im * im));
}

TComplex ComplexAdd(TComplex a, TComplex b) {
    return Store(static_cast<Extended>(a.Re) + b.Re, static_cast<Extended>(a.Im) + b.Im);
}

TComplex ComplexSub(TComplex a, TComplex b) {
    return Store(static_cast<Extended>(a.Re) - b.Re, static_cast<Extended>(a.Im) - b.Im);
}

TComplex ComplexMul(TComplex a, TComplex b) {
    const Extended ar = a.Re, ai = a.Im, br = b.Re, bi = b.Im;
    return Store(ar * br - ai * bi, ai * br + ar * bi);
}

TComplex ComplexDiv(TComplex a, TComplex b) {
    const TComplex t = ComplexMul(a, ComplexConjugate(b));
    const double m = ComplexModulus(b);
    const double q = StoreDouble(static_cast<Extended>(m) * m);
    return Store(t.Re / static_cast<Extended>(q), t.Im / static_cast<Extended>(q));
}

TComplex ComplexSqrt(TComplex z) {
    const double r = ComplexModulus(z);
    const Extended half = static_cast<Extended>(Angle(z)) / 2;
    const Extended s = std::sqrt(static_cast<Extended>(r));
    return Store(s * std::cos(half), s * std::sin(half));
}
