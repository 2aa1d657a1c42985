#pragma once

// Test support: the opening routines block in exec() while their lab window is
// open, so a test arms a callback first; it runs inside the window's nested loop.
// Whatever the callback does, no lab window is left open afterwards.

#include "forms/LabForm.h"

#include <QApplication>
#include <QTimer>
#include <functional>

inline TLabForm* OpenLab() {
    return qobject_cast<TLabForm*>(QApplication::activeModalWidget());
}

inline void InsideNextLab(std::function<void(TLabForm*)> body) {
    QTimer::singleShot(0, qApp, [body] {
        body(OpenLab());
        if (TLabForm* left = OpenLab())
            left->done(2);
    });
}
