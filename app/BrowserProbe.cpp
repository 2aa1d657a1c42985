#include "app/BrowserProbe.h"

#include "app/untMain.h"
#include "chart/Chart.h"
#include "forms/AnalysisWindow.h"
#include "forms/LabForm.h"
#include "ground/Regional.h"
#include "rootlab/ReportMemo.h"
#include "rootlab/untLaguerre.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QToolTip>

#include <emscripten.h>
#include <emscripten/bind.h>

#include <string>

namespace {

// The times of the events the page's figures are taken from.
struct TMoments {
    double enterPressed = -1;
    double enterHandled = -1; // the first moment the program was free again
    double selectorPainted = -1;
    double chartPaintStarted = -1;
    double chartPainted = -1;
    int chartPaints = 0;
};

TMoments moments;

// Paint events of the selector and the charts are handled here, so that the time can
// be taken once the widget has painted; key presses are only looked at.
class TMomentFilter : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                moments.enterPressed = emscripten_get_now();
                QTimer::singleShot(0, [] { moments.enterHandled = emscripten_get_now(); });
            }
            return false;
        }
        if (event->type() != QEvent::Paint)
            return false;
        const bool chart = qobject_cast<TChart*>(watched) != nullptr;
        if (!chart && watched != frmMain)
            return false;
        const double started = emscripten_get_now();
        watched->event(event);
        (chart ? moments.chartPainted : moments.selectorPainted) = emscripten_get_now();
        if (chart)
            moments.chartPaintStarted = started;
        moments.chartPaints += chart ? 1 : 0;
        return true;
    }
};

QJsonObject Rectangle(const QRect& r) {
    return {{"x", r.x()}, {"y", r.y()}, {"w", r.width()}, {"h", r.height()}};
}

// A widget's place on the page, in CSS pixels of the toolkit's screen.
QJsonObject Place(const QWidget* widget) {
    return Rectangle(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
}

QJsonObject Window(const QWidget* window) {
    return {{"name", window->objectName()},
            {"class", QString::fromLatin1(window->metaObject()->className())},
            {"title", window->windowTitle()},
            {"enabled", window->isEnabled()},
            {"active", window->isActiveWindow()},
            {"modal", window->isModal()},
            {"place", Place(window)}};
}

// The box on top: the program's error box (a message box), its notice, or another
// modal window of its own (the download window).
QJsonObject Box(const QWidget* modal) {
    QJsonObject box{{"name", modal->objectName()}, {"title", modal->windowTitle()}};
    if (const auto* message = qobject_cast<const QMessageBox*>(modal)) {
        box["text"] = message->text();
        box["icon"] = int(message->icon());
    } else if (const auto* label = modal->findChild<QLabel*>(QStringLiteral("NoticeText"))) {
        box["text"] = label->text();
    }
    return box;
}

QJsonObject Lab(const TLabForm* lab) {
    QJsonObject fields;
    for (const QLineEdit* field : lab->CoefficientFields())
        fields[field->objectName()] = field->text();
    QJsonObject result{{"name", lab->objectName()}, {"fields", fields}};
    if (TChart* chart = lab->findChild<TChart*>()) {
        QJsonArray captions;
        for (const QLabel* caption : chart->findChildren<QLabel*>())
            captions.append(Place(caption));
        const QJsonArray ranges{chart->BottomAxis()->Minimum(), chart->BottomAxis()->Maximum(),
                                chart->LeftAxis()->Minimum(), chart->LeftAxis()->Maximum()};
        result["chart"] = QJsonObject{{"place", Place(chart)},
                                      {"plot", Rectangle(chart->PlotRect())},
                                      {"ranges", ranges},
                                      {"draws", chart->DrawCount()},
                                      {"captions", captions}};
    }
    if (lab == frmLaguerre && frmLaguerre->Memo)
        result["report"] = QJsonArray::fromStringList(frmLaguerre->Memo->Lines());
    return result;
}

std::string Probe() {
    QJsonArray windows;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !window->inherits("QToolTip") && !window->inherits("QTipLabel"))
            windows.append(Window(window));
    QJsonObject state{{"now", emscripten_get_now()},
                      {"windows", windows},
                      {"decimalSeparator", QString(DecimalSeparator())},
                      {"enterPressed", moments.enterPressed},
                      {"enterHandled", moments.enterHandled},
                      {"chartPaintStarted", moments.chartPaintStarted},
                      {"selectorPainted", moments.selectorPainted},
                      {"chartPainted", moments.chartPainted},
                      {"chartPaints", moments.chartPaints}};
    if (const QWidget* focus = QApplication::focusWidget())
        state["focus"] =
            QJsonObject{{"name", focus->objectName()},
                        {"class", QString::fromLatin1(focus->metaObject()->className())},
                        {"place", Place(focus)}};
    if (const QWidget* modal = QApplication::activeModalWidget()) {
        if (const auto* lab = qobject_cast<const TLabForm*>(modal))
            state["lab"] = Lab(lab);
        else
            state["box"] = Box(modal);
    }
    // A box over a lab window: the lab is still the one open.
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (const auto* lab = qobject_cast<const TLabForm*>(window); lab && lab->isVisible())
            state["lab"] = Lab(lab);
    // The analysis window of the open lab, while it is shown.
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (const auto* analysis = qobject_cast<const TAnalysisWindow*>(window);
            analysis && analysis->isVisible())
            state["analysis"] = QJsonObject{{"text", analysis->Text()},
                                            {"title", analysis->windowTitle()},
                                            {"active", analysis->isActiveWindow()}};
    if (QToolTip::isVisible())
        state["tooltip"] = QToolTip::text();
    return QJsonDocument(state).toJson(QJsonDocument::Compact).toStdString();
}

// The state is handed over through the page's global labsProbeState rather than as the
// function's value: while a box runs its loop, the page gets a function's value only
// once that loop has ended, but the function itself runs at once.
void StoreProbe() {
    emscripten::val::global().set("labsProbeState", Probe());
}

} // namespace

void InstallBrowserProbe() {
    qApp->installEventFilter(new TMomentFilter);
}

EMSCRIPTEN_BINDINGS(labs_probe) {
    emscripten::function("labsProbe", &StoreProbe);
}
