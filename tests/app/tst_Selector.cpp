// The lab selector: its design, its keyboard and the opening of the four labs.

#include "app/untMain.h"
#include "forms/LinkLabel.h"
#include "plots/untAFCHX.h"
#include "plots/untDRazb.h"
#include "plots/untGodograf.h"
#include "rootlab/untLaguerre.h"
#include "tests/support/LabProbe.h"
#include "tests/support/LabsTestMain.h"
#include "tests/support/ModalBoxWatcher.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// What a test saw inside a lab window while it was open.
struct LabSeen {
    bool opened = false;
    QString objectName;
    QString caption;
    QSize clientSize;
    bool fixedSize = false;
    bool referenceSet = false;
    bool selectorEnabled = true;
    QString focus; // the object name of the lab's focus widget; the lab is gone later
    QStringList fieldTexts;
};

// The lab's global reference, looked up by the lab's object name.
TLabForm* LabReference(const QString& objectName) {
    if (objectName == QLatin1String("frmLaguerre"))
        return frmLaguerre;
    if (objectName == QLatin1String("frmGodograf"))
        return frmGodograf;
    if (objectName == QLatin1String("frmAFCHX"))
        return frmAFCHX;
    if (objectName == QLatin1String("frmDRazb"))
        return frmDRazb;
    return nullptr;
}

bool AllLabReferencesNull() {
    return !frmLaguerre && !frmGodograf && !frmAFCHX && !frmDRazb;
}

LabSeen Look(TLabForm* lab) {
    LabSeen seen;
    if (!lab)
        return seen;
    seen.opened = true;
    seen.objectName = lab->objectName();
    seen.caption = lab->windowTitle();
    seen.clientSize = lab->size();
    seen.fixedSize = lab->minimumSize() == lab->maximumSize();
    seen.referenceSet = LabReference(lab->objectName()) == lab;
    seen.selectorEnabled = frmMain->isEnabled();
    if (QWidget* focus = lab->focusWidget())
        seen.focus = focus->objectName();
    for (QLineEdit* field : lab->CoefficientFields())
        seen.fieldTexts << field->text();
    return seen;
}

// Closes a lab window the way the user does with Esc in a field.
void EscapeFrom(TLabForm* lab) {
    QTest::keyClick(lab->edta0, Qt::Key_Escape);
}

// Runs the application's main loop, as the program does, while `action` works the
// selector; returns the loop's exit code. Closing the selector must end the loop
// by itself; the safety exit (-1) only keeps a broken build from hanging.
int MainLoopAround(const std::function<void()>& action) {
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    safety.start(20000);
    QTimer::singleShot(0, qApp, action);
    return QApplication::exec();
}

} // namespace

class SelectorTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        form_ = new TfrmMain();
        form_->show();
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_));
    }
    void cleanup() {
        delete form_;
        form_ = nullptr;
        QVERIFY(!frmMain);
        QVERIFY(AllLabReferencesNull());
    }

    void referenceIsTheWindow() { QCOMPARE(frmMain, form_); }

    void windowDesign() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Теория управления"));
        QCOMPARE(form_->size(), QSize(265, 216));
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
        const Qt::WindowFlags flags = form_->windowFlags();
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(form_->font().pixelSize(), 11);
        // Centred up to the window frame, which is only known once the window is up (and,
        // under a window manager, once it has framed the window: hence the waits).
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const auto frame = [this] { return form_->frameGeometry(); };
        // The allowance is the frame's margins, whichever way they are reported: under
        // wine a window manager's frame can come out narrower than the window.
        QTRY_VERIFY(qAbs(frame().center().x() - screen.center().x()) <=
                    qAbs(frame().width() - form_->width()));
        QTRY_VERIFY(qAbs(frame().center().y() - screen.center().y()) <=
                    qAbs(frame().height() - form_->height()));
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("parentName");
        QTest::newRow("GroupBox1")
            << "GroupBox1"
            << "Выберите лабораторную работу" << QRect(8, 16, 249, 161) << "frmMain";
        QTest::newRow("radLaguer") << "radLaguer"
                                   << "Определение корней" << QRect(16, 32, 222, 17) << "GroupBox1";
        QTest::newRow("radGodograf")
            << "radGodograf"
            << "Годограф Михайлова" << QRect(16, 64, 225, 17) << "GroupBox1";
        QTest::newRow("radAFCHH") << "radAFCHH"
                                  << "АФЧХ разомкнутой САУ" << QRect(16, 96, 225, 17)
                                  << "GroupBox1";
        QTest::newRow("radDRazb") << "radDRazb"
                                  << "Д-разбиение" << QRect(16, 128, 222, 17) << "GroupBox1";
        QTest::newRow("btnExit") << "btnExit"
                                 << "Выход" << QRect(179, 184, 77, 23) << "frmMain";
        QTest::newRow("Button2") << "Button2"
                                 << "Запустить" << QRect(96, 184, 77, 23) << "frmMain";
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        QFETCH(QString, parentName);
        auto* control = form_->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(control->parentWidget()->objectName(), parentName);
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            QCOMPARE(button->text(), caption);
        else
            QCOMPARE(qobject_cast<QGroupBox*>(control)->title(), caption);
    }

    void startState() {
        QVERIFY(form_->radLaguer->isChecked());
        QVERIFY(!form_->radGodograf->isChecked());
        QVERIFY(!form_->radAFCHH->isChecked());
        QVERIFY(!form_->radDRazb->isChecked());
        QVERIFY(form_->Button2->isDefault());
        QVERIFY(!form_->btnExit->isDefault());
        QCOMPARE(form_->focusWidget(), form_->radLaguer);
    }

    // Tab visits the group (its selected radio button only), "Выход", "Запустить".
    void tabOrder_data() {
        QTest::addColumn<QString>("selected");
        QTest::newRow("first radio selected") << "radLaguer";
        QTest::newRow("third radio selected") << "radAFCHH";
    }
    void tabOrder() {
        QFETCH(QString, selected);
        auto* radio = form_->findChild<QRadioButton*>(selected);
        radio->setChecked(true);
        radio->setFocus();
        const QList<QWidget*> forward{form_->btnExit, form_->Button2, radio, form_->btnExit};
        for (QWidget* expected : forward) {
            QTest::keyClick(form_->focusWidget(), Qt::Key_Tab);
            QCOMPARE(form_->focusWidget(), expected);
        }
        const QList<QWidget*> backward{radio, form_->Button2, form_->btnExit, radio};
        for (QWidget* expected : backward) {
            QTest::keyClick(form_->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(form_->focusWidget(), expected);
        }
        QVERIFY(radio->isChecked());
    }

    // The arrow keys move the focus among the radio buttons and select the one reached.
    void arrowsSelect() {
        const QList<QPair<Qt::Key, QRadioButton*>> steps{{Qt::Key_Down, form_->radGodograf},
                                                         {Qt::Key_Down, form_->radAFCHH},
                                                         {Qt::Key_Right, form_->radDRazb},
                                                         {Qt::Key_Up, form_->radAFCHH},
                                                         {Qt::Key_Left, form_->radGodograf}};
        for (const auto& [key, expected] : steps) {
            QTest::keyClick(form_->focusWidget(), key);
            QCOMPARE(form_->focusWidget(), expected);
            QVERIFY(expected->isChecked());
        }
    }

    // Enter on a radio button runs "Запустить": the selected lab opens modally, with
    // its caption and size, its reference set, the selector disabled and the focus
    // in edta0; afterwards the window is gone and its reference null.
    void enterOpensSelectedLab_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("clientSize");
        QTest::newRow("roots") << "radLaguer"
                               << "frmLaguerre"
                               << "Определение корней" << QSize(642, 446);
        QTest::newRow("hodograph") << "radGodograf"
                                   << "frmGodograf"
                                   << "Годограф Михайлова" << QSize(632, 446);
        QTest::newRow("nyquist") << "radAFCHH"
                                 << "frmAFCHX"
                                 << "АФЧХ" << QSize(642, 446);
        QTest::newRow("d-partition") << "radDRazb"
                                     << "frmDRazb"
                                     << "Д-разбиение" << QSize(632, 446);
    }
    void enterOpensSelectedLab() {
        QFETCH(QString, radio);
        QFETCH(QString, objectName);
        QFETCH(QString, caption);
        QFETCH(QSize, clientSize);
        auto* button = form_->findChild<QRadioButton*>(radio);
        button->setChecked(true);
        button->setFocus();
        LabSeen seen;
        QPointer<TLabForm> window;
        InsideNextLab([&](TLabForm* lab) {
            seen = Look(lab);
            window = lab;
            if (lab)
                EscapeFrom(lab);
        });
        QTest::keyClick(button, Qt::Key_Return);
        QVERIFY(seen.opened);
        QCOMPARE(seen.objectName, objectName);
        QCOMPARE(seen.caption, caption);
        QCOMPARE(seen.clientSize, clientSize);
        QVERIFY(seen.fixedSize);
        QVERIFY(seen.referenceSet);
        QVERIFY(!seen.selectorEnabled);
        QCOMPARE(seen.focus, QStringLiteral("edta0"));
        QVERIFY(window.isNull()); // destroyed at once
        QVERIFY(AllLabReferencesNull());
        QVERIFY(form_->isEnabled());
        QCOMPARE(form_->focusWidget(), button);
        QVERIFY(button->isChecked());
    }

    // Also where the platform reported no active window when the lab opened, the
    // selector gets its focus back and its keys work again.
    void focusBackWithoutActiveWindow() {
        form_->radAFCHH->setChecked(true);
        form_->radAFCHH->setFocus();
        QApplication::setActiveWindow(nullptr);
        InsideNextLab([](TLabForm* lab) {
            if (lab)
                EscapeFrom(lab);
        });
        form_->Button2Click();
        QCOMPARE(form_->focusWidget(), form_->radAFCHH);
        QTest::keyClick(form_->focusWidget(), Qt::Key_Down);
        QVERIFY(form_->radDRazb->isChecked());
        QTRY_VERIFY(form_->isActiveWindow());
    }

    // Right after start: Enter opens the root lab.
    void enterAtStartOpensRoots() {
        LabSeen seen;
        InsideNextLab([&](TLabForm* lab) { seen = Look(lab); });
        QTest::keyClick(form_->focusWidget(), Qt::Key_Enter);
        QCOMPARE(seen.objectName, QStringLiteral("frmLaguerre"));
    }

    // Selecting "Д-разбиение" with the arrows, then Enter, opens the D-partition lab.
    void arrowsThenEnter() {
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(form_->focusWidget(), Qt::Key_Down);
        LabSeen seen;
        InsideNextLab([&](TLabForm* lab) { seen = Look(lab); });
        QTest::keyClick(form_->focusWidget(), Qt::Key_Return);
        QCOMPARE(seen.objectName, QStringLiteral("frmDRazb"));
    }

    // The push button that has the focus (the one Enter presses) shows it with a dotted
    // mark inside its face; the other shows none. Tab moves the mark along.
    void focusedButtonIsMarked() {
        const auto markPixels = [](QPushButton* button) {
            const QImage face = button->grab().toImage();
            const QColor text = button->palette().color(QPalette::ButtonText);
            int count = 0;
            for (int x = 4; x < face.width() - 4; ++x)
                count += face.pixelColor(x, 4) == text;
            return count;
        };
        form_->radLaguer->setFocus();
        QTest::keyClick(form_->focusWidget(), Qt::Key_Tab);
        QCOMPARE(form_->focusWidget(), form_->btnExit);
        const int along = form_->btnExit->width() - 8;
        QVERIFY2(markPixels(form_->btnExit) >= along / 2 - 1,
                 qPrintable(QString::number(markPixels(form_->btnExit))));
        QCOMPARE(markPixels(form_->Button2), 0);
        QTest::keyClick(form_->focusWidget(), Qt::Key_Tab);
        QCOMPARE(form_->focusWidget(), form_->Button2);
        QVERIFY(markPixels(form_->Button2) >= along / 2 - 1);
        QCOMPARE(markPixels(form_->btnExit), 0);
    }

    // Enter clicks the focused push button; Space does too.
    void focusedButtonTakesEnterAndSpace_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Enter") << Qt::Key_Return;
        QTest::newRow("Space") << Qt::Key_Space;
    }
    void focusedButtonTakesEnterAndSpace() {
        QFETCH(Qt::Key, key);
        form_->Button2->setFocus();
        LabSeen seen;
        InsideNextLab([&](TLabForm* lab) { seen = Look(lab); });
        QTest::keyClick(form_->Button2, key);
        QVERIFY(seen.opened);
        QCOMPARE(form_->focusWidget(), form_->Button2);

        form_->btnExit->setFocus();
        QCOMPARE(MainLoopAround([&] { QTest::keyClick(form_->btnExit, key); }), 0);
        QVERIFY(!form_->isVisible());
    }

    // Esc clicks "Выход" wherever the focus is: the program ends.
    void escapeEnds_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("radio") << "radLaguer";
        QTest::newRow("Запустить") << "Button2";
        QTest::newRow("Выход") << "btnExit";
    }
    void escapeEnds() {
        QFETCH(QString, focus);
        auto* target = form_->findChild<QWidget*>(focus);
        target->setFocus();
        QCOMPARE(MainLoopAround([&] { QTest::keyClick(target, Qt::Key_Escape); }), 0);
        QVERIFY(!form_->isVisible());
    }

    // With Shift, Ctrl or Alt held, Enter and Esc do nothing, whatever has the focus.
    void modifiersDisableEnterAndEscape_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifier>("modifier");
        const QList<QPair<const char*, Qt::KeyboardModifier>> modifiers{
            {"Shift", Qt::ShiftModifier}, {"Ctrl", Qt::ControlModifier}, {"Alt", Qt::AltModifier}};
        for (const char* focus : {"radLaguer", "Button2", "btnExit"}) {
            for (const auto& [name, modifier] : modifiers) {
                QTest::addRow("%s+Enter on %s", name, focus) << focus << Qt::Key_Return << modifier;
                QTest::addRow("%s+Esc on %s", name, focus) << focus << Qt::Key_Escape << modifier;
            }
        }
    }
    void modifiersDisableEnterAndEscape() {
        QFETCH(QString, focus);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifier, modifier);
        auto* target = form_->findChild<QWidget*>(focus);
        target->setFocus();
        bool opened = false;
        InsideNextLab([&](TLabForm* lab) { opened = lab != nullptr; });
        QTest::keyClick(target, key, modifier);
        QTest::qWait(0); // lets the armed callback run if no lab took it
        QVERIFY(!opened);
        QVERIFY(form_->isVisible());
    }

    // Every way out of a lab window destroys it at once and clears its reference.
    void everyCloseRouteDestroysTheLab_data() {
        QTest::addColumn<int>("route");
        QTest::newRow("back link") << 0;
        QTest::newRow("Esc in a field") << 1;
        QTest::newRow("close box") << 2;
        QTest::newRow("Esc after an error report") << 3;
    }
    void everyCloseRouteDestroysTheLab() {
        QFETCH(int, route);
        form_->radGodograf->setChecked(true);
        QPointer<TLabForm> window;
        InsideNextLab([&](TLabForm* lab) {
            window = lab;
            if (!lab)
                return;
            if (route == 0) {
                QTest::mouseClick(lab->lblExit, Qt::LeftButton);
            } else if (route == 1) {
                QTest::keyClick(lab->edta2, Qt::Key_Escape);
            } else if (route == 2) {
                lab->windowHandle()->close();
            } else {
                for (QLineEdit* field : lab->CoefficientFields())
                    field->setText(QStringLiteral("abc"));
                ModalBoxWatcher boxes;
                QTest::keyClick(lab->edta0, Qt::Key_Return);
                if (boxes.Seen().size() == 1)
                    QTest::keyClick(lab->focusWidget(), Qt::Key_Escape);
            }
        });
        form_->Button2Click();
        QVERIFY(window.isNull());
        QVERIFY(!frmGodograf);
        QVERIFY(form_->isEnabled());
    }

    // Each opening starts from the design state: what was typed before is gone.
    void reopeningShowsEmptyFields() {
        form_->radAFCHH->setChecked(true);
        InsideNextLab([](TLabForm* lab) {
            if (!lab)
                return;
            for (QLineEdit* field : lab->CoefficientFields())
                QTest::keyClicks(field, QStringLiteral("12"));
            EscapeFrom(lab);
        });
        form_->Button2Click();
        LabSeen second;
        InsideNextLab([&](TLabForm* lab) { second = Look(lab); });
        form_->Button2Click();
        QCOMPARE(second.fieldTexts, QStringList(7, QString()));
    }

    // While a lab is open the selector is disabled: a click on "Запустить" does nothing.
    void selectorTakesNoInputWhileLabOpen() {
        int labsSeen = 0;
        bool enabledInside = true;
        InsideNextLab([&](TLabForm* lab) {
            if (!lab)
                return;
            ++labsSeen;
            enabledInside = frmMain->isEnabled();
            InsideNextLab([&](TLabForm* nested) {
                if (nested && nested != lab)
                    ++labsSeen;
            });
            QTest::mouseClick(frmMain->Button2, Qt::LeftButton);
            QTest::keyClick(frmMain->radLaguer, Qt::Key_Down);
            QTest::qWait(0);
        });
        form_->Button2Click();
        QCOMPARE(labsSeen, 1);
        QVERIFY(!enabledInside);
        QVERIFY(form_->radLaguer->isChecked());
    }

    // With no radio button selected, "Запустить" does nothing.
    void nothingSelectedOpensNothing() {
        for (QRadioButton* radio : form_->findChildren<QRadioButton*>()) {
            radio->setAutoExclusive(false);
            radio->setChecked(false);
        }
        bool opened = false;
        InsideNextLab([&](TLabForm* lab) { opened = lab != nullptr; });
        form_->Button2Click();
        QTest::qWait(0);
        QVERIFY(!opened);
    }

    // "Выход" closes the selector, which ends the program.
    void exitButtonEndsProgram() {
        QCOMPARE(MainLoopAround([&] { QTest::mouseClick(form_->btnExit, Qt::LeftButton); }), 0);
        QVERIFY(!form_->isVisible());
    }

    // Closing the selector by its close box ends the program without a question.
    void closeBoxEndsProgram() {
        QCOMPARE(MainLoopAround([&] { form_->windowHandle()->close(); }), 0);
        QVERIFY(!form_->isVisible());
    }

  private:
    TfrmMain* form_ = nullptr;
};

LABS_TEST_MAIN(SelectorTest)
#include "tst_Selector.moc"
