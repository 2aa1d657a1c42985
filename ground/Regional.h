#pragma once

#include <QChar>
#include <QString>

// The user's regional number settings: the decimal separator that ParseReal
// accepts and that numbers are shown with, and the thousands separator used for
// grouping (empty when the locale defines none). Read from the system locale at
// start-up and again when the platform announces a locale change.
void ReadRegionalSettings();

QChar DecimalSeparator();
QString ThousandSeparator();

// Lets tests (and the locale-change handler) put other separators in force.
void SetRegionalSeparators(QChar decimal, const QString& thousands);
