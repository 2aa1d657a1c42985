#pragma once

#include "tests/support/ModalBoxWatcher.h"

#include "forms/ApplicationTitle.h"
#include "ground/Errors.h"
#include "ground/ParseReal.h"

#include <QSet>
#include <QString>

// The texts the program may show. The notices come without an icon; the error reports
// with the stop icon and the final period of the report. "Range check error" and
// "Out of memory" are left out on purpose: neither may happen with any input.
inline const QSet<QString>& NoticeTexts() {
    static const QSet<QString> texts{
        QStringLiteral("Пожалуйста, введите коэффициенты."),
        QStringLiteral("Система неустойчива! Построение графика невозможно."),
        QStringLiteral("Система находится на границе устойчивости! Построение графика невозможно."),
    };
    return texts;
}

inline const QSet<QString>& FixedErrorTexts() {
    static const QSet<QString> texts{
        QStringLiteral("Floating point division by zero."),
        QStringLiteral("Invalid floating point operation."),
        QStringLiteral("Floating point overflow."),
        QStringLiteral("Axis Minimum Value must be <= Maximum."),
        QStringLiteral("Axis Maximum Value must be >= Minimum."),
    };
    return texts;
}

// The text quoted by a conversion error, or a null string when the message is not one.
inline QString QuotedConversionText(const QString& message) {
    static const QString tail = QStringLiteral("' is not a valid floating point value.");
    if (!message.startsWith(QLatin1Char('\'')) || !message.endsWith(tail))
        return QString();
    return message.mid(1, message.size() - 1 - tail.size());
}

inline bool ParserRejects(const QString& text) {
    try {
        ParseReal(text);
        return false;
    } catch (const EConvertError&) {
        return true;
    }
}

// Empty when the box is one the program may show; otherwise why it is not.
inline QString WhyNotProgramMessage(const SeenBox& box) {
    if (box.caption != ApplicationTitle())
        return QStringLiteral("caption '%1'").arg(box.caption);
    if (NoticeTexts().contains(box.text))
        return box.StopIcon() ? QStringLiteral("notice with a stop icon") : QString();
    if (!box.StopIcon())
        return QStringLiteral("error without the stop icon: '%1'").arg(box.text);
    if (FixedErrorTexts().contains(box.text))
        return QString();
    const QString quoted = QuotedConversionText(box.text);
    if (quoted.isNull())
        return QStringLiteral("unknown text '%1'").arg(box.text);
    // The quoted text must be one the parser really refuses.
    if (!ParserRejects(quoted))
        return QStringLiteral("conversion error for the valid text '%1'").arg(quoted);
    return QString();
}
