#include "chart/LineSeries.h"

#include "chart/ChartAxis.h"
#include "chart/PixelLine.h"
#include "chart/RectFiller.h"
#include "chart/SeriesPixels.h"
#include "chart/SeriesWindow.h"
#include "numeric/Extended.h"

#include <QPainter>
#include <optional>

namespace {

// Where the line through points i-1 and i crosses the left edge of the plot.
QPoint LeftEdgeStart(const TChartSeries& series, int i, const TSeriesCanvas& canvas) {
    const TExtended x0 = series.XValue(i - 1), y0 = series.YValue(i - 1);
    const TExtended x1 = series.XValue(i), y1 = series.YValue(i);
    TExtended y = y0;
    if (x1 != x0)
        y = y0 + (y1 - y0) * (canvas.Horizontal.ViewMin() - x0) / (x1 - x0);
    return QPoint(canvas.PlotRect.left(), canvas.Vertical.ValueToPixel(double(y)));
}

} // namespace

TLineSeries::TLineSeries() {
    TSeriesPointer pointer = Pointer();
    pointer.Visible = false;
    SetPointer(pointer);
}

void TLineSeries::Draw(const TSeriesCanvas& canvas) const {
    const TSeriesWindow window =
        VisibleWindow(*this, canvas.Horizontal.PixelToValue(canvas.PlotRect.left()),
                      canvas.Horizontal.PixelToValue(canvas.PlotRect.right()));
    if (window.Empty())
        return;
    QPainter& painter = canvas.Painter;
    TRectFiller filler(painter);
    // Unset until a drawable point was visited: a segment needs a known start.
    std::optional<QPoint> previous;
    // Building and setting a pen for every segment is most of the cost of a long
    // line; the pen only changes with the colour, and markers are fills that leave
    // the pen alone.
    std::optional<TColor> penColor;
    // Segments go to the painter in batches of one colour; a marker is drawn after
    // the segments before it, as it always was.
    TPixelLineBatch segments(painter);
    for (int i = window.First; i <= window.Last; ++i) {
        const TPointPixel point = PointPixel(*this, i, canvas);
        const TColor color = ValueColor(i);
        if (!point.Drawable)
            continue;
        bool drawSegment = false;
        if (i == window.First) {
            // The line enters from the point left of the window: start on the edge.
            if (i > 0) {
                previous = LeftEdgeStart(*this, i, canvas);
                drawSegment = ValueColor(i - 1) != clNone;
            }
        } else {
            drawSegment = previous.has_value();
        }
        if (drawSegment && *previous != point.Pixel && color != clNone) {
            if (penColor != color) {
                segments.Flush();
                ApplyChartPen(painter, LinePen(), color);
                penColor = color;
            }
            segments.Add(*previous, point.Pixel);
        }
        if (Pointer().Visible) {
            segments.Flush();
            DrawPointer(filler, point.Pixel.x(), point.Pixel.y(), color);
        }
        previous = point.Pixel;
    }
}
