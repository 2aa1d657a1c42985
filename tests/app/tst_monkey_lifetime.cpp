// Opens and closes every lab window hundreds of times, with a good run, a refused run
// and a paint in between. Nothing may outlive a window: the global reference is null
// after every closing, no top-level widget is left behind, and the memory in use and
// the resident size stay flat once the toolkit's caches are warm. (The sanitizer build
// runs the same cycles under LeakSanitizer.)

#include "LabDriver.h"
#include "LabKnownRuns.h"
#include "ProgramMessages.h"
#include "tests/support/ModalBoxWatcher.h"

#include "app/LabsApplication.h"
#include "app/untMain.h"
#include "ground/Regional.h"

#include <QtTest>

#ifdef _WIN32
#include <malloc.h>
#include <windows.h>

#include <psapi.h> // after windows.h, whose types it uses
#else
#include <malloc.h>
#include <unistd.h>
#endif

#include <cstdio>

#if defined(__SANITIZE_ADDRESS__)
#define LABS_UNDER_ASAN 1 // freed memory is held in quarantine: sizes are not flat
#endif

namespace {

int Cycles() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("LABS_LIFETIME_CYCLES", &ok);
    return ok && n > 0 ? n : 300;
}

#ifdef _WIN32
// The working set, and the blocks in use on the C library's heap (walked block by block:
// Windows keeps no running total).
long ResidentKiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return 0;
    return long(counters.WorkingSetSize / 1024);
}

long HeapInUseKiB() {
    _HEAPINFO block{};
    unsigned long long used = 0;
    while (_heapwalk(&block) == _HEAPOK)
        if (block._useflag == _USEDENTRY)
            used += block._size;
    return long(used / 1024);
}

void ReturnFreeMemory() {
    _heapmin();
}
#else
long ResidentKiB() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long HeapInUseKiB() {
    return long(mallinfo2().uordblks / 1024);
}

void ReturnFreeMemory() {
    malloc_trim(0);
}
#endif

} // namespace

class TestLifetime : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void windowLeavesNothingBehind_data();
    void windowLeavesNothingBehind();
    void cleanupTestCase();

  private:
    void Cycle(const KnownRun& run, QRadioButton* radio);

    std::unique_ptr<SelectorSession> session_;
};

void TestLifetime::initTestCase() {
    session_ = std::make_unique<SelectorSession>();
    QVERIFY(QTest::qWaitForWindowExposed(&session_->selector));
}

void TestLifetime::cleanupTestCase() {
    session_.reset();
}

void TestLifetime::windowLeavesNothingBehind_data() {
    QTest::addColumn<QString>("radio");
    for (const KnownRun& run : KnownRuns())
        QTest::newRow(qPrintable(run.radio)) << run.radio;
}

// One opening: the worked example, painted and checked; then a refused text; closed.
void TestLifetime::Cycle(const KnownRun& run, QRadioButton* radio) {
    QString fault;
    const bool opened = WithLabOpen(session_->selector, radio, [&](TLabForm* form) {
        RunWith(form, run.coefficients);
        QCoreApplication::processEvents();
        fault = run.verify(form);
        PasteInto(form->CoefficientFields().last(), QStringLiteral("1e600"));
        PressEnter(form->CoefficientFields().last());
        QCoreApplication::processEvents();
    });
    QVERIFY(opened);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY2(run.reference() == nullptr, "the window's reference outlived it");
    // The opening showed the overflow report, and nothing else.
    QCOMPARE(session_->boxes.Seen().size(), qsizetype(1));
    QCOMPARE(session_->boxes.Seen().first().text, QStringLiteral("Floating point overflow."));
    session_->boxes.Clear();
}

void TestLifetime::windowLeavesNothingBehind() {
    QFETCH(QString, radio);
    const KnownRun& run = KnownRunFor(radio);
    auto* button = session_->selector.findChild<QRadioButton*>(radio);
    QVERIFY(button);

    const int warmUp = 20;
    for (int i = 0; i < warmUp; ++i) {
        Cycle(run, button);
        if (QTest::currentTestFailed())
            return;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const qsizetype topLevels = QApplication::topLevelWidgets().size();
    ReturnFreeMemory();
    const long heapBefore = HeapInUseKiB();
    const long residentBefore = ResidentKiB();

    const int cycles = Cycles();
    for (int i = 0; i < cycles; ++i) {
        Cycle(run, button);
        if (QTest::currentTestFailed())
            return;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ReturnFreeMemory();
    const long heapGrowth = HeapInUseKiB() - heapBefore;
    const long residentGrowth = ResidentKiB() - residentBefore;
    qInfo("%d openings: heap in use %+ld KiB, resident %+ld KiB", cycles, heapGrowth,
          residentGrowth);

    QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
#ifndef LABS_UNDER_ASAN
    // A window that leaked even one chart series of a thousand points would add
    // tens of KiB per opening; a few hundred KiB over hundreds of openings is noise.
    QVERIFY2(heapGrowth < 512, qPrintable(QStringLiteral("heap grew by %1 KiB").arg(heapGrowth)));
    QVERIFY2(residentGrowth < 4096,
             qPrintable(QStringLiteral("resident size grew by %1 KiB").arg(residentGrowth)));
#endif
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "3000000");
    LabsApplication app(argc, argv);
    TestLifetime test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_monkey_lifetime.moc"
