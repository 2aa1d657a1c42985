#include "forms/KeystrokeFilter.h"

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
