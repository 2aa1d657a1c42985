#include "chart/CustomSeries.h"

#include "chart/RectFiller.h"

void TCustomSeries::SetLinePen(const TChartPen& pen) {
    if (linePen_ == pen)
        return;
    linePen_ = pen;
    Repaint();
}

void TCustomSeries::SetLinePenWidth(int width) {
    TChartPen pen = linePen_;
    pen.Width = width;
    SetLinePen(pen);
}

void TCustomSeries::SetPointer(const TSeriesPointer& pointer) {
    if (pointer_ == pointer)
        return;
    pointer_ = pointer;
    Repaint();
}

void TCustomSeries::DrawPointer(TRectFiller& filler, int px, int py, TColor color) const {
    if (color == clNone)
        return;
    const TColor fill = pointer_.BrushColor == clDefault ? color : pointer_.BrushColor;
    const int h = pointer_.HorizSize;
    const int v = pointer_.VertSize;
    // The rectangle (px - h, py - v) .. (px + h + 1, py + v + 1), right and bottom
    // excluded: an outline occupies its edge pixels; without one the fill alone is
    // one pixel smaller in each direction.
    if (!pointer_.Pen.Visible || pointer_.Pen.Style == psClear) {
        filler.Fill(QRect(px - h, py - v, 2 * h, 2 * v), fill);
        return;
    }
    const QRect box(px - h, py - v, 2 * h + 1, 2 * v + 1);
    filler.Fill(box, fill);
    const TColor edge = pointer_.Pen.Color;
    filler.Fill(QRect(box.left(), box.top(), box.width(), 1), edge);
    filler.Fill(QRect(box.left(), box.bottom(), box.width(), 1), edge);
    filler.Fill(QRect(box.left(), box.top(), 1, box.height()), edge);
    filler.Fill(QRect(box.right(), box.top(), 1, box.height()), edge);
}
