#pragma once

#include "chart/ReadoutSource.h"

#include <QPoint>
#include <memory>
#include <vector>

class TChartAxis;

// A point found under the pointer: its index in the source's points (-1: none)
// and the pixel it is drawn at.
struct TReadoutHit {
    int Index = -1;
    QPoint Pixel;
    bool Found() const { return Index >= 0; }
};

// The lookup of the readout under the pointer, without the widget: the source's
// points are placed on the pixels where the last drawing put them, and a pointer
// position finds the nearest of them within reach.
class TChartReadout {
  public:
    // How far from the pointer a point may lie, in logical pixels.
    static constexpr int Reach = 8;

    void SetSource(std::unique_ptr<TReadoutSource> source);
    bool HasSource() const { return source_ != nullptr; }

    // The points or the axes' layout changed: the points are collected and placed
    // again at the next lookup.
    void Invalidate() { placedValid_ = false; }

    // The point nearest to `pointer` if one lies within Reach; ties go to the
    // smaller Order, then to the earlier point. Only points inside both axes'
    // ranges count (the others are not drawn). The axes are those of the last
    // drawing.
    TReadoutHit Nearest(const QPoint& pointer, const TChartAxis& horizontal,
                        const TChartAxis& vertical);

    // The source's text for a point found by Nearest.
    QString Text(int index) const;

  private:
    struct TPlaced {
        int X, Y;
        double Order;
        int Index;
    };
    void Place(const TChartAxis& horizontal, const TChartAxis& vertical);

    std::unique_ptr<TReadoutSource> source_;
    std::vector<TReadoutPoint> points_;
    std::vector<TPlaced> placed_;
    bool placedValid_ = false;
};
