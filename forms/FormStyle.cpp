#include "forms/FormStyle.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QFont FormFont() {
    // The design font is a Windows bitmap face; on this platform a metric-compatible
    // sans serif at the same pixel height keeps the fixed layouts readable.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

} // namespace

void ApplyFormFrame(QWidget* form, const QSize& clientSize) {
#ifdef Q_OS_WASM
    // The browser's platform shows every other kind of window full screen and without
    // its frame; the program's windows are fixed-size ones with a caption.
    const Qt::WindowType type = Qt::Dialog;
#else
    const Qt::WindowType type = Qt::Window;
#endif
    form->setWindowFlags(type | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    form->setFixedSize(clientSize);
    form->setFont(FormFont());
    form->setBackgroundRole(QPalette::Button);
    form->setAutoFillBackground(true);
}

void CentreOnScreen(QWidget* form) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), form->size());
    frame.moveCenter(screen->availableGeometry().center());
    form->move(frame.topLeft());
}
