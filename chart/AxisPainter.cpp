#include "chart/AxisPainter.h"

#include "chart/DottedLine.h"
#include "chart/PixelLine.h"
#include "chart/RectFiller.h"
#include "chart/TextCache.h"

#include <QFontMetrics>
#include <QPainter>

#include <optional>

namespace {

void DrawLabels(QPainter& painter, const TChartAxis& axis, const TAxisTicks& ticks,
                TTextCache& texts) {
    const QFontMetrics& metrics = texts.Metrics();
    painter.setPen(ToQColor(axis.LabelsFont().Color));
    painter.setBackgroundMode(Qt::TransparentMode);
    const int height = metrics.height();
    for (const TAxisLabel& label : ticks.Labels) {
        const int width = texts.Width(label.Text);
        int left = 0;
        int top = 0;
        if (axis.Horizontal()) {
            left = label.Position - width / 2;
            top = axis.LabelBandPos();
        } else {
            left = axis.LabelBandPos() - width;
            top = label.Position - height / 2;
        }
        texts.Draw(painter, QPoint(left, top + metrics.ascent()), label.Text);
    }
}

// A short line across the axis at `position`, starting one pixel outside the axis
// line and running `length` pixels outwards.
void DrawTick(QPainter& painter, const TChartAxis& axis, int position, int length) {
    const int start = axis.Horizontal() ? axis.AxisLinePos() + 1 : axis.AxisLinePos() - 1;
    const int end = axis.Horizontal() ? start + length : start - length;
    if (axis.Horizontal())
        DrawPixelLine(painter, QPoint(position, start), QPoint(position, end));
    else
        DrawPixelLine(painter, QPoint(start, position), QPoint(end, position));
}

// A grid line across the plot, kept inside the frame so that the frame stays whole.
// A dotted one goes straight into the image where it can (the same pixels).
void DrawGridLine(QPainter& painter, TRectFiller* dots, const TChartAxis& axis, int position,
                  const QRect& plot) {
    QPoint from, to;
    if (axis.Horizontal()) {
        if (position <= plot.left() || position >= plot.right())
            return;
        from = QPoint(position, plot.top() + 1);
        to = QPoint(position, plot.bottom());
    } else {
        if (position <= plot.top() || position >= plot.bottom())
            return;
        from = QPoint(plot.left() + 1, position);
        to = QPoint(plot.right(), position);
    }
    if (dots && DrawDottedLineDirect(*dots, from, to, axis.GridPen().Color))
        return;
    DrawPixelLine(painter, from, to);
}

void DrawAxisLine(QPainter& painter, const TChartAxis& axis) {
    ApplyChartPen(painter, axis.AxisPen(), axis.AxisPen().Color);
    const int at = axis.AxisLinePos();
    if (axis.Horizontal())
        DrawPixelLine(painter, QPoint(axis.PixelStart(), at), QPoint(axis.PixelEnd(), at));
    else
        DrawPixelLine(painter, QPoint(at, axis.PixelStart()), QPoint(at, axis.PixelEnd()));
}

} // namespace

TTextMeasure MeasureWith(TTextCache& texts) {
    TTextMeasure measure;
    measure.Width = [&texts](const QString& text) { return texts.Width(text); };
    measure.Height = texts.Metrics().height();
    return measure;
}

void DrawAxis(QPainter& painter, const TChartAxis& axis, const TAxisTicks& ticks,
              TTextCache& labelTexts, const QRect& plot) {
    painter.save();
    DrawLabels(painter, axis, ticks, labelTexts);
    if (axis.AxisPen().Visible)
        DrawAxisLine(painter, axis);
    if (axis.TicksPen().Visible) {
        ApplyChartPen(painter, axis.TicksPen(), axis.TicksPen().Color);
        for (const TAxisLabel& label : ticks.Labels)
            DrawTick(painter, axis, label.Position, axis.TickLength());
    }
    if (axis.GridPen().Visible) {
        ApplyChartPen(painter, axis.GridPen(), axis.GridPen().Color);
        painter.setBackgroundMode(Qt::TransparentMode);
        const TChartPen& pen = axis.GridPen();
        std::optional<TRectFiller> dots;
        if (pen.Style == psDot && pen.Width <= 1)
            dots.emplace(painter);
        for (const TAxisLabel& label : ticks.Labels)
            DrawGridLine(painter, dots ? &*dots : nullptr, axis, label.Position, plot);
    }
    if (axis.MinorTicksPen().Visible) {
        ApplyChartPen(painter, axis.MinorTicksPen(), axis.MinorTicksPen().Color);
        for (int position : ticks.MinorTicks)
            DrawTick(painter, axis, position, axis.MinorTickLength());
    }
    painter.restore();
}
