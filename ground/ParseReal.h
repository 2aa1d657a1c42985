#pragma once

#include "numeric/Extended.h"

#include <QString>

// Coefficient text to a number. Syntax: leading blanks (code 32 only), an optional
// sign, digits, optionally the regional decimal separator and more digits (at least
// one digit or the separator), an optional exponent 'E'/'e' with optional sign and
// digits (reading stops once the accumulated exponent reaches 500), trailing
// blanks, and nothing else. The digits are accumulated in extended precision and
// scaled by tabulated powers of ten with every floating-point exception masked;
// an overflowing or invalid computation makes the text invalid.
// Raises EConvertError "'%s' is not a valid floating point value" with the text as
// passed. The flags of the caller's environment are left as they were.
TExtended ParseReal(const QString& text);

// ParseReal followed by the store into a double: beyond the double range this
// raises EOverflow ("Floating point overflow").
double ParseCoefficient(const QString& text);

// The replacement step of the labs that read a pasted '.' as the decimal separator
// too (the root and Nyquist labs): every '.' becomes `decimalSeparator`.
QString ReplaceFullStops(QString text, QChar decimalSeparator);
