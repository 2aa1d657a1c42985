#pragma once

#include "input/ShowNotice.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

// One message box as the user saw it.
struct ShownBox {
    QString caption;
    QString text;
    bool stopIcon = false; // the error report's stop icon; the notice has none
};

// Watches for modal message boxes while a test drives the program, records each one and
// closes it with a real key (Enter or Esc, alternating), so that events can keep flowing
// through nested modal loops without a person at the keyboard. A modal window that is
// not a message box (a lab window opened by a stray Enter in the selector) is handed to
// onOtherModal, if set.
class ModalBoxRecorder {
  public:
    ModalBoxRecorder() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    const QList<ShownBox>& Boxes() const { return boxes_; }
    void Clear() { boxes_.clear(); }

    std::function<void(QWidget*)> onOtherModal;

  private:
    void Poll() {
        if (polling_)
            return;
        polling_ = true;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                Close(box, {box->windowTitle(), box->text(), box->icon() == QMessageBox::Critical});
            else if (modal->objectName() == QLatin1String(kNoticeObjectName))
                Close(modal, {modal->windowTitle(), NoticeText(modal), false});
            else if (onOtherModal)
                onOtherModal(modal);
        }
        polling_ = false;
    }

    static QString NoticeText(QWidget* notice) {
        const auto* label = notice->findChild<QLabel*>(QStringLiteral("NoticeText"));
        return label ? label->text() : QString();
    }

    void Close(QWidget* box, const ShownBox& shown) {
        boxes_ << shown;
        QPointer<QWidget> guard(box);
        const Qt::Key key = (boxes_.size() % 2) ? Qt::Key_Return : Qt::Key_Escape;
        QTest::keyClick(box, key);
        // A box that ignored the key would stall every later event: close it directly.
        if (guard && guard->isVisible())
            if (auto* dialog = qobject_cast<QDialog*>(guard.data()))
                dialog->reject();
    }

    QTimer timer_;
    QList<ShownBox> boxes_;
    bool polling_ = false;
};
