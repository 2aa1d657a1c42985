#pragma once

#include "chart/ChartFont.h"
#include "chart/ChartPen.h"
#include "chart/TextMeasure.h"

#include <QRect>
#include <QString>
#include <optional>
#include <vector>

class TChartParent;

// One label of an axis: its value, its pixel position along the axis and its text.
struct TAxisLabel {
    double Value = 0;
    int Position = 0;
    QString Text;
};

// Everything an axis draws at one drawing, worked out before any painting.
struct TAxisTicks {
    double LabelStep = 0;
    std::vector<TAxisLabel> Labels; // from the top value downwards (TickPositions)
    std::vector<int> MinorTicks;    // positions strictly inside the axis
};

// A value axis with a manual range (the bottom or the left axis of a chart).
// The range arithmetic, the value/pixel mapping and the label computation need no
// widget: text is measured through TTextMeasure.
class TChartAxis {
  public:
    static constexpr int MaxTickPositions = 2000;

    explicit TChartAxis(bool horizontal, TChartParent* parent = nullptr);

    bool Horizontal() const { return horizontal_; }
    void SetParentChart(TChartParent* parent) { parent_ = parent; }

    // The manual range. The writes check against the other end as it stands now:
    // a refused write raises AxisException and changes nothing; an equal value is
    // accepted without a repaint.
    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }
    void SetMinimum(double value);
    void SetMaximum(double value);
    // Used by zoom, pan and undo: no checks; swaps reversed ends and keeps a span
    // of at least 1e-10. Turns the automatic flags off.
    void SetRange(double low, double high);
    // Moves both ends by `delta` without any check (the mouse wheel).
    void Shift(double delta);

    bool Automatic() const { return automatic_; }
    bool AutomaticMinimum() const { return automaticMinimum_; }
    bool AutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomatic(bool value) { automatic_ = value; }
    void SetAutomaticMinimum(bool value) { automaticMinimum_ = value; }
    void SetAutomaticMaximum(bool value) { automaticMaximum_ = value; }

    // The axis line (black, width 2): hidden on some charts.
    bool AxisVisible() const { return axisPen_.Visible; }
    void SetAxisVisible(bool visible);
    const TChartPen& AxisPen() const { return axisPen_; }
    const TChartPen& GridPen() const { return gridPen_; }
    const TChartPen& TicksPen() const { return ticksPen_; }
    const TChartPen& MinorTicksPen() const { return minorTicksPen_; }
    const TChartFont& LabelsFont() const { return labelsFont_; }

    int TickLength() const { return tickLength_; }
    int MinorTickCount() const { return minorTickCount_; }
    int MinorTickLength() const { return minorTickLength_; }

    // --- Worked out at every drawing ---

    // Copies the range for this drawing (ViewMin, ViewMax, ViewSpan).
    void BeginDraw();
    double ViewMin() const { return viewMin_; }
    double ViewMax() const { return viewMax_; }
    double ViewSpan() const { return viewSpan_; }

    // Width of the band of the axis line and the ticks.
    int TickBand() const;
    // Takes the label and tick bands from `remaining` (bottom edge for the
    // horizontal axis, left edge for the vertical one) and sets LabelBandPos.
    void ReserveSpace(QRect& remaining, const TTextMeasure& measure);
    // Takes the pixel ends from the final plotting rectangle (edges inclusive).
    void SetPlotRect(const QRect& plot);

    int PixelStart() const { return pixelStart_; }
    int PixelEnd() const { return pixelEnd_; }
    int PixelLength() const { return pixelEnd_ - pixelStart_; }
    int PixelCentre() const { return (pixelStart_ + pixelEnd_) / 2; }
    int AxisLinePos() const { return axisLinePos_; }
    int LabelBandPos() const { return labelBandPos_; }

    int ValueToPixel(double value) const;
    // The unrounded place of a value in logical coordinates: ValueToPixel is its
    // rounding (ties aside), and a painter without antialiasing draws a point at a
    // whole coordinate into that pixel. None for a range without span and for a value
    // more than CoordinateLimit pixels away, where a double no longer places a pixel
    // exactly.
    static constexpr double CoordinateLimit = 1e15;
    std::optional<double> ValueToCoordinate(double value) const;
    double PixelToValue(int pixel) const;

    // The distance between labels for the current range and pixel length.
    double CalcLabelStep(const TTextMeasure& measure) const;
    // Label values, positions and texts, and the minor tick positions.
    TAxisTicks CalcTicks(const TTextMeasure& measure) const;

  private:
    void Repaint();
    int VerticalLabelBand(const TTextMeasure& measure) const;

    bool horizontal_;
    TChartParent* parent_;

    double minimum_ = 0;
    double maximum_ = 0;
    // Ranges are always set by hand here (no chart ranges itself from its data).
    bool automatic_ = false;
    bool automaticMinimum_ = false;
    bool automaticMaximum_ = false;

    int tickLength_ = 4;
    int minorTickCount_ = 3;
    int minorTickLength_ = 2;
    TChartFont labelsFont_;
    TChartPen axisPen_{clBlack, 2, psSolid, true};
    TChartPen gridPen_{clGray, 1, psDot, true};
    TChartPen ticksPen_{clGray, 1, psSolid, true};
    TChartPen minorTicksPen_{clGray, 1, psSolid, true};

    double viewMin_ = 0;
    double viewMax_ = 0;
    double viewSpan_ = 0;
    int pixelStart_ = 0;
    int pixelEnd_ = 0;
    int axisLinePos_ = 0;
    int labelBandPos_ = 0;
    // The axis length of the previous drawing: the vertical label band is sized
    // with the label step of that length.
    int previousLength_ = 0;
};
