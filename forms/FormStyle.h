#pragma once

class QWidget;
class QSize;

// The common frame of the program's windows: fixed size in pixels (no scaling),
// single fixed border with close and minimize boxes but no maximize box, the
// window font (an 11-pixel sans serif) and the button-face background.
void ApplyFormFrame(QWidget* form, const QSize& clientSize);

// Places a top-level window centred on the primary screen.
void CentreOnScreen(QWidget* form);
