#pragma once

#include <QChar>
#include <QString>

// The separators a number is shown with.
struct TNumberSeparators {
    QChar decimal = QLatin1Char(',');
    QString thousands; // empty: no grouping
};

// The user's regional separators as currently in force.
TNumberSeparators RegionalNumberSeparators();

// A real or imaginary part of a root as the report shows it: the value written with
// 18 significant digits, then rounded half away from zero on those digits to two
// decimals but to at most 10 significant digits (later digits print as 0). Zero after
// rounding prints as "0" + decimal + "00", never with a minus sign. Otherwise the
// integer part is grouped in threes and followed by exactly two decimals; from 1e10
// on the scientific form takes over: the significant digits without trailing zeros,
// then "E" and an exponent of at least two digits (12345678912 -> "1,234567891E10").
QString FormatRootNumber(double value, const TNumberSeparators& separators);
