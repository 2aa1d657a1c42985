#pragma once

#include "curves/LabSamples.h"

#include <QChar>
#include <QString>

// The texts of the readout under the pointer, one line per value, in Russian.

// A value as the readout shows it: up to 6 significant digits, trailing zeros
// dropped, the given decimal separator, no grouping; outside 1e-5 .. 1e6 the
// exponent form "1,5E-07" (at least two exponent digits). Zero is "0", never "-0".
QString FormatReadoutNumber(double value, QChar decimalSeparator);

// The same with the program's regional decimal separator.
QString FormatReadoutNumber(double value);

// Mikhailov hodograph: ω, P = Re D(jω), Q = Im D(jω).
QString HodographReadoutText(const TLabSample& sample);
// Nyquist diagram: ω, R = Re W(jω), I = Im W(jω), |W| and arg W in degrees
// (the principal value, -180° < arg W <= 180°).
QString NyquistReadoutText(const TLabSample& sample);
// The Nyquist diagram's critical point.
QString CriticalPointReadoutText();
// D-partition: ω with its sign (the mirrored branch's is negative) and the point
// a3 = P + jQ of the boundary.
QString DPartitionReadoutText(const TLabSample& sample);
