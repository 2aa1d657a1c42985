#include "app/FocusMarkButton.h"

#include <QPainter>

TFocusMarkButton::TFocusMarkButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent) {}

void TFocusMarkButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    // Every other pixel, in the text's colour, three pixels inside the frame.
    QPen pen(palette().color(QPalette::ButtonText), 1);
    pen.setDashPattern({1, 1});
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(4, 4, -5, -5));
}
