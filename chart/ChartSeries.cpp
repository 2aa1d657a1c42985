#include "chart/ChartSeries.h"

#include "chart/ChartParent.h"
#include "ground/Errors.h"

#include <new>

TChartSeries::TChartSeries()
    : xValues_(QStringLiteral("X"), loAscending), yValues_(QStringLiteral("Y"), loNone),
      seriesColor_(clDefault) {}

TChartSeries::~TChartSeries() = default;

void TChartSeries::SetSeriesColor(TColor color) {
    if (seriesColor_ == color)
        return;
    seriesColor_ = color;
    Repaint();
}

int TChartSeries::AddPoint(double x, double y, TColor color) {
    // Room for one more in all three columns first, so that the insertions below
    // cannot fail half-way and leave the columns of different lengths.
    const int count = PointCount();
    if (count == xValues_.Capacity() || count == yValues_.Capacity() ||
        count == colors_.Capacity()) {
        try {
            const int capacity = count < 16 ? 16 : count * 2;
            xValues_.Reserve(capacity);
            yValues_.Reserve(capacity);
            colors_.Reserve(capacity);
        } catch (const std::bad_alloc&) {
            throw EOutOfMemory();
        } catch (const std::length_error&) {
            throw EOutOfMemory();
        }
    }
    const int index = xValues_.InsertionIndex(x);
    xValues_.Insert(index, x);
    // The y column is not ordered by itself: it follows the x order.
    yValues_.Insert(index, y);
    colors_.Insert(index, color);
    Repaint();
    return index;
}

void TChartSeries::ClearPoints() {
    xValues_.Clear();
    yValues_.Clear();
    colors_.Clear();
    if (parent_ && !parent_->Destroying())
        Repaint();
}

TColor TChartSeries::ValueColor(int index) const {
    if (index < 0 || index >= colors_.Count())
        return seriesColor_;
    const TColor stored = colors_[index];
    // No chart here colours each point from a palette, so clDefault always means
    // the series' own colour.
    return stored == clDefault ? seriesColor_ : stored;
}

void TChartSeries::Repaint() {
    if (parent_)
        parent_->Invalidate();
}
