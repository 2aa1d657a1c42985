#include "app/BrowserEnvironment.h"

#include "forms/ApplicationTitle.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QTimer>
#include <QWidget>

#include <emscripten.h>

namespace {

// On a desktop the window manager activates each window that opens, and the window
// it belongs to when it closes, so that the keys work there at once; the browser's
// platform activates a window only when it is clicked. A window of the program is
// activated once it is on the screen, and its owner once it has gone.
class TActivateShownWindows : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if ((event->type() != QEvent::Show && event->type() != QEvent::Hide) ||
            !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        const Qt::WindowType type = widget->windowType();
        if (!widget->isWindow() || (type != Qt::Window && type != Qt::Dialog))
            return false;
        QWidget* activated = widget;
        if (event->type() == QEvent::Hide) {
            activated = widget->parentWidget() ? widget->parentWidget()->window() : nullptr;
            if (!activated)
                return false;
        }
        QTimer::singleShot(0, activated, [activated] {
            if (activated->isVisible())
                activated->activateWindow();
        });
        return false;
    }
};

} // namespace

void PrepareBrowserEnvironment() {
    // Liberation Sans for the windows and the chart (their "MS Sans Serif" and "Arial"),
    // Liberation Serif for the equation, as on Linux (app/CMakeLists.txt embeds them).
    const QDir fonts(QStringLiteral(":/fonts"));
    for (const QString& file : fonts.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
    // Linux's font configuration stands Liberation Sans in for Arial (metric-compatible).
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // The boxes' text: Linux's generic "Sans Serif" at 9 points is DejaVu Sans, which
    // the toolkit's browser platform carries itself. Linux hints its glyphs slightly
    // (its font configuration's default), the browser's platform not at all; every
    // font the windows and the chart draw with takes the hinting from this one.
    QFont font(QStringLiteral("DejaVu Sans"), 9);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    QApplication::setFont(font);
    // The program's icon in the windows' captions, where a desktop shows its menu's.
    QIcon icon;
    for (const char* size : {"16x16", "32x32"})
        icon.addFile(QStringLiteral(":/icons/%1/org.labs.Labs.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(icon);
    // The page runs Labs.wasm; the C library names the program "this.program".
    SetApplicationTitle(TitleFromExecutableName(QStringLiteral("Labs.wasm")));
    qApp->installEventFilter(new TActivateShownWindows(qApp));
    // The program ends with its last window, but a page stays: it is told, and says how
    // to start again (packaging/web/index.html), rather than go on showing the last picture.
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [] {
        EM_ASM({
            if (globalThis.labsEnded)
                globalThis.labsEnded();
        });
    });
}
