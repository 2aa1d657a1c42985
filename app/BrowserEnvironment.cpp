#include "app/BrowserEnvironment.h"

#include "forms/ApplicationTitle.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

void PrepareBrowserEnvironment() {
    // Liberation Sans for the windows and the chart (their "MS Sans Serif" and "Arial"),
    // Liberation Serif for the equation, as on Linux (app/CMakeLists.txt embeds them).
    const QDir fonts(QStringLiteral(":/fonts"));
    for (const QString& file : fonts.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
    // The boxes' text: Linux's generic "Sans Serif" at 9 points is DejaVu Sans, which
    // the toolkit's browser platform carries itself.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    // The page runs Labs.wasm; the C library names the program "this.program".
    SetApplicationTitle(TitleFromExecutableName(QStringLiteral("Labs.wasm")));
}
