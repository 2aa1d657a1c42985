#include "ground/Regional.h"

#include <QLocale>

namespace {
QChar g_decimal = QLatin1Char('.');
QString g_thousands = QStringLiteral(",");
} // namespace

void ReadRegionalSettings() {
    const QLocale locale = QLocale::system();
    const QString decimal = locale.decimalPoint();
    // A separator that cannot be read (or is not one character) falls back to '.'.
    const QChar sep = decimal.size() == 1 ? decimal.at(0) : QLatin1Char('.');
    SetRegionalSeparators(sep, locale.groupSeparator());
}

QChar DecimalSeparator() {
    return g_decimal;
}

QString ThousandSeparator() {
    return g_thousands;
}

void SetRegionalSeparators(QChar decimal, const QString& thousands) {
    g_decimal = decimal;
    g_thousands = thousands;
}
