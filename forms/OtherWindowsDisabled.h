#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// The program's other windows while a lab window is open: disabled (which takes the
// focus from their controls, so each one's focused control is remembered), and enabled
// again with their focus by Restore, when the lab window has closed; the window that
// was active before gets the activation back.
class TOtherWindowsDisabled {
  public:
    explicit TOtherWindowsDisabled(const QWidget* open);
    void Restore();

  private:
    struct Disabled {
        QPointer<QWidget> window;
        QPointer<QWidget> focus;
    };
    QPointer<QWidget> previous_;
    QList<Disabled> disabled_;
};
