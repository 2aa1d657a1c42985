#pragma once

#include "chart/AxisException.h"
#include "chart/ChartAxis.h"
#include "chart/ChartColors.h"
#include "chart/ChartParent.h"
#include "chart/ChartScene.h"
#include "chart/ChartZoom.h"
#include "chart/LineSeries.h"
#include "chart/PointSeries.h"

#include <QImage>
#include <QList>
#include <QWidget>
#include <memory>

#include <QLabel>

// The chart control of the plotting windows: a lowered panel with a blue title,
// a framed plotting rectangle, a bottom and a left value axis with manual ranges,
// line and point series, and zoom and pan by mouse.
//
// Changes (points, ranges) only mark the picture stale and ask for a repaint; the
// chart is drawn into an off-screen image once per batch of changes, when the
// platform paints, and copied to the screen.
class TChart : public QWidget, public TChartParent {
    Q_OBJECT
  public:
    explicit TChart(QWidget* parent = nullptr);
    ~TChart() override;

    QString Title() const;
    void SetTitle(const QString& title); // lines separated by '\n'

    TChartAxis* BottomAxis() { return &scene_.BottomAxis(); }
    TChartAxis* LeftAxis() { return &scene_.LeftAxis(); }

    // Creates a series owned by the chart, appended to the drawing order.
    template <class Series> Series* AddSeries() {
        return static_cast<Series*>(AddSeries(std::make_unique<Series>()));
    }
    TChartSeries* AddSeries(std::unique_ptr<TChartSeries> series);
    int SeriesCount() const { return scene_.SeriesCount(); }
    TChartSeries* Series(int index) const { return scene_.Series(index); }

    // A caption on top of the chart at a fixed position (relative to the chart),
    // in the window's font and text colour, transparent.
    QLabel* AddCaption(const QString& text, int x, int y);

    // The plotting rectangle of the last drawing, edges inclusive.
    QRect PlotRect() const { return scene_.PlotRect(); }
    // How many times the off-screen image has been drawn.
    int DrawCount() const { return drawCount_; }
    bool Stale() const { return stale_; }

    // The whole chart with its captions, as the screen would show it.
    QImage RenderToImage(qreal devicePixelRatio = 1.0);
    // The same drawn through `painter` at the chart's logical size, onto any device:
    // on a vector one (SVG, PDF) lines and fills stay shapes and texts stay text.
    void RenderTo(QPainter& painter);

    // TChartParent
    void Invalidate() override;
    bool Destroying() const override { return destroying_; }

    TChartZoom& Zoom() { return zoom_; }

  signals:
    // A right click without motion on the chart: where its context menu belongs.
    void ContextMenuRequested(const QPoint& globalPos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    TPanelColors PanelColors() const;
    void DrawInto(QImage& image, qreal devicePixelRatio);
    void DrawCaptions(QPainter& painter);
    void DrawZoomRectangle(QPainter& painter) const;
    bool HitsChart(const QPoint& point) const;

    TChartScene scene_;
    TChartZoom zoom_;
    QImage image_;
    bool stale_ = true;
    // An update was asked for and its paint has not begun: a run adds thousands of
    // points, and asking the toolkit again for each was a tenth of the run's time.
    bool updateRequested_ = false;
    bool destroying_ = false;
    int drawCount_ = 0;
    int wheelRemainder_ = 0;
    QList<QLabel*> captions_;
};
