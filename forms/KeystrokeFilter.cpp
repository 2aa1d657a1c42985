#include "forms/KeystrokeFilter.h"

#include <QKeyEvent>

KeystrokeOutcome FilterKeystroke(QChar key, bool minusAllowed, QChar decimalSeparator) {
    KeystrokeOutcome outcome;
    const char16_t code = key.unicode();
    if (code == 13)
        outcome.run = true;
    if (code == 27)
        outcome.exit = true;
    QChar kept = key;
    if (code == '.' || code == ',')
        kept = decimalSeparator;
    const char16_t k = kept.unicode();
    const bool keep = k == 8 || k == 10 || kept == decimalSeparator || (k >= '0' && k <= '9') ||
                      (k == '-' && minusAllowed);
    outcome.key = keep ? kept : QChar();
    return outcome;
}

QString TypedText(const QKeyEvent* event) {
#ifdef Q_OS_WASM
    if (event->text().isEmpty()) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            return QStringLiteral("\r");
        if (event->key() == Qt::Key_Escape)
            return QStringLiteral("\x1b");
    }
#endif
    return event->text();
}
