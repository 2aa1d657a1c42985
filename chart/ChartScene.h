#pragma once

#include "chart/ChartAxis.h"
#include "chart/ChartFont.h"
#include "chart/ChartMark.h"
#include "chart/ChartPen.h"
#include "chart/ChartSeries.h"
#include "chart/FontCache.h"
#include "chart/HatchedPath.h"

#include <QColor>
#include <QRect>
#include <QStringList>
#include <memory>
#include <vector>

class QPainter;

// The colours the panel takes from the platform.
struct TPanelColors {
    QColor Face;      // the chart colour (button face)
    QColor Shadow;    // top and left edges of the lowered bevel
    QColor Highlight; // bottom and right edges
};

// The content of a chart and its drawing, without a widget: title, axes, series,
// margins, back wall. Draw() lays the chart out in the given bounds and paints it.
class TChartScene {
  public:
    explicit TChartScene(TChartParent* parent);
    ~TChartScene();

    QStringList& TitleLines() { return title_; }
    const QStringList& TitleLines() const { return title_; }
    const TChartFont& TitleFont() const { return titleFont_; }
    const TChartPen& BackWallPen() const { return backWall_; }

    TChartAxis& BottomAxis() { return bottom_; }
    TChartAxis& LeftAxis() { return left_; }
    const TChartAxis& BottomAxis() const { return bottom_; }
    const TChartAxis& LeftAxis() const { return left_; }

    TChartSeries* AddSeries(std::unique_ptr<TChartSeries> series);
    int SeriesCount() const { return int(series_.size()); }
    TChartSeries* Series(int index) const;
    // Releases every series (the chart is going away).
    void ClearSeries() { series_.clear(); }

    // Drawn over the series, in their clip: hatching, then marks with their texts.
    std::vector<TChartMark>& Marks() { return marks_; }
    const std::vector<TChartMark>& Marks() const { return marks_; }
    std::vector<THatchedPath>& Hatching() { return hatching_; }
    const std::vector<THatchedPath>& Hatching() const { return hatching_; }

    // Percent of the width (left, right) or height (top, bottom).
    int MarginLeft = 3, MarginTop = 4, MarginRight = 3, MarginBottom = 4;

    // The plotting rectangle of the last drawing, edges inclusive (the frame).
    QRect PlotRect() const { return plot_; }

    // Lays out and paints the whole chart into `bounds` (panel, title, back wall,
    // bottom axis, left axis, series in list order, hatching, marks).
    void Draw(QPainter& painter, const QRect& bounds, const TPanelColors& colors);

  private:
    void DrawPanel(QPainter& painter, const QRect& bounds, const TPanelColors& colors) const;
    void DrawTitle(QPainter& painter, QRect& rect);
    void Layout(QRect& rect);
    void DrawBackWall(QPainter& painter) const;
    QRect SeriesClip() const;
    void DrawSeries(QPainter& painter) const;
    void DrawMarksAndHatching(QPainter& painter);

    QStringList title_;
    TChartFont titleFont_{QStringLiteral("Arial"), 8, clBlue, false};
    TChartPen backWall_{clBlack, 1, psSolid, true};
    TChartAxis bottom_;
    TChartAxis left_;
    std::vector<std::unique_ptr<TChartSeries>> series_;
    std::vector<TChartMark> marks_;
    std::vector<THatchedPath> hatching_;
    QRect plot_;
    TFontCache fonts_;
};
