#pragma once

#include "chart/ChartFont.h"
#include "chart/ChartMark.h"
#include "chart/HatchedPath.h"

#include <QRect>
#include <vector>

class QPainter;
class TChartAxis;
class TTextCache;

// The font of the texts beside the marks: the axis labels' font.
inline TChartFont MarkLabelFont() {
    return TChartFont{};
}

// Hatches the paths on the axes laid out for this drawing. `clip` is the rectangle the
// painter is clipped to (edges inclusive); the strokes are cut to it themselves, since
// a vector device keeps no clip.
void DrawHatching(QPainter& painter, const std::vector<THatchedPath>& paths,
                  const TChartAxis& horizontal, const TChartAxis& vertical, const QRect& clip);

// Draws the marks whose points lie in both axes' ranges, each with its text beside it
// inside `clip` where it fits, in `texts`' font (MarkLabelFont).
void DrawMarks(QPainter& painter, const std::vector<TChartMark>& marks,
               const TChartAxis& horizontal, const TChartAxis& vertical, const QRect& clip,
               TTextCache& texts);
