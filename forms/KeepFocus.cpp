#include "forms/KeepFocus.h"

#include <QApplication>

KeepFocus::KeepFocus() : window_(QApplication::activeWindow()) {
    if (window_)
        focus_ = window_->focusWidget();
}

KeepFocus::~KeepFocus() {
    if (!window_ || !window_->isVisible())
        return;
    window_->activateWindow();
    if (focus_)
        focus_->setFocus(Qt::ActiveWindowFocusReason);
}
