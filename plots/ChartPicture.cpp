#include "plots/ChartPicture.h"

#include "chart/Chart.h"
#include "plots/SvgFontFamilies.h"

#include <QBuffer>

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

// Vector devices get the screen's logical resolution, so that the window's fonts of
// the captions come out as large, relative to the chart, as on the screen.
int LogicalDpi(const TChart& chart) {
    return chart.logicalDpiY() > 0 ? chart.logicalDpiY() : 96;
}

bool WriteSvg(TChart& chart, QIODevice& device) {
    // Drawn into memory first: the font names are mended before the file gets them.
    QBuffer drawing;
    drawing.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&drawing);
    svg.setSize(chart.size());
    svg.setViewBox(QRect(QPoint(0, 0), chart.size()));
    svg.setResolution(LogicalDpi(chart));
    svg.setTitle(chart.Title());
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    chart.RenderTo(painter);
    if (!painter.end())
        return false;
    const QByteArray text = NameDrawnFontFamilies(drawing.data());
    return device.write(text) == text.size();
}

bool WritePdf(TChart& chart, QIODevice& device) {
    QPdfWriter pdf(&device);
    const int dpi = LogicalDpi(chart);
    pdf.setResolution(dpi);
    // One page of exactly the chart's size: a pixel is 1/dpi inch, 72 points to an inch.
    const QSizeF points = QSizeF(chart.size()) * 72.0 / dpi;
    pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(chart.Title());
    pdf.setCreator(QStringLiteral("Labs"));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    chart.RenderTo(painter);
    return painter.end();
}

} // namespace

QImage ChartScreenPicture(TChart& chart) {
    return chart.RenderToImage(chart.devicePixelRatioF());
}

bool WriteChartPicture(TChart& chart, TPictureFormat format, QIODevice& device) {
    switch (format) {
    case TPictureFormat::Png:
        return ChartScreenPicture(chart).save(&device, "PNG");
    case TPictureFormat::Svg:
        return WriteSvg(chart, device);
    case TPictureFormat::Pdf:
        return WritePdf(chart, device);
    }
    return false;
}
