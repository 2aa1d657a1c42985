#pragma once

#include "chart/ChartAxis.h"
#include "chart/ChartColors.h"
#include "chart/ChartMark.h"
#include "chart/ChartParent.h"
#include "chart/ChartReadout.h"
#include "chart/ChartScene.h"
#include "chart/ChartZoom.h"
#include "chart/HatchedPath.h"
#include "chart/LineSeries.h"
#include "chart/PointSeries.h"
#include "ground/AxisException.h"

#include <QImage>
#include <QList>
#include <QWidget>
#include <memory>
#include <vector>

#include <QLabel>

// The chart control of the plotting windows: a lowered panel with a blue title,
// a framed plotting rectangle, a bottom and a left value axis with manual ranges,
// line and point series, and zoom and pan by mouse.
//
// With a readout source, the pointer resting over the plotting rectangle shows the
// nearest drawn point's text in a tooltip and a ring around the point; both live
// outside the chart's picture. A right click without pan motion asks for a context
// menu (ContextMenuRequested); the chart has none of its own.
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

    // Marks at points of the axes' values and hatching along paths, drawn over the
    // series in their clip (see ChartMark.h, HatchedPath.h). None by default, and with
    // none the picture is exactly the one without them. A change asks for a repaint.
    const std::vector<TChartMark>& Marks() const { return scene_.Marks(); }
    void SetMarks(std::vector<TChartMark> marks);
    void ClearMarks() { SetMarks({}); }
    const std::vector<THatchedPath>& Hatching() const { return scene_.Hatching(); }
    void SetHatching(std::vector<THatchedPath> paths);
    void ClearHatching() { SetHatching({}); }

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

    // What the pointer reads (the chart owns it); null: no readout.
    void SetReadoutSource(std::unique_ptr<TReadoutSource> source);
    // The point being read (an index in the source's points), -1 while none is.
    int ReadoutIndex() const { return readout_.Index; }

  signals:
    // A right button press and release on the chart with no pan motion between:
    // where the menu belongs, in global coordinates.
    void ContextMenuRequested(const QPoint& globalPos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    TPanelColors PanelColors() const;
    void DrawInto(QImage& image, qreal devicePixelRatio);
    void DrawCaptions(QPainter& painter);
    void DrawZoomRectangle(QPainter& painter) const;
    bool HitsChart(const QPoint& point) const;
    void ShowReadout(const QPoint& pointer);
    void HideReadout();
    void DrawReadoutRing(QPainter& painter) const;

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

    TChartReadout readoutLookup_;
    TReadoutHit readout_; // the point being read
    // A right press that becomes a context menu request if it is released before
    // the pan moves the picture.
    bool rightClickPending_ = false;
    QPoint rightPressPos_;
};
