// The root lab window driven by real key and mouse events: the report in the text
// area, the empty-field notice, conversion and arithmetic errors that leave the last
// report in place, the decimal separator rule, and the text area's own behaviour.

#include "app/LabsApplication.h"
#include "forms/LinkLabel.h"
#include "forms/ShowNotice.h"
#include "ground/Regional.h"
#include "rootlab/ReportMemo.h"
#include "rootlab/untLaguerre.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

namespace {

// Answers every message box that opens while it exists: records its text and closes
// it with Enter, as a user would. The lab window itself is modal too and is ignored.
class ModalRecorder {
  public:
    explicit ModalRecorder(QWidget* labWindow) : labWindow_(labWindow) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    QStringList texts;

  private:
    void Poll() {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || box == labWindow_)
            return;
        if (auto* message = qobject_cast<QMessageBox*>(box)) {
            texts << message->text();
        } else {
            auto* label = box->findChild<QLabel*>(QStringLiteral("NoticeText"));
            texts << (label ? label->text() : QStringLiteral("<unknown box>"));
        }
        QTest::keyClick(box, Qt::Key_Return);
    }

    QWidget* labWindow_;
    QTimer timer_;
};

} // namespace

class TestLaguerre : public QObject {
    Q_OBJECT

  private:
    TfrmLaguerre* form() const { return frmLaguerre; }

    // Types the four coefficients key by key into the empty fields.
    void TypeCoefficients(const QStringList& texts) {
        const QList<QLineEdit*> fields = form()->CoefficientFields();
        for (int i = 0; i < texts.size(); ++i)
            QTest::keyClicks(fields[i], texts[i]);
    }

    void ClearField(QLineEdit* field) {
        QTest::keyClick(field, Qt::Key_End);
        while (!field->text().isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
    }

    // Enter in a field runs the lab; returns the texts of the boxes it showed.
    QStringList PressEnter(QLineEdit* field) {
        ModalRecorder recorder(form());
        QTest::keyClick(field, Qt::Key_Return);
        return recorder.texts;
    }

    QStringList RunExample(const QStringList& texts) {
        TypeCoefficients(texts);
        return PressEnter(form()->edta3);
    }

  private slots:
    void initTestCase() { SetRegionalSeparators(QLatin1Char(','), QStringLiteral(" ")); }

    // As the opening routine does: the global reference holds the window while it exists.
    void init() {
        SetRegionalSeparators(QLatin1Char(','), QStringLiteral(" "));
        frmLaguerre = new TfrmLaguerre();
        frmLaguerre->show();
        QVERIFY(QTest::qWaitForWindowExposed(frmLaguerre));
        frmLaguerre->edta0->setFocus();
    }

    void cleanup() {
        frmLaguerre->close();
        delete frmLaguerre;
        frmLaguerre = nullptr;
    }

    void memoAtOpening() {
        const TReportMemo* memo = form()->Memo;
        QCOMPARE(memo->geometry(), QRect(0, 0, 444, 446));
        QVERIFY(memo->isReadOnly());
        QVERIFY(memo->toPlainText().isEmpty());
        QCOMPARE(memo->frameShape(), QFrame::NoFrame);
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(memo->palette().color(QPalette::Base), form()->palette().color(QPalette::Button));
        // Tab order: the fields of the panel first, then the text area.
        form()->edta3->setFocus();
        QTest::keyClick(form()->edta3, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form()->Memo));
        QTest::keyClick(form()->Memo, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form()->edta0));
    }

    void linksAreDrawnInTheLinkColour() {
        // The underline of the run link spans its text: some pixel of the label carries
        // the link colour, none the plain text colour.
        const QImage image = form()->lblRun->grab().toImage();
        const QColor link = form()->palette().color(QPalette::Link);
        const QColor text = form()->palette().color(QPalette::ButtonText);
        bool sawLink = false;
        bool sawText = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                sawLink = sawLink || image.pixelColor(x, y) == link;
                sawText = sawText || image.pixelColor(x, y) == text;
            }
        }
        QVERIFY(sawLink);
        QVERIFY(!sawText);
    }

    void reportLines_data() {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("lines");
        const auto root = [](int k, const char* value) {
            return QStringList{QStringLiteral("Корень: %1").arg(k), QStringLiteral("Значение: "),
                               QString::fromUtf8(value), QString()};
        };
        const QStringList head{QStringLiteral("Результаты:"), QString()};
        QTest::newRow("three real roots")
            << QStringList{"-6", "11", "-6", "1"}
            << head + root(1, "1,00 +0,00i") + root(2, "2,00 +0,00i") + root(3, "3,00 +0,00i");
        QTest::newRow("three negative roots")
            << QStringList{"6", "11", "6", "1"}
            << head + root(1, "-1,00 +0,00i") + root(2, "-2,00 +0,00i") + root(3, "-3,00 +0,00i");
        QTest::newRow("near tie") << QStringList{"1", "1", "1", "1"}
                                  << head + root(1, "0,00 +1,00i") + root(2, "-1,00 +0,00i") +
                                         root(3, "0,00 +-1,00i");
        QTest::newRow("no convergence")
            << QStringList{"1", "0", "0", "1"}
            << head + QStringList{QStringLiteral("Предупреждение!"),
                                  QStringLiteral("Вычисление займет больше, чем 100 итераций!")};
        QTest::newRow("all zero") << QStringList{"0", "0", "0", "0"} << head;
        QTest::newRow("double origin root")
            << QStringList{"0", "0", "1", "0"}
            << head + root(1, "0,00 +0,00i") + root(2, "0,00 +0,00i");
        QTest::newRow("quadratic pair")
            << QStringList{"1", "2", "3", "0"}
            << head + root(1, "-0,33 +-0,47i") + root(2, "-0,33 +0,47i");
        QTest::newRow("scientific") << QStringList{"-12345678912", "1", "0", "0"}
                                    << head + root(1, "1,234567891E10 +0,00i");
        QTest::newRow("grouping") << QStringList{"-1234,5", "1", "0", "0"}
                                  << head + root(1, "1 234,50 +0,00i");
    }

    void reportLines() {
        QFETCH(QStringList, fields);
        QFETCH(QStringList, lines);
        const QStringList boxes = RunExample(fields);
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join(QLatin1Char('|'))));
        QCOMPARE(form()->Memo->Lines(), lines);
        QCOMPARE(form()->edta3->text(), fields[3]); // Enter inserted nothing
    }

    void runLinkClickRuns() {
        TypeCoefficients({"-6", "11", "-6", "1"});
        QTest::mouseClick(form()->lblRun, Qt::LeftButton);
        QCOMPARE(form()->Memo->Lines().size(), 14);
        QCOMPARE(Status, rsOk);
        QCOMPARE(RootCount, 3);
    }

    void emptyFieldShowsNoticeOnceAndKeepsReport() {
        // Nothing typed at all: one notice, the area stays empty.
        QCOMPARE(PressEnter(form()->edta0), QStringList{"Пожалуйста, введите коэффициенты."});
        QVERIFY(form()->Memo->toPlainText().isEmpty());
        QVERIFY(form()->edta0->text().isEmpty());

        RunExample({"-6", "11", "-6", "1"});
        const QStringList report = form()->Memo->Lines();
        ClearField(form()->edta1);
        ClearField(form()->edta2);
        Coefficients[0] = {42, 0}; // would be overwritten by a run that got further
        QCOMPARE(PressEnter(form()->edta0), QStringList{"Пожалуйста, введите коэффициенты."});
        QCOMPARE(form()->Memo->Lines(), report);
        QCOMPARE(Coefficients[0].Re, 42.0);
    }

    void parseErrorKeepsReportAndState() {
        RunExample({"-6", "11", "-6", "1"});
        const QStringList report = form()->Memo->Lines();
        ClearField(form()->edta1);
        QTest::keyClicks(form()->edta1, "1-2");
        QCOMPARE(PressEnter(form()->edta1),
                 QStringList{"'1-2' is not a valid floating point value."});
        QCOMPARE(form()->Memo->Lines(), report);
        QCOMPARE(Coefficients[1].Re, 11.0);
        QCOMPARE(RootCount, 3);
        QCOMPARE(form()->edta1->text(), QStringLiteral("1-2"));
        QVERIFY(form()->isVisible());
    }

    void overflowKeepsReport() {
        RunExample({"6", "11", "6", "1"});
        const QStringList report = form()->Memo->Lines();
        const QList<QLineEdit*> fields = form()->CoefficientFields();
        for (QLineEdit* field : fields)
            ClearField(field);
        // -1e308 + p: the search's products leave the double range.
        TypeCoefficients({"-1" + QString(308, QLatin1Char('0')), "1", "0", "0"});
        QCOMPARE(PressEnter(form()->edta0), QStringList{"Floating point overflow."});
        QCOMPARE(form()->Memo->Lines(), report);

        // The next run with sound coefficients works normally.
        for (QLineEdit* field : fields)
            ClearField(field);
        QVERIFY(RunExample({"-6", "11", "-6", "1"}).isEmpty());
        QCOMPARE(form()->Memo->Lines().at(4), QStringLiteral("1,00 +0,00i"));
    }

    void typedFullStopReadsAsDecimal_data() {
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("thousands");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("rootLine");
        QTest::newRow("comma locale") << ","
                                      << " "
                                      << "-1,5"
                                      << "1,50 +0,00i";
        QTest::newRow("full-stop locale") << "."
                                          << ","
                                          << "-1.5"
                                          << "1.50 +0.00i";
    }

    void typedFullStopReadsAsDecimal() {
        QFETCH(QString, decimal);
        QFETCH(QString, thousands);
        QFETCH(QString, shown);
        QFETCH(QString, rootLine);
        SetRegionalSeparators(decimal.at(0), thousands);
        QVERIFY(RunExample({"-1.5", "1", "0", "0"}).isEmpty());
        QCOMPARE(form()->edta0->text(), shown);
        QCOMPARE(form()->a0, -1.5);
        QCOMPARE(form()->Memo->Lines().at(4), rootLine);
    }

    void memoTakesNoTypedInputButCopies() {
        RunExample({"-6", "11", "-6", "1"});
        TReportMemo* memo = form()->Memo;
        const QString report = memo->toPlainText();
        memo->setFocus();
        QTest::keyClicks(memo, "abc 1,5");
        QTest::keyClick(memo, Qt::Key_Backspace);
        QTest::keyClick(memo, Qt::Key_Delete);
        QTest::keyClick(memo, Qt::Key_Return);
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(memo->toPlainText(), report);

        QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(memo->textCursor().selectedText().size(), report.size());
        QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), report);
        QCOMPARE(memo->toPlainText(), report);
    }

    void mouseSelectsInMemo() {
        RunExample({"-6", "11", "-6", "1"});
        TReportMemo* memo = form()->Memo;
        // A double click on the first word of the report selects it.
        const QRect first = memo->cursorRect(QTextCursor(memo->document()));
        QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {}, first.center() + QPoint(8, 0));
        QVERIFY(!memo->textCursor().selectedText().isEmpty());
        QVERIFY(memo->toPlainText().startsWith(QStringLiteral("Результаты:")));
    }

    void escapeInMemoKeepsWindowOpen() {
        form()->Memo->setFocus();
        QTest::keyClick(form()->Memo, Qt::Key_Escape);
        QVERIFY(form()->isVisible());
        // In a field Esc closes the window.
        QTest::keyClick(form()->edta0, Qt::Key_Escape);
        QVERIFY(!form()->isVisible());
    }

    void reportNeedsAnOpenWindow() {
        // Another instance is not the window the global reference holds.
        TfrmLaguerre other;
        RootCount = 0;
        ShowRootReport(rsOk);
        QCOMPARE(form()->Memo->Lines(), QStringList({"Результаты:", ""}));
        QVERIFY(other.Memo->toPlainText().isEmpty());
        TfrmLaguerre* saved = frmLaguerre;
        frmLaguerre = nullptr;
        ShowRootReport(rsOk); // no window: nothing to write into
        frmLaguerre = saved;
    }
};

int main(int argc, char** argv) {
    LabsApplication app(argc, argv);
    TestLaguerre test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_laguerre.moc"
