// The regional number settings: read from the system at start-up (here a Russian
// locale, with the comma), read again when the platform announces a change, and
// used by the filter and the parser of a lab window.

#include "ground/Regional.h"
#include "tests/forms/RecordingForm.h"
#include "tests/support/LabsTestMain.h"
#include "tests/support/ModalBoxWatcher.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>

class RegionalTest : public QObject {
    Q_OBJECT

  private slots:
    void startUpReadsTheSystemLocale() {
        QCOMPARE(DecimalSeparator(), QLatin1Char(','));
        QCOMPARE(ThousandSeparator(), QString(QChar(0x00A0)));
    }

    // Typing and reading «1.5» with the separators read from the system.
    void typedNumberReadsBack() {
        RecordingForm form;
        form.show();
        for (QLineEdit* field : form.CoefficientFields())
            QTest::keyClicks(field, QStringLiteral("1.5"));
        QCOMPARE(form.edta0->text(), QStringLiteral("1,5"));
        ModalBoxWatcher boxes;
        QTest::keyClick(form.edta0, Qt::Key_Return);
        QCOMPARE(boxes.Texts(), QStringList());
        QCOMPARE(form.values, QList<double>(4, 1.5));
    }

    // The announcement of a change makes the program read the settings again,
    // whether it reaches the application object or one of its windows.
    void localeChangeIsReadAgain_data() {
        QTest::addColumn<bool>("toWindow");
        QTest::newRow("application") << false;
        QTest::newRow("window") << true;
    }
    void localeChangeIsReadAgain() {
        QFETCH(bool, toWindow);
        QWidget window;
        SetRegionalSeparators(QLatin1Char('x'), QStringLiteral("y"));
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(toWindow ? static_cast<QObject*>(&window) : qApp, &change);
        QCOMPARE(DecimalSeparator(), QLocale::system().decimalPoint().at(0));
        QCOMPARE(DecimalSeparator(), QLatin1Char(','));
        QCOMPARE(ThousandSeparator(), QString(QChar(0x00A0)));
    }
};

int main(int argc, char** argv) {
    qputenv("LC_ALL", "ru_RU.UTF-8");
    LabsApplication app(argc, argv);
    RegionalTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_Regional.moc"
