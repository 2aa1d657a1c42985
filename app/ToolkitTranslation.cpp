#include "app/ToolkitTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void InstallToolkitTranslation() {
    // Owned by the application object: it must outlive every window that reads it.
    auto* translator = new QTranslator(QCoreApplication::instance());
#ifdef Q_OS_WASM
    // The browser build carries the translations it offers (app/CMakeLists.txt).
    const QString folder = QStringLiteral(":/translations");
#else
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    if (translator->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
