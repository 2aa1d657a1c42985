#include "plots/EquationPicture.h"

#include <QEvent>
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
    bool italic = false;    // the variables a and p
    bool operation = false; // + and =, set off by a space on either side
};

// a₀p³ + a₁p² + a₂p + a₃ = 0
const Piece kEquation[] = {
    {"a", Place::Line, true},        {"0", Place::Subscript},         {"p", Place::Line, true},
    {"3", Place::Superscript},       {"+", Place::Line, false, true}, {"a", Place::Line, true},
    {"1", Place::Subscript},         {"p", Place::Line, true},        {"2", Place::Superscript},
    {"+", Place::Line, false, true}, {"a", Place::Line, true},        {"2", Place::Subscript},
    {"p", Place::Line, true},        {"+", Place::Line, false, true}, {"a", Place::Line, true},
    {"3", Place::Subscript},         {"=", Place::Line, false, true}, {"0", Place::Line},
};

// The space on either side of + and =: a little narrower than a word space, so
// that the scripts' room fits into the drawing's width.
constexpr int kOperationSpace = 3;
constexpr int kHeadingBaseline = 14;
constexpr int kEquationBaseline = 42;
constexpr int kEquationLeft = 4;

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

QString TextOf(const Piece& piece) {
    return QString::fromUtf8(piece.text);
}

// How far an italic letter's ink leans out of its advance: to the right at its top,
// to the left at its foot.
int RightOverhang(const Piece& letter) {
    return qMax(0, -QFontMetrics(EquationFont(letter)).rightBearing(TextOf(letter).back()));
}
int LeftOverhang(const Piece& letter) {
    return qMax(0, -QFontMetrics(EquationFont(letter)).leftBearing(TextOf(letter).front()));
}

// Room beyond the advances: the spaces around + and =, and room for the scripts so
// that they touch no letter: a superscript clears the italic letter before it, the
// italic letter after a subscript clears the subscript, each with a pixel to spare.
int RoomBefore(const Piece* previous, const Piece& piece) {
    if (!previous)
        return 0;
    if (previous->operation || piece.operation)
        return kOperationSpace;
    if (previous->italic && piece.place == Place::Superscript)
        return RightOverhang(*previous) + 1;
    if (previous->place == Place::Subscript && piece.italic)
        return LeftOverhang(piece) + 1;
    return 0;
}

// The heading in the panel's caption font, then the equation piece by piece along
// one baseline.
std::vector<TPlacedText> Layout(const QFont& headingFont) {
    std::vector<TPlacedText> placed;
    placed.push_back(
        {headingFont, QPoint(2, kHeadingBaseline), QStringLiteral("Уравнение имеет вид:")});
    int x = kEquationLeft;
    const Piece* previous = nullptr;
    for (const Piece& piece : kEquation) {
        const QFont font = EquationFont(piece);
        const QString text = TextOf(piece);
        x += RoomBefore(previous, piece);
        placed.push_back({font, QPoint(x, kEquationBaseline + BaselineShift(piece.place)), text});
        x += QFontMetrics(font).horizontalAdvance(text);
        previous = &piece;
    }
    return placed;
}

} // namespace

TEquationPicture::TEquationPicture(QWidget* parent) : QWidget(parent), layout_(Layout(font())) {
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

void TEquationPicture::changeEvent(QEvent* event) {
    // The heading follows the panel's font.
    if (event->type() == QEvent::FontChange) {
        layout_ = Layout(font());
        update();
    }
    QWidget::changeEvent(event);
}

void TEquationPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter);
}

TEquationPicture* AddEquationPicture(QWidget* panel) {
    auto* picture = new TEquationPicture(panel);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->move(1, 264);
    return picture;
}
