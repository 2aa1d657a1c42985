#pragma once

#include <string>

// The texts std::to_chars writes for a double, worked out from the value's exact
// decimal expansion with integer arithmetic alone, for C++ libraries that have no
// floating-point to_chars (libc++ before 14, the browser's). The C locale's format:
// '.' for the point, "e+05" for the exponent (at least two digits), "inf" and "nan"
// (with a '-' where the sign bit is set, -0 and -nan included).
namespace DecimalWriter {

// As to_chars without a format: the fewest significant digits that read back as the
// value (of two such texts the nearer to it, of two as near the even one), written
// fixed or with an exponent, whichever is shorter (fixed on a tie); fixed integers
// beyond the digits needed are written with their exact digits.
std::string Shortest(double value);

// As to_chars with chars_format::scientific: `precision` digits after the point,
// correctly rounded, ties to even.
std::string Scientific(double value, int precision);

// As to_chars with chars_format::general ("%g"): `precision` significant digits, fixed
// for decimal exponents from -4 to below `precision`, trailing zeros dropped.
std::string General(double value, int precision);

} // namespace DecimalWriter
