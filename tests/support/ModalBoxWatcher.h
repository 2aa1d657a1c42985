#pragma once

// Test support: records every message box that appears while the watcher lives
// and closes it with a real key, so that code blocked in a box's exec() goes on and
// events keep flowing through nested modal loops without a person at the keyboard.

#include "forms/ShowNotice.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

struct SeenBox {
    bool notice = false; // the program's own plain box (ShowNotice)
    QString caption;
    QString text;
    QString shown; // what the reader gets from the label: markup rendered, if it was taken as such
    bool hasIcon = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    bool applicationModal = false;
    QWidget* focusBefore = nullptr; // the focus of the window beneath, while the box is up

    bool StopIcon() const { return icon == QMessageBox::Critical; } // the error report's
};

class ModalBoxWatcher : public QObject {
  public:
    // Closes every box with closeKey.
    explicit ModalBoxWatcher(Qt::Key closeKey = Qt::Key_Return) : closeKey_(closeKey) { Start(); }
    // Closes the boxes with Enter and Esc in turns, so that long random sessions take
    // both ways out.
    struct Alternating {};
    explicit ModalBoxWatcher(Alternating) : alternate_(true) { Start(); }

    const QList<SeenBox>& Seen() const { return seen_; }
    QStringList Texts() const {
        QStringList texts;
        for (const SeenBox& box : seen_)
            texts << box.text;
        return texts;
    }
    void Clear() { seen_.clear(); }

    // A modal window that is no message box (a lab window opened by a stray Enter in the
    // selector) is not closed; this gets it, if set.
    std::function<void(QWidget*)> onOtherModal;

  private:
    void Start() {
        timer_.setInterval(1);
        connect(&timer_, &QTimer::timeout, this, &ModalBoxWatcher::Poll);
        timer_.start();
    }

    void Poll() {
        // The key below runs a nested loop, where this timer fires again.
        if (polling_)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        polling_ = true;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen_ << FromMessageBox(box);
            Close(modal);
        } else if (modal->objectName() == QLatin1String(kNoticeObjectName)) {
            seen_ << FromNotice(modal);
            Close(modal);
        } else if (onOtherModal) {
            onOtherModal(modal);
        }
        polling_ = false;
    }

    void Close(QWidget* box) {
        const Qt::Key key =
            !alternate_ ? closeKey_ : (seen_.size() % 2 ? Qt::Key_Return : Qt::Key_Escape);
        QPointer<QWidget> guard(box);
        QTest::keyClick(box, key);
        // A box that ignored the key would stall every later event: close it directly.
        if (alternate_ && guard && guard->isVisible())
            if (auto* dialog = qobject_cast<QDialog*>(guard.data()))
                dialog->reject();
    }

    static SeenBox FromMessageBox(QMessageBox* box) {
        SeenBox seen;
        seen.caption = box->windowTitle();
        seen.text = box->text();
        for (QLabel* label : box->findChildren<QLabel*>())
            if (label->text() == seen.text)
                seen.shown = ReadableText(label);
        seen.icon = box->icon();
        seen.hasIcon = box->icon() != QMessageBox::NoIcon;
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text().remove(QLatin1Char('&'));
        if (box->defaultButton())
            seen.defaultButton = box->defaultButton()->text().remove(QLatin1Char('&'));
        seen.applicationModal = box->windowModality() == Qt::ApplicationModal;
        return seen;
    }

    static SeenBox FromNotice(QWidget* box) {
        SeenBox seen;
        seen.notice = true;
        seen.caption = box->windowTitle();
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (!label->pixmap().isNull())
                seen.hasIcon = true;
            else {
                seen.text = label->text();
                seen.shown = ReadableText(label);
            }
        }
        for (QPushButton* button : box->findChildren<QPushButton*>()) {
            seen.buttons << button->text();
            if (button->isDefault())
                seen.defaultButton = button->text();
        }
        seen.applicationModal = box->windowModality() == Qt::ApplicationModal;
        return seen;
    }

    // The label's text as assistive tools read it: the plain text of the rendered
    // document where the label takes its text as rich text.
    static QString ReadableText(QLabel* label) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
        return accessible ? accessible->text(QAccessible::Name) : QString();
    }

    Qt::Key closeKey_ = Qt::Key_Return;
    bool alternate_ = false;
    bool polling_ = false;
    QTimer timer_;
    QList<SeenBox> seen_;
};
