#include "forms/ApplicationTitle.h"

namespace {
QString g_title = QStringLiteral("Labs");
}

QString TitleFromExecutableName(const QString& path) {
    QString name = path;
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        name = name.mid(slash + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

void SetApplicationTitle(const QString& title) {
    g_title = title;
}

QString ApplicationTitle() {
    return g_title;
}
