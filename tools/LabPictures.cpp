// The windows of every lab with its worked example typed in and run, as the program
// itself paints them, saved as PNG pictures named as scripts/screenshots.sh names its
// own: the reference the browser build's pictures are held to (make test-web). The
// windows are painted by the program, not read back from a display, whose pictures
// can differ from the program's own by a level in some colours. Beside them, the
// Nyquist example's analysis as its window shows it (nyquist-analysis.txt): the browser
// build must give the same digits there too.
//   lab_pictures FOLDER     (on the offscreen platform, in the Russian locale)

#include "app/LabsApplication.h"
#include "forms/AnalysisWindow.h"
#include "forms/LabForm.h"
#include "plots/untAFCHX.h"
#include "plots/untDRazb.h"
#include "plots/untGodograf.h"
#include "rootlab/untLaguerre.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>

#include <cstdio>
#include <memory>

namespace {

// A key press carrying its text, as a keyboard sends it, through the window's filter.
void Press(QWidget* field, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
}

// The analysis of the window's last run, opened as its key opens it, as plain text.
bool SaveAnalysis(QWidget* window, const QString& file) {
    auto* action = window->findChild<QAction*>(QStringLiteral("AnalysisAction"));
    if (!action)
        return false;
    action->trigger();
    QApplication::processEvents();
    const auto* analysis = window->findChild<TAnalysisWindow*>();
    QFile out(file);
    return analysis && out.open(QIODevice::WriteOnly) && out.write(analysis->Text().toUtf8()) >= 0;
}

// Types the coefficients into the fields in their order and presses Enter in the last,
// then saves the window as the screen shows it. The unit's global reference holds the
// window meanwhile, as when the selector opens it (the root lab writes its report into
// the window the reference holds).
template <class Form>
bool Picture(Form*& reference, const QStringList& coefficients, const QString& file,
             const QString& analysisFile = {}) {
    const std::unique_ptr<Form> window(new Form);
    reference = window.get();
    window->show();
    QApplication::processEvents();
    const QList<QLineEdit*> fields = window->CoefficientFields();
    for (qsizetype i = 0; i < coefficients.size(); ++i) {
        fields[i]->setFocus();
        for (const QChar c : coefficients[i])
            Press(fields[i], c.unicode(), QString(c));
    }
    Press(fields[coefficients.size() - 1], Qt::Key_Return, QStringLiteral("\r"));
    QApplication::processEvents();
    const bool saved = window->grab().toImage().save(file) &&
                       (analysisFile.isEmpty() || SaveAnalysis(window.get(), analysisFile));
    reference = nullptr;
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    LabsApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    // The worked examples of the README and the screenshots.
    const bool saved =
        Picture(frmLaguerre, {"-6", "11", "-6", "1"}, folder.filePath("roots.png")) &&
        Picture(frmGodograf, {"1", "3", "3", "1"}, folder.filePath("hodograph.png")) &&
        Picture(frmAFCHX, {"1", "3", "3", "1", "0", "0", "1"}, folder.filePath("nyquist.png"),
                folder.filePath("nyquist-analysis.txt")) &&
        Picture(frmDRazb, {"1", "3", "3", "0"}, folder.filePath("dpartition.png"));
    if (!saved) {
        std::fprintf(stderr, "%s: could not save the pictures in %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
