#pragma once

#include <QChar>
#include <QString>

// The text of an axis label, number pattern "#,##0.###": at most three decimals
// (rounded half away from zero after expanding the value to 18 significant
// digits), trailing zeros and a bare decimal separator dropped, the integer part
// grouped in threes, no "-0". Magnitudes of 1e18 and beyond are written in the
// general format with 15 significant digits.
QString FormatAxisLabel(double value, QChar decimalSeparator, const QString& thousandSeparator);

// The same with the user's regional separators.
QString FormatAxisLabel(double value);
