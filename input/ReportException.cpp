#include "input/ReportException.h"

#include "input/ApplicationTitle.h"
#include "input/Errors.h"
#include "input/FloatEnv.h"
#include "input/KeepFocus.h"

#include <QMessageBox>
#include <QWidget>

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
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), WithFinalPeriod(message),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void ReportException(const std::exception& error) {
    ReportErrorMessage(ErrorMessage(error));
}

void ClearFloatFlagsForHandler() {
    ClearFloatFlags();
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
