#include "plots/SvgFontFamilies.h"

#include <QFont>
#include <QFontInfo>
#include <QHash>
#include <QRegularExpression>
#include <QString>

namespace {

QString DrawnFamily(const QString& asked) {
    QString family = QFontInfo(QFont(asked)).family();
    // The attribute is written between double quotes, the list is CSS: neither may
    // appear in a name.
    family.remove(QLatin1Char('"')).remove(QLatin1Char('\'')).remove(QLatin1Char(','));
    family = family.toHtmlEscaped();
    return family.isEmpty() ? QStringLiteral("sans-serif")
                            : family + QStringLiteral(", sans-serif");
}

} // namespace

QByteArray NameDrawnFontFamilies(const QByteArray& svg) {
    static const QRegularExpression attribute(QStringLiteral("font-family=\"([^\"]*)\""));
    const QString text = QString::fromUtf8(svg);
    QHash<QString, QString> drawn; // the same few families, asked thousands of times
    QString result;
    result.reserve(text.size() + text.size() / 16);
    qsizetype copied = 0;
    for (QRegularExpressionMatchIterator it = attribute.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString asked = match.captured(1);
        auto found = drawn.find(asked);
        if (found == drawn.end())
            found = drawn.insert(asked, DrawnFamily(asked));
        result += QStringView(text).mid(copied, match.capturedStart(1) - copied);
        result += *found;
        copied = match.capturedEnd(1);
    }
    result += QStringView(text).mid(copied);
    return result.toUtf8();
}
