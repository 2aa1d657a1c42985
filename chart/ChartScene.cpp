#include "chart/ChartScene.h"

#include "chart/AxisPainter.h"
#include "chart/MarkPainter.h"
#include "ground/Errors.h"
#include "numeric/Extended.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace {

// A margin in pixels: percent of the extent, rounded half away from zero.
int MarginPixels(int percent, int extent) {
    return int(ExtendedRoundHalfAway(static_cast<TExtended>(percent) * extent / 100));
}

} // namespace

TChartScene::TChartScene(TChartParent* parent) : bottom_(true, parent), left_(false, parent) {}

TChartScene::~TChartScene() = default;

TChartSeries* TChartScene::AddSeries(std::unique_ptr<TChartSeries> series) {
    series_.push_back(std::move(series));
    return series_.back().get();
}

TChartSeries* TChartScene::Series(int index) const {
    CheckIndex(index, 0, SeriesCount() - 1);
    return series_[std::size_t(index)].get();
}

void TChartScene::Draw(QPainter& painter, const QRect& bounds, const TPanelColors& colors) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawPanel(painter, bounds, colors);
    // The rectangle runs from the left to the right coordinate of the bounds; its
    // right and bottom edges are pixel columns and rows of the frame.
    QRect rect(
        QPoint(bounds.left() + MarginPixels(MarginLeft, bounds.width()),
               bounds.top() + MarginPixels(MarginTop, bounds.height())),
        QPoint(bounds.left() + bounds.width() - MarginPixels(MarginRight, bounds.width()),
               bounds.top() + bounds.height() - MarginPixels(MarginBottom, bounds.height())));
    DrawTitle(painter, rect);
    Layout(rect);
    DrawBackWall(painter);
    TTextCache& bottomTexts = fonts_.Texts(bottom_.LabelsFont());
    DrawAxis(painter, bottom_, bottom_.CalcTicks(MeasureWith(bottomTexts)), bottomTexts, plot_);
    TTextCache& leftTexts = fonts_.Texts(left_.LabelsFont());
    DrawAxis(painter, left_, left_.CalcTicks(MeasureWith(leftTexts)), leftTexts, plot_);
    DrawSeries(painter);
    DrawMarksAndHatching(painter);
    painter.restore();
}

void TChartScene::DrawPanel(QPainter& painter, const QRect& bounds,
                            const TPanelColors& colors) const {
    painter.fillRect(bounds, colors.Face);
    // Lowered bevel: shadow on the top and left edges, highlight on the others.
    painter.fillRect(QRect(bounds.left(), bounds.top(), bounds.width(), 1), colors.Shadow);
    painter.fillRect(QRect(bounds.left(), bounds.top(), 1, bounds.height()), colors.Shadow);
    painter.fillRect(QRect(bounds.left(), bounds.bottom(), bounds.width(), 1), colors.Highlight);
    painter.fillRect(QRect(bounds.right(), bounds.top(), 1, bounds.height()), colors.Highlight);
}

void TChartScene::DrawTitle(QPainter& painter, QRect& rect) {
    TTextCache& texts = fonts_.Texts(titleFont_);
    const QFontMetrics& metrics = texts.Metrics();
    const int lineHeight = metrics.height();
    painter.setPen(ToQColor(titleFont_.Color));
    painter.setBackgroundMode(Qt::TransparentMode);
    int top = rect.top();
    for (const QString& line : title_) {
        const int x = (rect.left() + rect.right()) / 2 - texts.Width(line) / 2;
        texts.Draw(painter, QPoint(x, top + metrics.ascent()), line);
        top += lineHeight;
    }
    rect.setTop(rect.top() + int(title_.size()) * lineHeight + 5);
}

void TChartScene::Layout(QRect& rect) {
    bottom_.BeginDraw();
    left_.BeginDraw();
    bottom_.ReserveSpace(rect, MeasureWith(fonts_.Texts(bottom_.LabelsFont())));
    left_.ReserveSpace(rect, MeasureWith(fonts_.Texts(left_.LabelsFont())));
    plot_ = rect;
    bottom_.SetPlotRect(plot_);
    left_.SetPlotRect(plot_);
}

void TChartScene::DrawBackWall(QPainter& painter) const {
    if (!backWall_.Visible || backWall_.Style == psClear)
        return;
    // A one-pixel frame on the rectangle's four edge rows and columns; no fill.
    const QColor color = ToQColor(backWall_.Color);
    const QRect& r = plot_;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
}

QRect TChartScene::SeriesClip() const {
    // The series see the inside of the frame, less its last row.
    return QRect(QPoint(plot_.left() + 1, plot_.top() + 1),
                 QPoint(plot_.right() - 1, plot_.bottom() - 2));
}

void TChartScene::DrawSeries(QPainter& painter) const {
    const QRect clip = SeriesClip();
    for (const auto& series : series_) {
        if (series->PointCount() == 0)
            continue;
        painter.save();
        painter.setClipRect(clip);
        series->Draw(TSeriesCanvas{painter, bottom_, left_, plot_});
        painter.restore();
    }
}

void TChartScene::DrawMarksAndHatching(QPainter& painter) {
    // Without any the painter is left alone: the picture is the one without them.
    if (marks_.empty() && hatching_.empty())
        return;
    const QRect clip = SeriesClip();
    painter.save();
    painter.setClipRect(clip);
    DrawHatching(painter, hatching_, bottom_, left_, clip);
    DrawMarks(painter, marks_, bottom_, left_, clip, fonts_.Texts(MarkLabelFont()));
    painter.restore();
}
