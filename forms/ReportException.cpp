#include "forms/ReportException.h"

#include "forms/ApplicationTitle.h"
#include "forms/KeepFocus.h"
#include "forms/ShortenQuotedText.h"
#include "ground/Errors.h"
#include "ground/FloatEnv.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QWidget>

namespace {

// The platform's box with the stop icon, showing the message literally: pasted
// text in it is never read as markup, so it can neither change the look nor name
// a file to load. Ctrl+C copies the whole message.
class ErrorBox : public QMessageBox {
  public:
    explicit ErrorBox(const QString& message)
        : QMessageBox(QMessageBox::Critical, ApplicationTitle(), QString(), QMessageBox::Ok),
          message_(message) {
        setTextFormat(Qt::PlainText);
        setText(message);
    }

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event); // sizes the box within the screen
        ShortenToTheLine();
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy))
            QGuiApplication::clipboard()->setText(message_);
        else
            QMessageBox::keyPressEvent(event);
    }

  private:
    // The box has grown as wide as the screen lets it; a quoted text wider than
    // its line would be cut at the edge, so it is shortened in the middle instead.
    // The box sizes itself anew for the shorter text, which may narrow the line:
    // then the quote is fitted again, until it fits the line the box gives it.
    void ShortenToTheLine() {
        for (int attempt = 0; attempt < 4; ++attempt) {
            QLabel* label = MessageLabel();
            if (!label)
                return;
            layout()->activate();
            const QFontMetrics metrics = label->fontMetrics();
            const QString shown = ShortenQuotedText(
                message_,
                [&metrics](const QString& part) { return metrics.horizontalAdvance(part); },
                label->contentsRect().width());
            if (shown == text())
                return;
            setText(shown);
        }
    }

    QLabel* MessageLabel() const {
        for (QLabel* label : findChildren<QLabel*>())
            if (label->text() == text())
                return label;
        return nullptr;
    }

    QString message_;
};

} // namespace

QString WithFinalPeriod(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > '.')
        return message + QLatin1Char('.');
    return message;
}

void ReportErrorMessage(const QString& message) {
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    const KeepFocus keep;
    // No parent: the box belongs to the application, not to the failing window.
    ErrorBox box(WithFinalPeriod(message));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void ReportException(const std::exception& error) {
    ReportErrorMessage(ErrorMessage(error));
}

void ClearFloatFlagsForHandler() {
    // The whole environment, not just the flags: code from outside the program (on
    // Windows a DLL that a dialog loads, a printer driver) may have changed the x87's
    // precision or rounding, and the run would compute in it without a word.
    ResetFloatEnvironment();
}

void ReportCurrentException() noexcept {
    // The environment is reset before the error is shown, so a fault left by the
    // failed computation cannot reach the next one.
    ResetFloatEnvironment();
    try {
        throw;
    } catch (const std::exception& error) {
        try {
            ReportException(error);
        } catch (...) {
        }
    } catch (...) {
        try {
            ReportErrorMessage(QStringLiteral("Unknown error"));
        } catch (...) {
        }
    }
}
