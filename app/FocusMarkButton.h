#pragma once

#include <QPushButton>

// A push button that shows clearly when it has the keyboard focus: a dotted rectangle
// inside its face, as the platform's themed buttons draw it. The toolkit's own style
// marks focus with a faint tint of the frame only, and in the selector the focused
// button is the one Enter presses.
class TFocusMarkButton : public QPushButton {
    Q_OBJECT
  public:
    TFocusMarkButton(const QString& text, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
