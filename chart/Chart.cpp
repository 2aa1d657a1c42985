#include "chart/Chart.h"

#include "ground/FloatEnv.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

namespace {

// Drawing, zooming, panning and scrolling must neither raise nor leave floating-point
// status flags behind for the next computation (the axis steps, ticks and pixels of
// an extreme range overflow): each runs in a TFloatStateScope.

constexpr int WheelNotch = 120;

// The ring around the point being read, and the area it repaints.
constexpr qreal RingRadius = 4.5;
QRect RingArea(const QPoint& pixel) {
    return QRect(pixel - QPoint(7, 7), QSize(16, 16));
}

// The tooltip is placed from the point, not from the pointer: the toolkit puts it
// below and right of the spot it is given, and from the point it never covers the
// point or its ring, wherever within reach the pointer rests.
const QPoint TipOffset(6, -6);
// The toolkit hides a tooltip 300 ms after it is asked to; a tip shown again with
// the same text in that time is not shown anew and would then vanish.
constexpr int TipHideDelay = 350;

} // namespace

TChart::TChart(QWidget* parent)
    : QWidget(parent), scene_(this), zoom_(scene_.BottomAxis(), scene_.LeftAxis()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button feed the readout.
    setMouseTracking(true);
    // The platform would ask for a context menu on the right press (X11), which
    // starts a pan here; the chart asks on the release instead (ContextMenuRequested).
    setContextMenuPolicy(Qt::PreventContextMenu);
}

TChart::~TChart() {
    destroying_ = true;
    HideReadout();
    scene_.ClearSeries();
}

QString TChart::Title() const {
    return scene_.TitleLines().join(QLatin1Char('\n'));
}

void TChart::SetTitle(const QString& title) {
    const QStringList lines = title.isEmpty() ? QStringList() : title.split(QLatin1Char('\n'));
    if (lines == scene_.TitleLines())
        return;
    scene_.TitleLines() = lines;
    Invalidate();
}

TChartSeries* TChart::AddSeries(std::unique_ptr<TChartSeries> series) {
    series->SetParentChart(this);
    TChartSeries* added = scene_.AddSeries(std::move(series));
    Invalidate();
    return added;
}

void TChart::SetMarks(std::vector<TChartMark> marks) {
    if (marks == scene_.Marks())
        return;
    scene_.Marks() = std::move(marks);
    Invalidate();
}

void TChart::SetHatching(std::vector<THatchedPath> paths) {
    if (paths == scene_.Hatching())
        return;
    scene_.Hatching() = std::move(paths);
    Invalidate();
}

QLabel* TChart::AddCaption(const QString& text, int x, int y) {
    auto* label = new QLabel(text, this);
    // Transparent over the chart, in the window's font and text colour.
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->move(x, y);
    label->adjustSize();
    label->show();
    captions_.append(label);
    return label;
}

void TChart::Invalidate() {
    // What the readout shows may no longer be drawn where it was, or at all.
    if (readout_.Found())
        HideReadout();
    stale_ = true;
    if (updateRequested_)
        return;
    updateRequested_ = true;
    update();
}

TPanelColors TChart::PanelColors() const {
    const QPalette& p = palette();
    return {p.color(QPalette::Button), p.color(QPalette::Dark), p.color(QPalette::Light)};
}

void TChart::DrawInto(QImage& image, qreal devicePixelRatio) {
    const TFloatStateScope guard;
    const QSize deviceSize = (QSizeF(size()) * devicePixelRatio).toSize();
    const TPanelColors colors = PanelColors();
    // The panel covers every pixel; when its colour is opaque so is the whole picture,
    // and an image without alpha is copied to the window instead of blended onto it.
    const QImage::Format format =
        colors.Face.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    if (image.size() != deviceSize || image.devicePixelRatio() != devicePixelRatio ||
        image.format() != format) {
        image = QImage(deviceSize, format);
        image.setDevicePixelRatio(devicePixelRatio);
    }
    QPainter painter(&image);
    scene_.Draw(painter, QRect(QPoint(0, 0), size()), colors);
    // The axes are laid out afresh: the readout places its points again.
    readoutLookup_.Invalidate();
}

QImage TChart::RenderToImage(qreal devicePixelRatio) {
    QImage image;
    DrawInto(image, devicePixelRatio);
    QPainter painter(&image);
    DrawCaptions(painter);
    return image;
}

void TChart::RenderTo(QPainter& painter) {
    {
        const TFloatStateScope guard;
        scene_.Draw(painter, QRect(QPoint(0, 0), size()), PanelColors());
    }
    DrawCaptions(painter);
}

void TChart::DrawCaptions(QPainter& painter) {
    for (QLabel* caption : std::as_const(captions_))
        if (caption->isVisibleTo(this))
            caption->render(&painter, caption->pos(), QRegion(), QWidget::DrawChildren);
}

void TChart::paintEvent(QPaintEvent*) {
    updateRequested_ = false;
    const qreal ratio = devicePixelRatioF();
    const QSize deviceSize = (QSizeF(size()) * ratio).toSize();
    // A paint without a change in between only copies the image.
    if (stale_ || image_.isNull() || image_.size() != deviceSize ||
        image_.devicePixelRatio() != ratio) {
        DrawInto(image_, ratio);
        ++drawCount_;
        stale_ = false;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
    if (zoom_.ZoomActive())
        DrawZoomRectangle(painter);
    if (readout_.Found())
        DrawReadoutRing(painter);
}

void TChart::DrawZoomRectangle(QPainter& painter) const {
    // The outline of exactly the rectangle the zoom will take; none while it is empty.
    const QRect rect = zoom_.ZoomRect();
    if (rect.isEmpty())
        return;
    // Not-xor in the chart colour (black on a white chart): visible on any picture,
    // and gone with the next copy of the image.
    QColor color = palette().color(QPalette::Button);
    if (color == QColor(Qt::white))
        color = Qt::black;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    QPen pen(color);
    pen.setWidth(1);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

bool TChart::HitsChart(const QPoint& point) const {
    const QRect plot = scene_.PlotRect();
    if (plot.contains(point))
        return true;
    // Along an axis: from 3 pixels inside its line to the near edge of its labels.
    const TChartAxis& bottom = scene_.BottomAxis();
    if (point.x() >= bottom.PixelStart() && point.x() <= bottom.PixelEnd() &&
        point.y() >= bottom.AxisLinePos() - 3 && point.y() <= bottom.LabelBandPos())
        return true;
    const TChartAxis& left = scene_.LeftAxis();
    return point.y() >= left.PixelStart() && point.y() <= left.PixelEnd() &&
           point.x() <= left.AxisLinePos() + 3 && point.x() >= left.LabelBandPos();
}

void TChart::mousePressEvent(QMouseEvent* event) {
    const TFloatStateScope guard; // zoom, pan and scroll arithmetic, as drawing
    const QPoint point = event->position().toPoint();
    HideReadout();
    // A right press alone may become a click; any other press ends that.
    rightClickPending_ = event->button() == Qt::RightButton && event->buttons() == Qt::RightButton;
    rightPressPos_ = point;
    if (event->modifiers() != Qt::NoModifier || zoom_.ZoomActive() || zoom_.PanActive() ||
        !HitsChart(point))
        return;
    if (event->button() == Qt::LeftButton) {
        zoom_.StartZoom(point);
        update();
    } else if (event->button() == Qt::RightButton) {
        zoom_.StartPan(point);
    }
}

void TChart::mouseMoveEvent(QMouseEvent* event) {
    const TFloatStateScope guard; // zoom, pan and scroll arithmetic, as drawing
    const QPoint point = event->position().toPoint();
    if (zoom_.ZoomActive() && point != zoom_.ZoomEnd()) {
        zoom_.MoveZoom(point);
        update(); // the rectangle only: the image is not stale
    } else if (zoom_.PanActive()) {
        if (zoom_.MovePan(point, scene_.PlotRect()))
            rightClickPending_ = false; // the picture moved: a drag, not a click
    }
    if (rightClickPending_ &&
        (point - rightPressPos_).manhattanLength() >= QApplication::startDragDistance())
        rightClickPending_ = false;
    if (event->buttons() == Qt::NoButton)
        ShowReadout(point);
    else
        HideReadout();
}

void TChart::mouseReleaseEvent(QMouseEvent* event) {
    const TFloatStateScope guard; // zoom, pan and scroll arithmetic, as drawing
    const QPoint point = event->position().toPoint();
    const bool rightClick = event->button() == Qt::RightButton && rightClickPending_;
    rightClickPending_ = false;
    if (zoom_.PanActive()) {
        zoom_.EndPan();
    } else if (event->button() == Qt::LeftButton && zoom_.ZoomActive()) {
        if (zoom_.FinishZoom(point) != TChartZoom::zrNone)
            Invalidate();
        else
            update(); // erase the rectangle
    }
    if (rightClick)
        emit ContextMenuRequested(event->globalPosition().toPoint());
}

void TChart::wheelEvent(QWheelEvent* event) {
    const TFloatStateScope guard; // zoom, pan and scroll arithmetic, as drawing
    HideReadout();
    // A notch towards the user (negative delta) moves the vertical axis up.
    wheelRemainder_ -= event->angleDelta().y();
    const int notches = wheelRemainder_ / WheelNotch;
    wheelRemainder_ -= notches * WheelNotch;
    if (notches != 0)
        zoom_.Wheel(notches);
    event->accept();
}

void TChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        Invalidate();
    QWidget::changeEvent(event);
}

void TChart::resizeEvent(QResizeEvent* event) {
    Invalidate();
    QWidget::resizeEvent(event);
}

void TChart::leaveEvent(QEvent* event) {
    HideReadout();
    QWidget::leaveEvent(event);
}

void TChart::hideEvent(QHideEvent* event) {
    HideReadout();
    QWidget::hideEvent(event);
}

void TChart::SetReadoutSource(std::unique_ptr<TReadoutSource> source) {
    HideReadout();
    readoutLookup_.SetSource(std::move(source));
}

void TChart::ShowReadout(const QPoint& pointer) {
    const TFloatStateScope guard; // the texts' arithmetic leaves no flags behind
    // Only over the plotting rectangle, and only over the picture on the screen: a
    // picture still to be drawn may put its points elsewhere.
    if (!readoutLookup_.HasSource() || stale_ || !scene_.PlotRect().contains(pointer)) {
        HideReadout();
        return;
    }
    const TReadoutHit hit = readoutLookup_.Nearest(pointer, scene_.BottomAxis(), scene_.LeftAxis());
    if (!hit.Found()) {
        HideReadout();
        return;
    }
    const QString text = readoutLookup_.Text(hit.Index);
    const bool tipShown = QToolTip::isVisible() && QToolTip::text() == text;
    if (hit.Index == readout_.Index && tipShown)
        return;
    if (readout_.Found())
        update(RingArea(readout_.Pixel));
    const bool wasHidden = !readout_.Found();
    readout_ = hit;
    update(RingArea(hit.Pixel));
    QToolTip::showText(mapToGlobal(hit.Pixel + TipOffset), text, this);
    if (wasHidden && tipShown) {
        // The same text was just hidden and is only waiting to vanish: show it again
        // once it has.
        QTimer::singleShot(TipHideDelay, this, [this, index = hit.Index, text] {
            if (readout_.Index == index && !QToolTip::isVisible())
                QToolTip::showText(mapToGlobal(readout_.Pixel + TipOffset), text, this);
        });
    }
}

void TChart::HideReadout() {
    if (!readout_.Found())
        return;
    update(RingArea(readout_.Pixel));
    readout_ = {};
    QToolTip::hideText();
}

void TChart::DrawReadoutRing(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(Qt::black), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(readout_.Pixel) + QPointF(0.5, 0.5), RingRadius, RingRadius);
    painter.restore();
}
