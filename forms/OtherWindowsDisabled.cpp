#include "forms/OtherWindowsDisabled.h"

#include <QApplication>

TOtherWindowsDisabled::TOtherWindowsDisabled(const QWidget* open)
    : previous_(QApplication::activeWindow()) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != open && window->isVisible() && window->isEnabled()) {
            disabled_.append(Disabled{window, window->focusWidget()});
            window->setEnabled(false);
        }
    }
}

void TOtherWindowsDisabled::Restore() {
    for (const Disabled& entry : disabled_) {
        if (!entry.window)
            continue;
        entry.window->setEnabled(true);
        if (entry.focus)
            entry.focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    // Where the platform reported no active window, the selector is the one to go back to.
    QWidget* reactivate = previous_ ? previous_.data() : nullptr;
    if (!reactivate && !disabled_.isEmpty())
        reactivate = disabled_.first().window;
    if (reactivate)
        reactivate->activateWindow();
}
