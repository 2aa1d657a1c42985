#include "plots/SampleReadout.h"

#include <limits>

TSampleReadout::TSampleReadout(const TLabSamples& samples, TextOf text)
    : samples_(samples), text_(text) {}

void TSampleReadout::SetMark(double x, double y, const QString& text, std::function<bool()> drawn) {
    mark_ = {x, y, -std::numeric_limits<double>::infinity()};
    markText_ = text;
    markDrawn_ = std::move(drawn);
}

void TSampleReadout::CollectPoints(std::vector<TReadoutPoint>& points) const {
    points.clear();
    points.reserve(samples_.Size() + 1);
    for (const TLabSample& sample : samples_.All())
        points.push_back({sample.x, sample.y, sample.omega});
    // The mark comes after the samples, so that the indices below it are theirs.
    if (markDrawn_ && markDrawn_())
        points.push_back(mark_);
}

QString TSampleReadout::Text(std::size_t index) const {
    if (index < samples_.Size())
        return text_(samples_[index]);
    return markText_;
}
