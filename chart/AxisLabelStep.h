#pragma once

// The next label step of the 1-2-5 sequence above `step` (1 -> 2 -> 5 -> 10 ...,
// 0.1 -> 0.2 ...). Each intermediate result is a double, so decimal steps below 1
// carry the rounding of the multiplications by 10 and 0.1. A step that is not a
// positive finite number is returned unchanged.
double AdvanceLabelStep(double step);

// How many labels of `labelSize` pixels (plus `separationPercent`) fit on
// `pixelLength` pixels; 1 when the size is not positive.
int MaxLabelCount(int pixelLength, int labelSize, int separationPercent);

// The distance between labels: starts at `increment` (if positive), else at 1 for
// spans of 1 and more, else at 1e-12, and advances along 1-2-5 until the span
// holds no more than `maxLabels` steps. Never below 1e-12.
double CalcLabelStep(double span, int maxLabels, int separationPercent, double increment);
