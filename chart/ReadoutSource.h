#pragma once

#include <QString>
#include <cstddef>
#include <vector>

// A point the readout under the pointer can show, in the chart's values. Order
// decides between points at the same distance from the pointer: the smaller wins.
struct TReadoutPoint {
    double X = 0;
    double Y = 0;
    double Order = 0;
};

// What the chart reads under the pointer. The chart only knows values and pixels;
// what a point means (its frequency, its text) is known to whoever drew it.
class TReadoutSource {
  public:
    virtual ~TReadoutSource() = default;

    // Every point that may be read, into `points` (emptied first).
    virtual void CollectPoints(std::vector<TReadoutPoint>& points) const = 0;
    // The text shown for point `index` of the last collection.
    virtual QString Text(std::size_t index) const = 0;
};
