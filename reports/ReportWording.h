#pragma once

#include "analysis/HalfPlaneCount.h"
#include "analysis/PlanePlace.h"
#include "analysis/StabilityVerdict.h"
#include "numeric/Extended.h"

#include <QString>

// The pieces the analysis reports of every lab are written with.

// A value as the analysis shows it: up to 6 significant digits with the regional
// decimal separator, as the readout shows its values; a value beyond the double range
// is said to be so rather than shown as infinite.
QString AnalysisNumber(TExtended value);
// An angle in degrees with its sign and the degree sign, to 2 decimals.
QString DegreesText(TExtended degrees);
// A coefficient or a root as the program holds it: every digit it has.
QString ExactText(double value);

// "1 корень", "2 корня", "5 корней".
QString RootsText(int count);
// "1 квадрант", "3 квадранта".
QString QuadrantsText(int count);

// Where a point of the plane lies: "положительная вещественная полуось", "квадрант II".
QString PlaceText(TPlanePlace place);
// I, II, III, IV.
QString QuadrantNumeral(TPlanePlace place);

// The verdict on a characteristic polynomial from its count of roots: "устойчива: все
// корни в левой полуплоскости", "неустойчива: 2 корня в правой полуплоскости", …
QString VerdictText(TStabilityVerdict verdict, const THalfPlaneCount& count);

// Why an analysis has no numbers: every coefficient zero, or beyond the arithmetic.
QString NotComputableText();

// The note on a characteristic point beyond the drawn range: " — за пределами графика
// (ω ≤ 10)".
QString BeyondRangeNote(double upperFrequency);
// The closing line where some point lies beyond the drawn range.
QString WholeRangeAdvice(double suggested);
