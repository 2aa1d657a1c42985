#include "chart/PointSeries.h"

#include "chart/ChartAxis.h"
#include "chart/RectFiller.h"
#include "chart/SeriesPixels.h"
#include "chart/SeriesWindow.h"

TPointSeries::TPointSeries() {
    TChartPen pen = LinePen();
    pen.Visible = false;
    SetLinePen(pen);
}

void TPointSeries::Draw(const TSeriesCanvas& canvas) const {
    if (!Pointer().Visible)
        return;
    const TSeriesWindow window =
        VisibleWindow(*this, canvas.Horizontal.PixelToValue(canvas.PlotRect.left()),
                      canvas.Horizontal.PixelToValue(canvas.PlotRect.right()));
    if (window.Empty())
        return;
    // One marker per drawable point of the window, each in its point's colour; a
    // point whose pixel is out of range gets none.
    TRectFiller filler(canvas.Painter);
    for (int i = window.First; i <= window.Last; ++i) {
        const TPointPixel point = PointPixel(*this, i, canvas);
        if (point.Drawable)
            DrawPointer(filler, point.Pixel.x(), point.Pixel.y(), ValueColor(i));
    }
}
