#include "plots/EquationPicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <vector>

namespace {

// How a piece of the equation sits relative to the baseline.
enum class Place { Line, Subscript, Superscript };

struct Piece {
    const char* text;
    Place place;
    bool italic; // the variables a and p
};

// a₀p³ + a₁p² + a₂p + a₃ = 0
const Piece kEquation[] = {
    {"a", Place::Line, true},         {"0", Place::Subscript, false},
    {"p", Place::Line, true},         {"3", Place::Superscript, false},
    {" + ", Place::Line, false},      {"a", Place::Line, true},
    {"1", Place::Subscript, false},   {"p", Place::Line, true},
    {"2", Place::Superscript, false}, {" + ", Place::Line, false},
    {"a", Place::Line, true},         {"2", Place::Subscript, false},
    {"p", Place::Line, true},         {" + ", Place::Line, false},
    {"a", Place::Line, true},         {"3", Place::Subscript, false},
    {" = 0", Place::Line, false},
};

constexpr int kHeadingBaseline = 14;
constexpr int kEquationBaseline = 42;
constexpr int kEquationLeft = 4;

QFont HeadingFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    return font;
}

QFont EquationFont(const Piece& piece) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(piece.place == Place::Line ? 16 : 11);
    font.setItalic(piece.italic);
    return font;
}

int BaselineShift(Place place) {
    switch (place) {
    case Place::Subscript:
        return 5;
    case Place::Superscript:
        return -8;
    case Place::Line:
        break;
    }
    return 0;
}

// The heading, then the equation piece by piece along one baseline.
std::vector<TPlacedText> Layout() {
    std::vector<TPlacedText> placed;
    placed.push_back(
        {HeadingFont(), QPoint(2, kHeadingBaseline), QStringLiteral("Уравнение имеет вид:")});
    int x = kEquationLeft;
    for (const Piece& piece : kEquation) {
        const QFont font = EquationFont(piece);
        const QString text = QString::fromUtf8(piece.text);
        placed.push_back({font, QPoint(x, kEquationBaseline + BaselineShift(piece.place)), text});
        x += QFontMetrics(font).horizontalAdvance(text);
    }
    return placed;
}

} // namespace

TEquationPicture::TEquationPicture(QWidget* parent) : QWidget(parent), layout_(Layout()) {
    setFixedSize(kWidth, kHeight);
    // Transparent: the panel shows through everywhere the text does not.
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void TEquationPicture::Paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(0, 0, kDrawingWidth, kDrawingHeight);
    painter.setPen(Qt::black);
    for (const TPlacedText& placed : layout_) {
        painter.setFont(placed.font);
        painter.drawText(placed.baseline, placed.text);
    }
    painter.restore();
}

QRect TEquationPicture::TextBounds() const {
    QRect bounds;
    for (const TPlacedText& placed : layout_)
        bounds |= QFontMetrics(placed.font).boundingRect(placed.text).translated(placed.baseline);
    return bounds;
}

void TEquationPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter);
}
