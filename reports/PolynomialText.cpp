#include "reports/PolynomialText.h"

#include "reports/ReportWording.h"

namespace {

const QString kPowers[] = {QString(), QStringLiteral("p"), QStringLiteral("p²"),
                           QStringLiteral("p³")};

} // namespace

QString PolynomialText(const TRealPolynomial& polynomial) {
    QString text;
    for (int k = 3; k >= 0; --k) {
        const TExtended c = polynomial.c[k];
        if (c == 0)
            continue;
        const bool negative = c < 0;
        const TExtended magnitude = negative ? -c : c;
        if (text.isEmpty())
            text = negative ? QStringLiteral("-") : QString();
        else
            text += negative ? QStringLiteral(" - ") : QStringLiteral(" + ");
        // A unit coefficient is written only in the constant term.
        if (magnitude != 1 || k == 0)
            text += AnalysisNumber(magnitude);
        text += kPowers[k];
    }
    return text.isEmpty() ? QStringLiteral("0") : text;
}
