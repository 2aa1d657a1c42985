// The two message boxes as the user sees them, the catch-all of the application
// object, and the application title they carry.

#include "forms/ApplicationTitle.h"
#include "forms/ReportException.h"
#include "ground/Errors.h"
#include "tests/support/LabsTestMain.h"
#include "tests/support/ModalBoxWatcher.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

namespace {

// A control whose event handler fails without any guard of its own: only the
// application's catch-all stands between the error and the message loop.
class FailingControl : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;
    int presses = 0;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        ++presses;
        QLineEdit::mousePressEvent(event);
        throw EZeroDivide();
    }
};

} // namespace

class ReportBoxesTest : public QObject {
    Q_OBJECT

  private slots:
    void titleComesFromTheExecutable() {
        // The first character stays as it is, the rest is lowered.
        QCOMPARE(ApplicationTitle(), QStringLiteral("tst_reportboxes"));
    }

    void noticeBox_data() {
        QTest::addColumn<Qt::Key>("closeKey");
        QTest::newRow("closed by Enter") << Qt::Key_Return;
        QTest::newRow("closed by Esc") << Qt::Key_Escape;
    }
    void noticeBox() {
        QFETCH(Qt::Key, closeKey);
        ModalBoxWatcher boxes(closeKey);
        ShowNotice(QStringLiteral("Пожалуйста, введите коэффициенты."));
        QCOMPARE(boxes.Seen().size(), 1);
        const SeenBox& box = boxes.Seen().first();
        QVERIFY(box.notice);
        QCOMPARE(box.caption, ApplicationTitle());
        QCOMPARE(box.text, QStringLiteral("Пожалуйста, введите коэффициенты."));
        QVERIFY(!box.hasIcon);
        QCOMPARE(box.buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(box.defaultButton, QStringLiteral("OK"));
        QVERIFY(box.applicationModal);
    }

    // A long text is wrapped to at most half the screen width.
    void noticeWrapsLongText() {
        const QString text = QStringLiteral("Система неустойчива. ").repeated(40);
        int width = 0;
        bool wrapped = false;
        QTimer::singleShot(0, qApp, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box)
                return;
            auto* label = box->findChild<QLabel*>();
            width = label->width();
            wrapped = label->wordWrap() && label->height() > 3 * label->fontMetrics().height();
            QTest::keyClick(box, Qt::Key_Return);
        });
        ShowNotice(text);
        QVERIFY(width > 0);
        QVERIFY(width <= QGuiApplication::primaryScreen()->availableGeometry().width() / 2);
        QVERIFY(wrapped);
    }

    // A quote far wider than the screen (a long paste): the box stays on the screen,
    // the quote is shortened in its middle so that its two ends and the rest of the
    // message are on view, and Ctrl+C copies the whole text.
    void longQuoteShortenedButCopiedWhole_data() {
        QTest::addColumn<bool>("notice");
        QTest::newRow("notice") << true;
        QTest::newRow("error report") << false;
    }
    void longQuoteShortenedButCopiedWhole() {
        QFETCH(bool, notice);
        const QString message = QStringLiteral("'12345") + QString(3000, QLatin1Char('x')) +
                                QStringLiteral("67890' is not a valid floating point value.");
        QGuiApplication::clipboard()->clear();
        QString shown, copied;
        int quoteWidth = -1, lineWidth = 0, boxWidth = 0;
        QTimer::singleShot(0, qApp, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box)
                return;
            for (QLabel* label : box->findChildren<QLabel*>()) {
                if (!label->text().contains(QLatin1String("is not a valid")))
                    continue;
                shown = label->text();
                quoteWidth = label->fontMetrics().horizontalAdvance(
                    shown.left(shown.lastIndexOf(QLatin1Char('\'')) + 1));
                lineWidth = label->contentsRect().width();
            }
            boxWidth = box->frameGeometry().width();
            QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_C,
                            Qt::ControlModifier);
            copied = QGuiApplication::clipboard()->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        if (notice)
            ShowNotice(message);
        else
            RunGuarded([&] { throw EConvertError(message); });
        QVERIFY2(shown.startsWith(QStringLiteral("'12345xx")), qPrintable(shown.left(40)));
        QVERIFY2(shown.endsWith(QStringLiteral("xx67890' is not a valid floating point value.")),
                 qPrintable(shown.right(60)));
        QVERIFY(shown.contains(QChar(0x2026)));
        QVERIFY2(quoteWidth <= lineWidth,
                 qPrintable(QStringLiteral("%1 > %2").arg(quoteWidth).arg(lineWidth)));
        QVERIFY(boxWidth <= QGuiApplication::primaryScreen()->availableGeometry().width());
        QCOMPARE(copied, message);
    }

    // The report of an error escaping a guarded handler: stop icon, one OK, the
    // title as caption, the final period by the rule, owned by the application.
    void errorReport_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("conversion") << "'abc' is not a valid floating point value"
                                    << "'abc' is not a valid floating point value.";
        QTest::newRow("axis") << "Axis Minimum Value must be <= Maximum"
                              << "Axis Minimum Value must be <= Maximum.";
        QTest::newRow("ends in a full stop") << "Done."
                                             << "Done.";
        QTest::newRow("ends in a bracket") << "(x)"
                                           << "(x)";
    }
    void errorReport() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QWidget owner;
        owner.show();
        QMessageBox* reported = nullptr;
        QTimer::singleShot(0, qApp, [&] {
            reported = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (reported)
                QVERIFY(reported->parentWidget() == nullptr);
        });
        ModalBoxWatcher boxes;
        RunGuarded([&] { throw EConvertError(message); });
        QVERIFY(reported);
        QCOMPARE(boxes.Seen().size(), 1);
        const SeenBox& box = boxes.Seen().first();
        QVERIFY(!box.notice);
        QCOMPARE(box.caption, ApplicationTitle());
        QCOMPARE(box.text, shown);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons.size(), 1);
        QVERIFY(box.applicationModal);
    }

    // Both boxes carry the same caption; only the report has an icon.
    void sameCaptionDifferentIcons() {
        ModalBoxWatcher boxes;
        ShowNotice(QStringLiteral("x"));
        RunGuarded([] { throw ERangeError(); });
        QCOMPARE(boxes.Seen().size(), 2);
        QCOMPARE(boxes.Seen()[0].caption, boxes.Seen()[1].caption);
        QVERIFY(!boxes.Seen()[0].hasIcon);
        QVERIFY(boxes.Seen()[1].hasIcon);
        QCOMPARE(boxes.Seen()[1].text, QStringLiteral("Range check error."));
    }

    // A mouse capture in progress is cancelled before the report is shown.
    void reportCancelsMouseCapture() {
        QWidget grabber;
        grabber.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grabber));
        grabber.grabMouse();
        QCOMPARE(QWidget::mouseGrabber(), &grabber);
        QWidget* grabbedDuringReport = &grabber;
        QTimer::singleShot(0, qApp, [&] { grabbedDuringReport = QWidget::mouseGrabber(); });
        ModalBoxWatcher boxes;
        RunGuarded([] { throw EOverflow(); });
        QCOMPARE(boxes.Texts(), QStringList{QStringLiteral("Floating point overflow.")});
        QCOMPARE(grabbedDuringReport, nullptr);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }

    // An error escaping an unguarded event handler is caught around the event's
    // delivery, reported, and the program carries on.
    void catchAllAroundEveryEvent() {
        FailingControl control;
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        ModalBoxWatcher boxes;
        QTest::mouseClick(&control, Qt::LeftButton);
        QTest::mouseClick(&control, Qt::LeftButton);
        QCOMPARE(control.presses, 2);
        QCOMPARE(boxes.Texts(), QStringList(2, QStringLiteral("Floating point division by zero.")));
        QVERIFY(control.isVisible());
    }

    // After either box the focus is back where it was.
    void focusComesBack() {
        QWidget window;
        auto* first = new QLineEdit(&window);
        auto* second = new QLineEdit(&window);
        second->move(0, 30);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        second->setFocus();
        ModalBoxWatcher boxes;
        ShowNotice(QStringLiteral("x"));
        QTRY_COMPARE(QApplication::focusWidget(), second);
        RunGuarded([] { throw EInvalidOp(); });
        QCOMPARE(boxes.Seen().size(), 2);
        QTRY_COMPARE(QApplication::focusWidget(), second);
        QVERIFY(first);
    }
};

LABS_TEST_MAIN(ReportBoxesTest)
#include "tst_ReportBoxes.moc"
