#pragma once

#include "tests/support/ModalBoxWatcher.h"

#include "app/untMain.h"
#include "forms/LabForm.h"
#include "forms/LinkLabel.h"
#include "ground/Regional.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <functional>

// The selector under the comma separators, shown, with every modal box recorded: where
// the tests that drive the labs through the selector start. The caller waits for the
// window to be exposed.
struct SelectorSession {
    SelectorSession() {
        SetRegionalSeparators(QLatin1Char(','), QStringLiteral("\u00a0"));
        selector.show();
    }
    ModalBoxWatcher boxes{
        ModalBoxWatcher::Alternating{}}; // before the selector, so that it outlives it
    TfrmMain selector;
};

// Opens the lab selected by `radio` the way a user does (Enter in the selector) and runs
// `inside` within the lab window's modal loop. If the window is still open afterwards it
// is closed by its back link. Returns false when no lab window came up.
inline bool WithLabOpen(TfrmMain& selector, QRadioButton* radio,
                        const std::function<void(TLabForm*)>& inside) {
    radio->setChecked(true);
    radio->setFocus();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TLabForm*>(QApplication::activeModalWidget());
        if (!form)
            return;
        opened = true;
        inside(form);
        if (form->isVisible())
            QTest::mouseClick(form->lblExit, Qt::LeftButton);
    });
    QTest::keyClick(&selector, Qt::Key_Return);
    return opened;
}

// Real key clicks into a field, one character each, through the window's filter.
inline void TypeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Replaces a field's text with keys (select all by End, Shift+Home; erase) and types.
inline void ReplaceTyped(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    TypeInto(field, text);
}

// Puts text into a field unfiltered, as pasting through the context menu does.
inline void PasteInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    field->insert(text);
}

inline void PressEnter(QLineEdit* field) {
    QTest::keyClick(field, Qt::Key_Return);
}

// Fills every coefficient field of the window by pasting and runs with Enter.
inline void RunWith(TLabForm* form, const QStringList& texts) {
    const QList<QLineEdit*> fields = form->CoefficientFields();
    for (qsizetype i = 0; i < fields.size() && i < texts.size(); ++i)
        PasteInto(fields[i], texts[i]);
    PressEnter(fields.first());
}

// Mouse events built by hand so that the held buttons of a drag are explicit.
inline void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons held, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, mods);
    QApplication::sendEvent(w, &event);
}

inline void Drag(QWidget* w, QPoint from, QPoint to, Qt::MouseButton button, int steps = 4) {
    SendMouse(w, QEvent::MouseButtonPress, from, button, button);
    for (int i = 1; i <= steps; ++i)
        SendMouse(w, QEvent::MouseMove, from + (to - from) * i / steps, Qt::NoButton, button);
    SendMouse(w, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
}

inline void Wheel(QWidget* w, QPoint pos, int delta) {
    QWheelEvent event(QPointF(pos), QPointF(w->mapToGlobal(pos)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

// The chart of a plotting window, if it has one.
inline QWidget* ChartOf(QWidget* form) {
    if (auto* chart = form->findChild<QWidget*>(QStringLiteral("Chart")))
        return chart;
    for (QWidget* child : form->findChildren<QWidget*>())
        if (child->inherits("TChart"))
            return child;
    return nullptr;
}
