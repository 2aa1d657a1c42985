// A real floating-point fault inside an event handler: a lab window whose run
// divides one coefficient by another and stores the quotient as a double. The fault
// reaches the report through the handler's guard, and the next run computes
// normally. Compiled optimised whatever the build type (tests/CMakeLists.txt).

#include "forms/LabForm.h"
#include "forms/LinkLabel.h"
#include "ground/FloatEnv.h"
#include "ground/ParseReal.h"
#include "ground/Regional.h"
#include "tests/ground/OpaqueExtended.h"
#include "tests/support/LabsTestMain.h"
#include "tests/support/ModalBoxWatcher.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cfenv>

namespace {

class QuotientForm : public TLabForm {
  public:
    QuotientForm() : TLabForm(QStringLiteral("Частное"), QSize(642, 446), Layout()) {
        result = new QLabel(this);
        result->setGeometry(10, 10, 300, 20);
    }

    void lblRunClick() override {
        if (!CheckFieldsFilled())
            return;
        const double a = ParseCoefficient(edta0->text());
        const double b = ParseCoefficient(edta1->text());
        result->setText(QString()); // what came before the fault stays done
        const double quotient = StoreDouble(static_cast<TExtended>(a) / b);
        const double scaled =
            StoreDouble(quotient * static_cast<TExtended>(ParseCoefficient(edta2->text())));
        result->setText(QString::number(scaled));
        ++completed;
    }

    QLabel* result = nullptr;
    int completed = 0;

  private:
    static LabPanelLayout Layout() {
        LabPanelLayout layout;
        layout.runCaption = QStringLiteral("Рассчитать");
        return layout;
    }
};

} // namespace

class FloatFaultTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { SetRegionalSeparators(QLatin1Char(','), QString(QChar(0x00A0))); }

    void faultInHandler_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("report"); // empty: no report
        QTest::addColumn<QString>("result");
        QTest::newRow("division by zero") << "3"
                                          << "0"
                                          << "1"
                                          << "Floating point division by zero."
                                          << "";
        QTest::newRow("zero over zero") << "0"
                                        << "0"
                                        << "1"
                                        << "Invalid floating point operation."
                                        << "";
        QTest::newRow("beyond the double range") << "1E300"
                                                 << "1E-300"
                                                 << "1"
                                                 << "Floating point overflow."
                                                 << "";
        QTest::newRow("overflow in the second store") << "1E300"
                                                      << "1"
                                                      << "1E300"
                                                      << "Floating point overflow."
                                                      << "";
        QTest::newRow("underflow is silent") << "1E-300"
                                             << "1E300"
                                             << "1"
                                             << ""
                                             << "0";
        QTest::newRow("sound") << "3"
                               << "4"
                               << "2"
                               << ""
                               << "1.5";
    }
    void faultInHandler() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, report);
        QFETCH(QString, result);
        QuotientForm form;
        form.show();
        form.edta0->setText(a);
        form.edta1->setText(b);
        form.edta2->setText(c);
        form.edta3->setText(QStringLiteral("0"));
        form.edta1->setFocus();
        {
            ModalBoxWatcher boxes;
            QTest::keyClick(form.edta1, Qt::Key_Return);
            QCOMPARE(boxes.Texts(), report.isEmpty() ? QStringList() : QStringList{report});
        }
        QCOMPARE(form.result->text(), result);
        QCOMPARE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), 0);
        QVERIFY(form.isVisible());
        QCOMPARE(form.edta1->text(), b);

        // The next run with sound coefficients computes normally.
        form.edta0->setText(QStringLiteral("1"));
        form.edta1->setText(QStringLiteral("8"));
        form.edta2->setText(QStringLiteral("1"));
        ModalBoxWatcher boxes;
        QTest::keyClick(form.edta1, Qt::Key_Return);
        QCOMPARE(boxes.Texts(), QStringList());
        QCOMPARE(form.result->text(), QStringLiteral("0.125"));
    }

    // A fault left pending by the toolkit's own arithmetic before the handler does
    // not count: each handler starts with clean flags.
    void flagsFromOutsideDoNotCount() {
        QuotientForm form;
        form.show();
        for (QLineEdit* field : form.CoefficientFields())
            field->setText(QStringLiteral("2"));
        Opaque(Opaque(1.0) / Opaque(0.0));
        ModalBoxWatcher boxes;
        QTest::mouseClick(form.lblRun, Qt::LeftButton);
        QCOMPARE(boxes.Texts(), QStringList());
        QCOMPARE(form.completed, 1);
    }
};

LABS_TEST_MAIN(FloatFaultTest)
#include "tst_FloatFault.moc"
