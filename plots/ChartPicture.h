#pragma once

#include <QImage>

class QIODevice;
class TChart;

// The ways a chart's picture can be saved.
enum class TPictureFormat { Png, Svg, Pdf };

// The chart as the user sees it (title, axes, labels, grid, curves and the captions
// lying on it), at the device pixel ratio of the screen it is on.
QImage ChartScreenPicture(TChart& chart);

// Writes the chart's picture to `device`: PNG is the on-screen picture; SVG and PDF
// are vector drawings at the chart's logical size, lines and fills as shapes and texts
// as text. False when the device took nothing (a device that fails while being
// written, such as a file on a full disk, says so itself).
bool WriteChartPicture(TChart& chart, TPictureFormat format, QIODevice& device);
