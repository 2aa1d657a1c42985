#include "chart/Chart.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cfenv>

namespace {

// Drawing must neither raise nor leave floating-point status flags behind for the
// next lab run to find: the environment is saved before and restored after.
class FloatEnvironmentGuard {
  public:
    FloatEnvironmentGuard() { std::fegetenv(&saved_); }
    ~FloatEnvironmentGuard() { std::fesetenv(&saved_); }
    FloatEnvironmentGuard(const FloatEnvironmentGuard&) = delete;
    FloatEnvironmentGuard& operator=(const FloatEnvironmentGuard&) = delete;

  private:
    std::fenv_t saved_;
};

constexpr int WheelNotch = 120;

} // namespace

TChart::TChart(QWidget* parent)
    : QWidget(parent), scene_(this), zoom_(scene_.BottomAxis(), scene_.LeftAxis()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TChart::~TChart() {
    destroying_ = true;
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
    const FloatEnvironmentGuard guard;
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
}

QImage TChart::RenderToImage(qreal devicePixelRatio) {
    QImage image;
    DrawInto(image, devicePixelRatio);
    QPainter painter(&image);
    for (QLabel* caption : std::as_const(captions_))
        if (caption->isVisibleTo(this))
            caption->render(&painter, caption->pos(), QRegion(), QWidget::DrawChildren);
    return image;
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
    const QPoint point = event->position().toPoint();
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
    const QPoint point = event->position().toPoint();
    if (zoom_.ZoomActive() && point != zoom_.ZoomEnd()) {
        zoom_.MoveZoom(point);
        update(); // the rectangle only: the image is not stale
    } else if (zoom_.PanActive()) {
        zoom_.MovePan(point, scene_.PlotRect());
    }
}

void TChart::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (zoom_.PanActive()) {
        zoom_.EndPan();
        return;
    }
    if (event->button() == Qt::LeftButton && zoom_.ZoomActive()) {
        if (zoom_.FinishZoom(point) != TChartZoom::zrNone)
            Invalidate();
        else
            update(); // erase the rectangle
    }
}

void TChart::wheelEvent(QWheelEvent* event) {
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
