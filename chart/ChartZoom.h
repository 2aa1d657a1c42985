#pragma once

#include <QPoint>
#include <QRect>

class TChartAxis;

// Zoom, undo and pan of a chart's two axes by mouse, without the widget: the chart
// forwards its mouse events here. All range changes go through SetRange (no range
// checks). The scales from before the first zoom or pan are saved for the undo.
class TChartZoom {
  public:
    enum TZoomResult { zrNone, zrZoomedIn, zrUndone };

    TChartZoom(TChartAxis& horizontal, TChartAxis& vertical);

    bool ZoomActive() const { return zoomActive_; }
    bool PanActive() const { return panActive_; }
    // True initially and after an undo; false once a zoom or pan saved the scales.
    bool Restored() const { return restored_; }

    void StartZoom(const QPoint& point);
    void MoveZoom(const QPoint& point);
    // Ends the drag at `point`: more than 16 pixels both ways zooms in when dragged
    // right and down, undoes otherwise; smaller drags change nothing.
    TZoomResult FinishZoom(const QPoint& point);
    // The corners of the drag, (X0, Y0) and (X1, Y1).
    QPoint ZoomStart() const { return start_; }
    QPoint ZoomEnd() const { return end_; }
    // The rectangle the zoom takes: from the press up to the pointer, |X1 - X0| by
    // |Y1 - Y0| pixels; the pointer's own column and row lie just outside it.
    QRect ZoomRect() const;

    void StartPan(const QPoint& point);
    // Scrolls by the move when `point` lies in `plot`; ends the pan otherwise.
    // Returns whether the ranges changed.
    bool MovePan(const QPoint& point, const QRect& plot);
    void EndPan() { panActive_ = false; }

    // Restores the saved scales if a zoom or pan saved them.
    bool Undo();
    // Moves the vertical axis by 3 % of its span per notch; positive notches move
    // it up (the wheel turned towards the user).
    void Wheel(int notches);

  private:
    struct TSavedScale {
        bool Automatic = false, AutomaticMinimum = false, AutomaticMaximum = false;
        double Minimum = 0, Maximum = 0;
    };
    void SaveScales();
    static TSavedScale Save(const TChartAxis& axis);
    static void Restore(TChartAxis& axis, const TSavedScale& scale);

    TChartAxis& horizontal_;
    TChartAxis& vertical_;
    bool zoomActive_ = false;
    bool panActive_ = false;
    bool restored_ = true;
    QPoint start_, end_;
    QPoint panLast_;
    TSavedScale savedHorizontal_, savedVertical_;
};
