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
    bool mirrored = false; // on the D-partition's branch for negative frequencies
};

// The samples of a lab's latest run in the order the run computed them. The chart
// keeps its points sorted by x, so what needs a sample's frequency (the readout
// under the pointer, the exported points) reads it here.
//
// The record serves the picture until a run samples anew, but it is the latest run's
// only while that run got as far as sampling: a run stopped before (an empty field,
// an unstable system, a text that is no number) leaves the chart and its readout as
// they were, and no points to take out, since they would be another system's.
class TLabSamples {
  public:
    // A run begins: what the record holds is no longer the latest run's.
    void StartRun() { ofLatestRun_ = false; }
    // The run samples: from here on the record is its own.
    void Clear() {
        samples_.clear();
        ofLatestRun_ = true;
    }
    void Add(double omega, double x, double y, bool mirrored = false) {
        samples_.push_back({omega, x, y, mirrored});
    }
    bool OfLatestRun() const { return ofLatestRun_; }

    bool Empty() const { return samples_.empty(); }
    std::size_t Size() const { return samples_.size(); }
    const TLabSample& operator[](std::size_t index) const { return samples_[index]; }
    const std::vector<TLabSample>& All() const { return samples_; }

  private:
    std::vector<TLabSample> samples_;
    bool ofLatestRun_ = false;
};
