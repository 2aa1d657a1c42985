#pragma once

// Test support: records every message box that appears while the watcher lives
// and closes it with a key, so that code blocked in a box's exec() goes on.

#include "input/ShowNotice.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
};

class ModalBoxWatcher : public QObject {
  public:
    explicit ModalBoxWatcher(Qt::Key closeKey = Qt::Key_Return) : closeKey_(closeKey) {
        timer_.setInterval(1);
        connect(&timer_, &QTimer::timeout, this, &ModalBoxWatcher::Poll);
        timer_.start();
    }

    const QList<SeenBox>& Seen() const { return seen_; }
    QStringList Texts() const {
        QStringList texts;
        for (const SeenBox& box : seen_)
            texts << box.text;
        return texts;
    }

  private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            seen_ << FromMessageBox(box);
        else if (modal->objectName() == QLatin1String(kNoticeObjectName))
            seen_ << FromNotice(modal);
        else
            return; // a lab window: not ours to close
        QTest::keyClick(modal, closeKey_);
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

    Qt::Key closeKey_;
    QTimer timer_;
    QList<SeenBox> seen_;
};
