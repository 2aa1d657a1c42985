#pragma once

#include "numeric/Extended.h"

// log10 x for a finite x > 0, computed from + - * / alone so that the hardware and
// the software extended type give the same bits. Within a few units in the last place
// of the result (absolutely, near x = 1).
TExtended DecimalLogarithm(TExtended x);

// 20 log10 x: a ratio of amplitudes in decibels.
TExtended Decibels(TExtended x);
