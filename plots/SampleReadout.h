#pragma once

#include "chart/ReadoutSource.h"
#include "curves/LabSamples.h"

#include <functional>

// What the readout reads on a lab's chart: the samples of the lab's latest run
// (ties go to the smaller frequency), each with the lab's text, and optionally a
// marked point that is not a sample (the Nyquist critical point), offered while it
// is drawn and winning ties against the samples.
class TSampleReadout : public TReadoutSource {
  public:
    using TextOf = QString (*)(const TLabSample&);

    TSampleReadout(const TLabSamples& samples, TextOf text);

    // The marked point at (x, y) with its text, offered while `drawn` says so.
    void SetMark(double x, double y, const QString& text, std::function<bool()> drawn);

    void CollectPoints(std::vector<TReadoutPoint>& points) const override;
    QString Text(std::size_t index) const override;

  private:
    const TLabSamples& samples_;
    TextOf text_;
    TReadoutPoint mark_;
    QString markText_;
    std::function<bool()> markDrawn_;
};
