#pragma once

#include <cstddef>
#include <vector>

// One computed sample of a plotting lab: the frequency it was computed at and the
// point it gave, the exact doubles handed to the chart. The D-partition's mirrored
// branch is kept with the negative frequency.
struct TLabSample {
    double omega;
    double x;
    double y;
};

// The samples of a lab's latest run in the order the run computed them. The chart
// keeps its points sorted by x, so what needs a sample's frequency (the readout
// under the pointer, the exported points) reads it here.
class TLabSamples {
  public:
    void Clear() { samples_.clear(); }
    void Add(double omega, double x, double y) { samples_.push_back({omega, x, y}); }

    bool Empty() const { return samples_.empty(); }
    std::size_t Size() const { return samples_.size(); }
    const TLabSample& operator[](std::size_t index) const { return samples_[index]; }
    const std::vector<TLabSample>& All() const { return samples_; }

  private:
    std::vector<TLabSample> samples_;
};
