#pragma once

#include <QFont>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <vector>

class QPainter;

// One run of text of the picture, in its font, from the left end of its baseline.
struct TPlacedText {
    QFont font;
    QPoint baseline;
    QString text;
};

// The picture in the coefficient panel of the hodograph and D-partition windows:
// "Уравнение имеет вид:" in the panel's caption font and below it
// a₀p³ + a₁p² + a₂p + a₃ = 0 with real subscripts and superscripts, black on a
// transparent ground. Drawn by the program itself so that it scales with nothing and
// depends on no image file.
class TEquationPicture : public QWidget {
    Q_OBJECT
  public:
    // The control is 179 × 57; the drawing keeps inside its 175 × 55 top-left part.
    static constexpr int kWidth = 179;
    static constexpr int kHeight = 57;
    static constexpr int kDrawingWidth = 175;
    static constexpr int kDrawingHeight = 55;

    explicit TEquationPicture(QWidget* parent = nullptr);

    // Draws the picture with its top-left corner at the painter's origin.
    void Paint(QPainter& painter) const;
    // Where the text's glyphs reach, from the fonts' metrics: the drawing is
    // complete when this lies inside the drawing area.
    QRect TextBounds() const;

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // Laid out once, with fonts that stay resolved: measuring the pieces in fresh
    // fonts on every paint was half of the window's drawing time.
    std::vector<TPlacedText> layout_;
};

// The picture as the hodograph and D-partition windows place it: Image1 at (1, 264) in
// the coefficient panel.
TEquationPicture* AddEquationPicture(QWidget* panel);
