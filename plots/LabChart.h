#pragma once

#include "chart/ChartColors.h"

#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;
class TChart;
class TLabForm;
class TLineSeries;

// The chart of a plotting window: at the window's top-left corner, filling the
// area left of the coefficient panel, with its title, manual axes and the axis
// lines shown or hidden.
TChart* CreateLabChart(QWidget* parent, const QSize& size, const QString& title,
                       bool axisLinesVisible);

// A line series appended to the chart's drawing order: its colour and pen width.
TLineSeries* AddLineSeries(TChart* chart, TColor colour, int width);

// The texts of a lab window's fields in the order in which a run reads them.
QStringList FieldTexts(const TLabForm& form);
