#include "chart/SeriesWindow.h"

#include "chart/ChartSeries.h"

TSeriesWindow VisibleWindow(const TChartSeries& series, double left, double right) {
    TSeriesWindow window;
    const int count = series.PointCount();
    int first = 0;
    while (first < count && series.XValue(first) < left)
        ++first;
    if (first == count)
        return window;
    window.First = first;
    if (series.XValue(count - 1) <= right) {
        window.Last = count - 1;
        return window;
    }
    int last = first;
    while (last < count - 1 && series.XValue(last) < right)
        ++last;
    window.Last = last;
    return window;
}
