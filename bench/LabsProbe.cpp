// A stand-in for the program that the process benchmarks start: it starts exactly as
// the program does and then, by its single argument,
//   startup  ends as soon as the selector has been painted for the first time;
//   windows  opens every lab in turn from the selector, runs its worked example,
//            paints it and closes it, then prints its peak resident size in KiB.

#include "app/LabsApplication.h"
#include "app/untMain.h"
#include "forms/FormStyle.h"
#include "forms/LabForm.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Quits the loop at the selector's first paint.
class FirstPaint : public QObject {
  public:
    std::function<void()> then;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && then) {
            auto next = std::move(then);
            then = nullptr;
            QTimer::singleShot(0, next);
        }
        return QObject::eventFilter(watched, event);
    }
};

void RunLab(TfrmMain& selector, QRadioButton* radio, const QStringList& texts) {
    radio->setChecked(true);
    QTimer::singleShot(0, [texts] {
        auto* form = qobject_cast<TLabForm*>(QApplication::activeModalWidget());
        if (!form)
            return;
        const QList<QLineEdit*> fields = form->CoefficientFields();
        for (qsizetype i = 0; i < fields.size(); ++i)
            fields[i]->setText(texts[i]);
        form->lblRunClick();
        form->repaint();
        form->lblExitClick();
    });
    selector.Button2Click();
}

} // namespace

int main(int argc, char** argv) {
    const bool windows = argc > 1 && std::strcmp(argv[1], "windows") == 0;
    LabsApplication app(argc, argv);
    auto selector = std::make_unique<TfrmMain>();
    FirstPaint firstPaint;
    firstPaint.then = [&] {
        if (windows) {
            const QStringList plot{"1", "3", "3", "1"};
            RunLab(*selector, selector->radLaguer, {"-6", "11", "-6", "1"});
            RunLab(*selector, selector->radGodograf, plot);
            RunLab(*selector, selector->radAFCHH, plot + QStringList{"0", "0", "1"});
            RunLab(*selector, selector->radDRazb, plot);
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("%ld\n", usage.ru_maxrss);
        }
        QApplication::quit();
    };
    selector->installEventFilter(&firstPaint);
    CentreOnScreen(selector.get());
    selector->show();
    app.exec();
    return 0;
}
