#include "app/LabsApplication.h"

#include "app/ToolkitTranslation.h"
#ifdef Q_OS_WASM
#include "app/BrowserEnvironment.h"
#include "app/BrowserProbe.h"
#endif
#include "forms/ApplicationTitle.h"
#include "forms/ReportException.h"
#include "ground/FloatEnv.h"
#include "ground/Regional.h"

#include <QEvent>

LabsApplication::LabsApplication(int& argc, char** argv) : QApplication(argc, argv) {
    ResetFloatEnvironment();
    ReadRegionalSettings();
    InstallToolkitTranslation();
    SetApplicationTitle(TitleFromExecutableName(QCoreApplication::applicationFilePath()));
#ifdef Q_OS_WASM
    PrepareBrowserEnvironment();
    InstallBrowserProbe();
#endif
}

bool LabsApplication::notify(QObject* receiver, QEvent* event) {
    // The platform announces a change of the regional settings to the application
    // or to its windows; reading them again is cheap, so any announcement counts.
    if (event->type() == QEvent::LocaleChange)
        ReadRegionalSettings();
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportCurrentException();
        return false;
    }
}
