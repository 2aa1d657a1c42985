// Random events, with a fixed seed, into the selector and into every lab window: keys
// (Enter, Esc, '.', ',', '-', digits, letters), pasted text, clicks on the links, drags
// and wheel turns on the charts. Every message box that comes up is recorded and
// closed. The program passes when nothing crashes, every box shows one of the program's
// own texts, and each window still gives its known result afterwards.

#include "LabDriver.h"
#include "LabKnownRuns.h"
#include "MonkeyInput.h"
#include "ProgramMessages.h"
#include "tests/support/ModalBoxWatcher.h"

#include "app/LabsApplication.h"
#include "app/untMain.h"
#include "chart/Chart.h"
#include "ground/Regional.h"

#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

namespace {

int EventsPerWindow() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("LABS_MONKEY_EVENTS", &ok);
    return ok && n > 0 ? n : 20000;
}

// QTest complains about every key event a widget leaves unaccepted, and the offscreen
// platform about every fixed-size box; the monkey causes thousands of both on purpose.
QtMessageHandler g_previousHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("Keyboard event not accepted")) ||
        message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

QStringList Summary(const QList<SeenBox>& boxes) {
    QMap<QString, int> counts;
    for (const SeenBox& box : boxes) {
        const QString quoted = QuotedConversionText(box.text);
        counts[quoted.isNull() ? box.text : QStringLiteral("'…' is not a valid …")]++;
    }
    QStringList lines;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        lines << QStringLiteral("%1 × %2").arg(it.value()).arg(it.key());
    return lines;
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void selectorSurvivesRandomKeys();
    void labSurvivesRandomEvents_data();
    void labSurvivesRandomEvents();
    void cleanupTestCase();

  private:
    void MonkeyStep(TLabForm* form);
    void TypeRandomKey(QLineEdit* field);
    void ChartAction(QWidget* chart);
    void CheckBoxes();

    MonkeyInput in_{20261208};
    std::unique_ptr<SelectorSession> session_;
    int chartChanges_ = 0; // mouse actions that moved an axis: the charts really react
};

void TestMonkey::initTestCase() {
    g_previousHandler = qInstallMessageHandler(QuietHandler);
    // Esc in the selector closes it; the monkey shows it again instead of ending.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    session_ = std::make_unique<SelectorSession>();
    QVERIFY(QTest::qWaitForWindowExposed(&session_->selector));
}

void TestMonkey::CheckBoxes() {
    QStringList faults;
    for (const SeenBox& box : session_->boxes.Seen()) {
        const QString why = WhyNotProgramMessage(box);
        if (!why.isEmpty())
            faults << why;
    }
    qInfo().noquote() << Summary(session_->boxes.Seen()).join(QLatin1String("; "));
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 10).join(QLatin1String("\n"))));
    session_->boxes.Clear();
}

void TestMonkey::selectorSurvivesRandomKeys() {
    // A lab window opened by a stray Enter is closed again with Esc in its field.
    session_->boxes.onOtherModal = [](QWidget* modal) {
        if (auto* form = qobject_cast<TLabForm*>(modal))
            QTest::keyClick(form->edta0, Qt::Key_Escape);
    };
    static const Qt::Key keys[] = {Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Left,   Qt::Key_Right,
                                   Qt::Key_Tab,    Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter,
                                   Qt::Key_Escape, Qt::Key_A,     Qt::Key_1};
    const int events = EventsPerWindow() / 4;
    for (int i = 0; i < events; ++i) {
        if (!session_->selector.isVisible()) {
            session_->selector.show();
            QVERIFY(QTest::qWaitForWindowExposed(&session_->selector));
        }
        QWidget* target = session_->selector.focusWidget() ? session_->selector.focusWidget()
                                                           : &session_->selector;
        const Qt::KeyboardModifiers mods =
            in_.Chance(0.1) ? Qt::KeyboardModifiers(Qt::ShiftModifier) : Qt::NoModifier;
        if (in_.Chance(0.1)) {
            const QList<QRadioButton*> radios = session_->selector.findChildren<QRadioButton*>();
            QTest::mouseClick(radios[in_.Below(int(radios.size()))], Qt::LeftButton);
        } else {
            QTest::keyClick(target, keys[in_.Below(11)], mods);
        }
        if (i % 64 == 0)
            QCoreApplication::processEvents();
    }
    session_->boxes.onOtherModal = nullptr;
    if (!session_->selector.isVisible())
        session_->selector.show();
    // Exactly one radio button stays selected, and the selector still opens a lab.
    int checked = 0;
    for (const QRadioButton* radio : session_->selector.findChildren<QRadioButton*>())
        checked += radio->isChecked();
    QCOMPARE(checked, 1);
    QVERIFY(WithLabOpen(session_->selector, session_->selector.radLaguer, [](TLabForm*) {}));
    CheckBoxes();
}

void TestMonkey::labSurvivesRandomEvents_data() {
    QTest::addColumn<QString>("radio");
    for (const KnownRun& run : KnownRuns())
        QTest::newRow(qPrintable(run.radio)) << run.radio;
}

void TestMonkey::TypeRandomKey(QLineEdit* field) {
    const int r = in_.Below(100);
    if (r < 45) {
        QTest::keyClick(field, char('0' + in_.Below(10)));
    } else if (r < 53) {
        QTest::keyClick(field, '.');
    } else if (r < 59) {
        QTest::keyClick(field, ',');
    } else if (r < 65) {
        QTest::keyClick(field, '-');
    } else if (r < 69) {
        QTest::keyClick(field, Qt::Key_Return);
    } else if (r < 75) {
        static const char letters[] = "eEazqx+ ";
        QTest::keyClick(field, letters[in_.Below(8)]);
    } else if (r < 76) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QStringLiteral("ж"),
                            Qt::NoModifier);
    } else if (r < 84) {
        QTest::keyClick(field, Qt::Key_Backspace);
    } else if (r < 92) {
        static const Qt::Key moves[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End,
                                        Qt::Key_Delete};
        QTest::keyClick(field, moves[in_.Below(5)]);
    } else if (r < 96) {
        QTest::keyClick(field, in_.Chance(0.5) ? Qt::Key_Tab : Qt::Key_Backtab);
    } else if (r < 98) {
        // Ctrl+V and Ctrl+C arrive as control characters and must do nothing.
        QTest::keyClick(field, in_.Chance(0.5) ? Qt::Key_V : Qt::Key_C, Qt::ControlModifier);
    } else {
        QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);
    }
}

void TestMonkey::ChartAction(QWidget* chart) {
    const QPoint a(in_.Below(chart->width()), in_.Below(chart->height()));
    const QPoint b(in_.Below(chart->width()), in_.Below(chart->height()));
    const int r = in_.Below(10);
    if (r < 4)
        Drag(chart, a, b, Qt::LeftButton, 1 + in_.Below(6));
    else if (r < 7)
        Drag(chart, a, b, Qt::RightButton, 1 + in_.Below(6));
    else if (r < 9)
        Wheel(chart, a, in_.Chance(0.5) ? 120 : -120);
    else
        QTest::mouseClick(chart, in_.Chance(0.5) ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier,
                          a);
}

void TestMonkey::MonkeyStep(TLabForm* form) {
    const QList<QLineEdit*> fields = form->CoefficientFields();
    auto* focused = qobject_cast<QLineEdit*>(form->focusWidget());
    QLineEdit* field = focused && fields.contains(focused) && in_.Chance(0.85)
                           ? focused
                           : fields[in_.Below(int(fields.size()))];
    QWidget* chart = ChartOf(form);
    const int r = in_.Below(1000);
    if (r < 600) {
        if (field != focused)
            QTest::mouseClick(field, Qt::LeftButton);
        TypeRandomKey(field);
    } else if (r < 680) {
        field->setFocus();
        if (in_.Chance(0.5))
            field->selectAll();
        field->insert(in_.PasteText()); // the context menu's paste: unfiltered
    } else if (r < 720) {
        ReplaceTyped(field, QString());
    } else if (r < 770) {
        QTest::mouseClick(form->lblRun, Qt::LeftButton);
    } else if (r < 773) {
        QTest::mouseClick(form->lblExit, Qt::LeftButton);
    } else if (r < 775) {
        QTest::keyClick(field, Qt::Key_Escape);
    } else if (r < 776) {
        form->close(); // the title-bar close box
    } else if (r < 816) {
        // Coefficients that mostly give a picture or a report, now and then an extreme one.
        for (QLineEdit* f : fields)
            PasteInto(f, in_.Chance(0.9) ? in_.PlainNumber() : in_.PasteText());
        PressEnter(fields[in_.Below(int(fields.size()))]);
    } else if (chart) {
        auto* tchart = qobject_cast<TChart*>(chart);
        const auto ends = [tchart] {
            return tchart
                       ? QList<double>{tchart->BottomAxis()->Minimum(),
                                       tchart->BottomAxis()->Maximum(),
                                       tchart->LeftAxis()->Minimum(), tchart->LeftAxis()->Maximum()}
                       : QList<double>{};
        };
        const QList<double> before = ends();
        ChartAction(chart);
        chartChanges_ += ends() != before;
    } else {
        TypeRandomKey(field);
    }
}

void TestMonkey::labSurvivesRandomEvents() {
    QFETCH(QString, radio);
    const KnownRun& known = KnownRunFor(radio);
    auto* button = session_->selector.findChild<QRadioButton*>(radio);
    QVERIFY(button);

    chartChanges_ = 0;
    int remaining = EventsPerWindow();
    int openings = 0;
    while (remaining > 0) {
        const bool opened = WithLabOpen(session_->selector, button, [&](TLabForm* form) {
            for (int i = 0; remaining > 0 && form->isVisible(); ++i, --remaining) {
                MonkeyStep(form);
                if (i % 32 == 0)
                    QCoreApplication::processEvents(); // let the charts paint
            }
        });
        QVERIFY2(opened, "the lab window did not open");
        QVERIFY2(known.reference() == nullptr, "the window's reference outlived it");
        ++openings;
    }
    qInfo("%d openings, %d axis changes by the mouse", openings, chartChanges_);
    if (radio != QLatin1String("radLaguer"))
        QVERIFY2(chartChanges_ > 0, "no drag or wheel turn ever moved an axis");
    CheckBoxes();

    // The window still works: its known run gives the known result, without a box.
    QString fault;
    QVERIFY(WithLabOpen(session_->selector, button, [&](TLabForm* form) {
        RunWith(form, known.coefficients);
        QCoreApplication::processEvents();
        fault = known.verify(form);
    }));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    // (QVERIFY2 builds its message even when the check passes.)
    const QString shown =
        session_->boxes.Seen().isEmpty() ? QString() : session_->boxes.Seen().first().text;
    QVERIFY2(shown.isEmpty(), qPrintable(QStringLiteral("the known run showed '%1'").arg(shown)));
}

void TestMonkey::cleanupTestCase() {
    session_.reset();
}

int main(int argc, char** argv) {
    // Tens of thousands of events per window outlast QTest's five-minute watchdog under
    // the sanitizers on a loaded machine; CTest's own timeout still applies.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "3000000");
    LabsApplication app(argc, argv);
    TestMonkey test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_monkey.moc"
