// The coefficient panel of the four lab windows, opened by their own routines:
// design, tab order, links, the keystroke filter with real key events, the
// empty-field check and the conversion errors of the reading step.

#include "forms/ApplicationTitle.h"
#include "forms/LinkLabel.h"
#include "forms/ReportException.h"
#include "ground/Errors.h"
#include "ground/Regional.h"
#include "plots/untAFCHX.h"
#include "plots/untDRazb.h"
#include "plots/untGodograf.h"
#include "rootlab/untLaguerre.h"
#include "tests/forms/RecordingForm.h"
#include "tests/support/LabProbe.h"
#include "tests/support/LabsTestMain.h"
#include "tests/support/ModalBoxWatcher.h"

#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

struct LabWindow {
    const char* name;
    void (*open)();
    int panelLeft;
    int panelWidth;
    int fieldWidth;
    const char* runCaption;
    bool hasNumerator;
    bool minusAllowed;
    bool replaceFullStops;
};

const LabWindow kLabs[] = {
    {"TfrmLaguerre", OpenLaguerre, 444, 198, 79, "Рассчитать", false, true, true},
    {"TfrmGodograf", OpenGodograf, 451, 181, 97, "Построить график", false, true, false},
    {"TfrmAFCHX", OpenAFCHX, 444, 198, 79, "Построить график", true, true, true},
    {"TfrmDRazb", OpenDRazb, 451, 181, 97, "Построить график", false, false, false},
};

void AddLabRows() {
    QTest::addColumn<int>("lab");
    for (int i = 0; i < 4; ++i)
        QTest::newRow(kLabs[i].name) << i;
}

// Opens the lab through its own routine and runs body inside its modal loop.
void InsideLab(int lab, const std::function<void(TLabForm*)>& body) {
    bool ran = false;
    InsideNextLab([&](TLabForm* form) {
        ran = form != nullptr;
        if (form)
            body(form);
    });
    kLabs[lab].open();
    QVERIFY2(ran, "the lab window did not open");
}

QLabel* CaptionOf(const QLineEdit* field) {
    for (QLabel* label : field->parentWidget()->findChildren<QLabel*>())
        if (label->buddy() == field)
            return label;
    return nullptr;
}

void UseComma() {
    SetRegionalSeparators(QLatin1Char(','), QString(QChar(0x00A0)));
}
void UseFullStop() {
    SetRegionalSeparators(QLatin1Char('.'), QStringLiteral(","));
}

// Types any characters, also those outside Latin-1, as real key events.
void Type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        const auto key = c.isLetter() ? Qt::Key_unknown : Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, widget, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, key, QString(c), Qt::NoModifier);
    }
}

// A lab window whose construction fails half-way.
class FailingForm : public RecordingForm {
  public:
    FailingForm() { throw EOutOfMemory(); }
};
FailingForm* frmFailing = nullptr;

const QString kEmptyMessage = QStringLiteral("Пожалуйста, введите коэффициенты.");

bool MentionsConversion(const QStringList& texts) {
    for (const QString& text : texts)
        if (text.contains(QLatin1String("is not a valid floating point value")))
            return true;
    return false;
}

} // namespace

class LabPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { UseComma(); }
    void cleanup() { QVERIFY(!OpenLab()); }

    void panelDesign_data() { AddLabRows(); }
    void panelDesign() {
        QFETCH(int, lab);
        const LabWindow& row = kLabs[lab];
        InsideLab(lab, [&](TLabForm* form) {
            QCOMPARE(form->Panel1->geometry(), QRect(row.panelLeft, 0, row.panelWidth, 446));
            QCOMPARE(form->Panel1->frameShadow(), QFrame::Sunken);
            QCOMPARE(form->Label1->text(), QStringLiteral("Введите коэффициенты"));
            QCOMPARE(form->Label1->pos(), QPoint(16, 24));
            QVERIFY(form->Label1->font().underline());
            QCOMPARE(form->Bevel1->geometry(), QRect(0, 344, row.panelWidth, 17));
            QCOMPARE(form->font().pixelSize(), 11);
            QCOMPARE(form->CoefficientFields().size(), row.hasNumerator ? 7 : 4);
            QCOMPARE(form->focusWidget(), form->edta0);
        });
    }

    void fields_data() {
        QTest::addColumn<int>("lab");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        for (int i = 0; i < 4; ++i) {
            const int w = kLabs[i].fieldWidth;
            QTest::addRow("%s a0", kLabs[i].name) << i << "edta0" << QRect(16, 80, w, 21);
            QTest::addRow("%s a1", kLabs[i].name) << i << "edta1" << QRect(16, 128, w, 21);
            QTest::addRow("%s a2", kLabs[i].name) << i << "edta2" << QRect(16, 176, w, 21);
            QTest::addRow("%s a3", kLabs[i].name) << i << "edta3" << QRect(16, 224, w, 21);
            if (kLabs[i].hasNumerator) {
                QTest::addRow("%s b1", kLabs[i].name) << i << "edtb1" << QRect(103, 127, 79, 21);
                QTest::addRow("%s b2", kLabs[i].name) << i << "edtb2" << QRect(103, 175, 79, 21);
                QTest::addRow("%s b3", kLabs[i].name) << i << "edtb3" << QRect(103, 223, 79, 21);
            }
        }
    }
    void fields() {
        QFETCH(int, lab);
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        InsideLab(lab, [&](TLabForm* form) {
            auto* field = form->Panel1->findChild<QLineEdit*>(name);
            QVERIFY(field);
            QCOMPARE(field->geometry(), geometry);
            QVERIFY(field->text().isEmpty());
            QLabel* caption = CaptionOf(field);
            QVERIFY(caption);
            QCOMPARE(caption->text(), name.mid(3));
            QCOMPARE(caption->x(), geometry.x());
            QCOMPARE(caption->y(), geometry.y() - 13 - 3);
            QVERIFY(caption->geometry().bottom() < geometry.top());
        });
    }

    void tabOrderFollowsTheFields_data() { AddLabRows(); }
    void tabOrderFollowsTheFields() {
        QFETCH(int, lab);
        InsideLab(lab, [&](TLabForm* form) {
            const QList<QLineEdit*> fields = form->CoefficientFields();
            for (qsizetype i = 1; i < fields.size(); ++i) {
                QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
                QCOMPARE(form->focusWidget(), fields[i]);
            }
            for (qsizetype i = fields.size() - 2; i >= 0; --i) {
                QTest::keyClick(form->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
                QCOMPARE(form->focusWidget(), fields[i]);
            }
        });
    }

    void links_data() { AddLabRows(); }
    void links() {
        QFETCH(int, lab);
        const LabWindow& row = kLabs[lab];
        InsideLab(lab, [&](TLabForm* form) {
            const QList<QPair<LinkLabel*, QPair<QString, QPoint>>> links{
                {form->lblRun, {QString::fromUtf8(row.runCaption), QPoint(16, 360)}},
                {form->lblExit, {QStringLiteral("Назад"), QPoint(16, 392)}}};
            for (const auto& [link, expected] : links) {
                QCOMPARE(link->text(), expected.first);
                QCOMPARE(link->pos(), expected.second);
                QVERIFY(link->font().underline());
                QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
                QCOMPARE(link->focusPolicy(), Qt::NoFocus);
                QCOMPARE(link->palette().color(QPalette::WindowText),
                         link->palette().color(QPalette::Link));
                QVERIFY(link->width() >= link->sizeHint().width()); // caption not clipped
            }
        });
    }

    // Typed characters through the window's filter: '.' becomes ',', letters,
    // spaces, '+' and 'E' never arrive, '-' only where the window admits it.
    void typing_data() {
        QTest::addColumn<int>("lab");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        for (int i = 0; i < 4; ++i) {
            const char* name = kLabs[i].name;
            QTest::addRow("%s 1.5", name) << i << "1.5"
                                          << "1,5";
            QTest::addRow("%s abc", name) << i << "abc"
                                          << "";
            QTest::addRow("%s space plus E", name) << i << " +E e"
                                                   << "";
            QTest::addRow("%s minus", name) << i << "-2" << (kLabs[i].minusAllowed ? "-2" : "2");
            QTest::addRow("%s commas and minuses anywhere", name)
                << i << "1,,2.-" << (kLabs[i].minusAllowed ? "1,,2,-" : "1,,2,");
            QTest::addRow("%s Cyrillic", name) << i << "жЕ5"
                                               << "5";
        }
    }
    void typing() {
        QFETCH(int, lab);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        InsideLab(lab, [&](TLabForm* form) {
            for (QLineEdit* field : form->CoefficientFields()) {
                Type(field, typed);
                QCOMPARE(field->text(), shown);
            }
        });
    }

    // A key event that carries several characters (an input method's composition)
    // passes the filter with its first character only.
    void composedInputKeepsTheFilteredCharacter() {
        InsideLab(1, [](TLabForm* form) {
            QTest::sendKeyEvent(QTest::Press, form->edta0, Qt::Key_unknown, QStringLiteral("1a"),
                                Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Press, form->edta0, Qt::Key_unknown, QStringLiteral(".x"),
                                Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Press, form->edta0, Qt::Key_unknown, QStringLiteral("a1"),
                                Qt::NoModifier);
            QCOMPARE(form->edta0->text(), QStringLiteral("1,"));
        });
    }

    void backspaceAndEditingKeysPass() {
        InsideLab(0, [](TLabForm* form) {
            QTest::keyClicks(form->edta0, QStringLiteral("123"));
            QTest::keyClick(form->edta0, Qt::Key_Backspace);
            QCOMPARE(form->edta0->text(), QStringLiteral("12"));
            QTest::keyClick(form->edta0, Qt::Key_Home);
            QTest::keyClick(form->edta0, Qt::Key_Delete);
            QCOMPARE(form->edta0->text(), QStringLiteral("2"));
            QTest::keyClick(form->edta0, Qt::Key_End);
            QTest::keyClick(form->edta0, Qt::Key_Left);
            QTest::keyClicks(form->edta0, QStringLiteral("7"));
            QCOMPARE(form->edta0->text(), QStringLiteral("72"));
        });
    }

    // The clipboard shortcuts arrive as characters and are discarded; Shift+Insert
    // (like the context menu) pastes, and pasted text is not filtered.
    void clipboardShortcuts_data() { AddLabRows(); }
    void clipboardShortcuts() {
        QFETCH(int, lab);
        InsideLab(lab, [](TLabForm* form) {
            QClipboard* clipboard = QGuiApplication::clipboard();
            QTest::keyClicks(form->edta1, QStringLiteral("12"));
            clipboard->setText(QStringLiteral("99"));
            for (Qt::Key key : {Qt::Key_V, Qt::Key_C, Qt::Key_X, Qt::Key_Z}) {
                form->edta1->selectAll();
                QTest::keyClick(form->edta1, key, Qt::ControlModifier);
                QCOMPARE(form->edta1->text(), QStringLiteral("12"));
                QCOMPARE(clipboard->text(), QStringLiteral("99"));
            }
            clipboard->setText(QStringLiteral("1.5 abc"));
            form->edta1->selectAll();
            QTest::keyClick(form->edta1, Qt::Key_Insert, Qt::ShiftModifier);
            QCOMPARE(form->edta1->text(), QStringLiteral("1.5 abc"));
            form->edta2->paste();
            QCOMPARE(form->edta2->text(), QStringLiteral("1.5 abc"));
        });
    }

    // Enter with every field empty: the message once, nothing inserted, focus kept.
    void enterWithEmptyFields_data() { AddLabRows(); }
    void enterWithEmptyFields() {
        QFETCH(int, lab);
        InsideLab(lab, [](TLabForm* form) {
            ModalBoxWatcher boxes;
            QTest::keyClick(form->edta0, Qt::Key_Return);
            QCOMPARE(boxes.Texts(), QStringList{kEmptyMessage});
            QVERIFY(boxes.Seen().first().notice);
            QVERIFY(form->edta0->text().isEmpty());
            QCOMPARE(form->focusWidget(), form->edta0);
            QVERIFY(form->isVisible());
        });
    }

    // One empty field among filled ones is enough, and the message still comes once.
    void someFieldsEmpty_data() { AddLabRows(); }
    void someFieldsEmpty() {
        QFETCH(int, lab);
        InsideLab(lab, [](TLabForm* form) {
            form->edta0->setText(QStringLiteral("1"));
            form->edta3->setText(QStringLiteral("abc")); // never parsed: the check comes first
            ModalBoxWatcher boxes;
            QTest::keyClick(form->edta3, Qt::Key_Return);
            QCOMPARE(boxes.Texts(), QStringList{kEmptyMessage});
            QCOMPARE(form->edta3->text(), QStringLiteral("abc"));
        });
    }

    // A field that is not a number: the error report, the window stays open with the
    // text, the focus is back in the field, and Esc then closes the window.
    void notANumber_data() { AddLabRows(); }
    void notANumber() {
        QFETCH(int, lab);
        InsideLab(lab, [](TLabForm* form) {
            for (QLineEdit* field : form->CoefficientFields())
                field->setText(QStringLiteral("abc"));
            form->edta2->setFocus();
            ModalBoxWatcher boxes;
            QTest::keyClick(form->edta2, Qt::Key_Return);
            QCOMPARE(boxes.Seen().size(), 1);
            const SeenBox& box = boxes.Seen().first();
            QVERIFY(!box.notice);
            QCOMPARE(box.text, QStringLiteral("'abc' is not a valid floating point value."));
            QCOMPARE(box.icon, QMessageBox::Critical);
            QCOMPARE(box.caption, ApplicationTitle());
            QCOMPARE(box.buttons.size(), 1);
            QVERIFY(form->isVisible());
            QCOMPARE(form->edta2->text(), QStringLiteral("abc"));
            QCOMPARE(form->focusWidget(), form->edta2);
            QTest::keyClick(form->focusWidget(), Qt::Key_Escape);
            QVERIFY(!form->isVisible());
        });
    }

    // Pasted text reaches the parser as it is, after the window's replacement step.
    void pastedText_data() {
        QTest::addColumn<int>("lab");
        QTest::addColumn<bool>("commaLocale");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("rejectedAs"); // empty: read without a conversion error
        QTest::newRow("Godograf 1.5 comma") << 1 << true << "1.5"
                                            << "1.5";
        QTest::newRow("DRazb 1.5 comma") << 3 << true << "1.5"
                                         << "1.5";
        QTest::newRow("Laguerre 1.5 comma") << 0 << true << "1.5"
                                            << "";
        QTest::newRow("AFCHX 1.2.3 comma") << 2 << true << "1.2.3"
                                           << "1,2,3";
        QTest::newRow("Laguerre 1 000") << 0 << true << "1 000"
                                        << "1 000";
        QTest::newRow("Godograf minus") << 1 << true << "-"
                                        << "-";
        QTest::newRow("Godograf 1.5 full stop") << 1 << false << "1.5"
                                                << "";
        QTest::newRow("Laguerre 1.5 full stop") << 0 << false << "1.5"
                                                << "";
        QTest::newRow("DRazb 1,5 full stop") << 3 << false << "1,5"
                                             << "1,5";
        // Shown literally: no heading, no image, nothing loaded.
        QTest::newRow("Godograf markup") << 1 << true << "<h1>big</h1><img src='big.png'>"
                                         << "<h1>big</h1><img src='big.png'>";
    }
    void pastedText() {
        QFETCH(int, lab);
        QFETCH(bool, commaLocale);
        QFETCH(QString, pasted);
        QFETCH(QString, rejectedAs);
        commaLocale ? UseComma() : UseFullStop();
        InsideLab(lab, [&](TLabForm* form) {
            for (QLineEdit* field : form->CoefficientFields())
                field->setText(QStringLiteral("1"));
            QGuiApplication::clipboard()->setText(pasted);
            form->edta0->selectAll();
            QTest::keyClick(form->edta0, Qt::Key_Insert, Qt::ShiftModifier);
            QCOMPARE(form->edta0->text(), pasted);
            ModalBoxWatcher boxes;
            QTest::keyClick(form->edta0, Qt::Key_Return);
            if (rejectedAs.isEmpty()) {
                QVERIFY2(!MentionsConversion(boxes.Texts()), qPrintable(boxes.Texts().join('|')));
            } else {
                QVERIFY(!boxes.Seen().isEmpty());
                QCOMPARE(
                    boxes.Seen().first().shown,
                    QStringLiteral("'%1' is not a valid floating point value.").arg(rejectedAs));
            }
            QCOMPARE(form->edta0->text(), pasted);
        });
    }

    // What the fields give, seen through a window that records its reading.
    void valuesRead_data() {
        QTest::addColumn<bool>("commaLocale");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("typed 1.5, comma") << true << true << "1.5" << 1.5;
        QTest::newRow("typed 1.5, full stop") << false << true << "1.5" << 1.5;
        QTest::newRow("typed 1,5, full stop") << false << true << "1,5" << 1.5;
        QTest::newRow("pasted 1.5, comma") << true << false << "1.5" << 1.5;
        QTest::newRow("pasted 1.5, full stop") << false << false << "1.5" << 1.5;
        QTest::newRow("comma alone") << true << true << "," << 0.0;
        QTest::newRow("pasted blanks around") << true << false << " 12 " << 12.0;
        QTest::newRow("pasted exponent") << true << false << "1e3" << 1000.0;
        QTest::newRow("typed minus") << true << true << "-2.25" << -2.25;
    }
    void valuesRead() {
        QFETCH(bool, commaLocale);
        QFETCH(bool, typed);
        QFETCH(QString, text);
        QFETCH(double, value);
        commaLocale ? UseComma() : UseFullStop();
        RecordingForm form;
        form.show();
        for (QLineEdit* field : form.CoefficientFields()) {
            if (typed) {
                QTest::keyClicks(field, text);
            } else {
                QGuiApplication::clipboard()->setText(text);
                QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
            }
        }
        ModalBoxWatcher boxes;
        QTest::keyClick(form.edta3, Qt::Key_Return);
        QCOMPARE(boxes.Texts(), QStringList());
        QCOMPARE(form.completed, 1);
        QCOMPARE(form.values, QList<double>(4, value));
    }

    // A number beyond the double range passes the parser and fails in the store.
    void beyondDoubleRange() {
        RecordingForm form;
        form.show();
        for (QLineEdit* field : form.CoefficientFields())
            field->setText(QStringLiteral("1E600"));
        ModalBoxWatcher boxes;
        QTest::keyClick(form.edta0, Qt::Key_Return);
        QCOMPARE(boxes.Texts(), QStringList{QStringLiteral("Floating point overflow.")});
        QCOMPARE(form.completed, 0);
    }

    // The links act on a mouse click only: a press that ends outside does nothing.
    void linksActOnClick() {
        RecordingForm form;
        form.show();
        ModalBoxWatcher boxes;
        QTest::mouseClick(form.lblRun, Qt::LeftButton);
        QCOMPARE(form.runs, 1);
        QCOMPARE(boxes.Texts(), QStringList{kEmptyMessage});
        QTest::mousePress(form.lblRun, Qt::LeftButton);
        QTest::mouseRelease(form.lblRun, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(form.runs, 1);
        QTest::mouseClick(form.lblRun, Qt::RightButton);
        QCOMPARE(form.runs, 1);
    }

    // Every way of closing ends the modal run with "cancel" (2).
    void closeRoutesGiveCancel_data() {
        QTest::addColumn<int>("route");
        QTest::newRow("back link") << 0;
        QTest::newRow("Esc in the last field") << 1;
        QTest::newRow("close box") << 2;
        QTest::newRow("Esc after the empty-field message") << 3;
    }
    void closeRoutesGiveCancel() {
        QFETCH(int, route);
        RecordingForm form;
        QTimer::singleShot(0, &form, [&] {
            if (route == 0) {
                QTest::mouseClick(form.lblExit, Qt::LeftButton);
            } else if (route == 1) {
                QTest::keyClick(form.edta3, Qt::Key_Escape);
            } else if (route == 2) {
                form.windowHandle()->close();
            } else {
                ModalBoxWatcher boxes;
                QTest::keyClick(form.edta0, Qt::Key_Return);
                QTest::keyClick(form.focusWidget(), Qt::Key_Escape);
            }
            if (form.isVisible())
                form.done(99); // the route failed: end the run visibly wrong
        });
        QCOMPARE(form.ShowModal(), 2);
    }

    // A window whose construction fails leaves its reference null, the error is
    // reported, and the window beneath stays as it was.
    void failedConstruction() {
        QWidget selector;
        selector.show();
        ModalBoxWatcher boxes;
        RunGuarded([] { OpenLabForm(frmFailing); });
        QCOMPARE(boxes.Texts(), QStringList{QStringLiteral("Out of memory.")});
        QVERIFY(!frmFailing);
        QVERIFY(selector.isEnabled());
        QVERIFY(!OpenLab());
    }

    // The window itself takes no keys: Esc or Enter outside the fields do nothing.
    void windowTakesNoKeys() {
        RecordingForm form;
        auto* outside = new QLineEdit(&form); // a control left of the panel
        outside->setGeometry(10, 10, 100, 21);
        QTimer::singleShot(0, &form, [&] {
            outside->setFocus();
            QTest::keyClick(outside, Qt::Key_Escape);
            QTest::keyClick(outside, Qt::Key_Return);
            const bool stayed = form.isVisible();
            form.done(stayed ? 3 : 99);
        });
        QCOMPARE(form.ShowModal(), 3);
        QCOMPARE(form.runs, 0);
    }
};

LABS_TEST_MAIN(LabPanelTest)
#include "tst_LabPanel.moc"
