#pragma once

#include <vector>

// Minor tick positions for labels at `labels` (pixel positions in drawing order):
// `count` ticks evenly between each pair of neighbours, and as many beyond the two
// outermost labels with the spacing of the first pair. Only positions strictly
// between `pixelStart` and `pixelEnd` are kept. Needs at least two labels.
std::vector<int> MinorTickPositions(const std::vector<int>& labels, int count, int pixelStart,
                                    int pixelEnd);
