#pragma once

#include <QPointer>
#include <QWidget>

// Remembers the active window and its focused control while a modal box is up,
// and gives both back when the box has gone: after a report the user can go on
// typing (or press Esc) in the field where the problem came from.
class KeepFocus {
  public:
    KeepFocus();
    ~KeepFocus();
    KeepFocus(const KeepFocus&) = delete;
    KeepFocus& operator=(const KeepFocus&) = delete;

  private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;
};
