// Copying and saving a plotting window's picture and points, driven as a student
// drives it: shortcuts pressed in a coefficient field, the chart's context menu, the
// real save dialog answered by typing a file name.

#include "chart/Chart.h"
#include "curves/HodographRun.h"
#include "forms/SaveFileDialog.h"
#include "forms/SaveToFile.h"
#include "ground/Regional.h"
#include "plots/ExportActions.h"
#include "plots/untAFCHX.h"
#include "plots/untDRazb.h"
#include "plots/untGodograf.h"
#include "tests/plots/PlotWindowProbe.h"
#include "tests/support/LabProbe.h"
#include "tests/support/LabsTestMain.h"
#include "tests/support/ModalBoxWatcher.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <unistd.h>

namespace {

const QStringList kWorkedExample{"1", "3", "3", "1", "0", "0", "1"};

template <class Body> void WithNyquist(Body body) {
    bool done = false;
    InsideNextLab([&](TLabForm* lab) {
        auto* form = qobject_cast<TfrmAFCHX*>(lab);
        QVERIFY(form);
        // Window shortcuts act in the active window, as the user's keys do.
        QVERIFY(QTest::qWaitForWindowActive(form));
        body(form);
        done = true;
    });
    OpenAFCHX();
    QVERIFY(done);
}

// Answers the next save dialog while it is shown: `answer` gets it and either types a
// file name or closes it. Whatever happens, no dialog is left open.
class SaveDialogAnswer : public QObject {
  public:
    explicit SaveDialogAnswer(std::function<void(QFileDialog*)> answer)
        : answer_(std::move(answer)) {
        timer_.setInterval(1);
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != QLatin1String(kSaveFileDialogName))
                return;
            timer_.stop();
            seen_ = true;
            answer_(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        timer_.start();
    }
    bool Seen() const { return seen_; }

  private:
    std::function<void(QFileDialog*)> answer_;
    QTimer timer_;
    bool seen_ = false;
};

QLineEdit* FileNameField(QFileDialog* dialog) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

// Types the whole path into the name field and presses Enter.
void TypeFileName(QFileDialog* dialog, const QString& path) {
    QLineEdit* field = FileNameField(dialog);
    QVERIFY(field);
    field->setText(path);
    QTest::keyClick(field, Qt::Key_Return);
}

// The filter `steps` entries further down, chosen with the arrow key.
void ChooseFilter(QFileDialog* dialog, int steps) {
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types);
    for (int i = 0; i < steps; ++i)
        QTest::keyClick(types, Qt::Key_Down);
}

void PressInField(QLineEdit* field, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    // Also after a dialog: the lab window is the active one again.
    QVERIFY(QTest::qWaitForWindowActive(field->window()));
    field->setFocus();
    QTest::keyClick(field, key, modifiers);
}

// Elements by name in an SVG file.
QMap<QString, int> SvgElements(const QString& path, QStringList* texts) {
    QFile file(path);
    QMap<QString, int> counts;
    if (!file.open(QIODevice::ReadOnly))
        return counts;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        ++counts[xml.name().toString()];
        if (xml.name() == QLatin1String("text"))
            *texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    }
    return counts;
}

// The distinct font-family attributes of an SVG file.
QStringList SvgFontFamilies(const QString& path) {
    QFile file(path);
    QStringList families;
    if (!file.open(QIODevice::ReadOnly))
        return families;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString family = xml.attributes().value(QStringLiteral("font-family")).toString();
        if (!family.isEmpty() && !families.contains(family))
            families << family;
    }
    return families;
}

// The same pixels, whatever the formats and the pixel ratios the images carry (a PNG
// read back has none).
bool SamePixels(QImage a, QImage b) {
    a.setDevicePixelRatio(1);
    b.setDevicePixelRatio(1);
    return !a.isNull() &&
           a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

QImage RenderedSvg(const QString& path, const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// Opens lab 0 (hodograph), 1 (Nyquist) or 2 (D-partition) and runs `body` inside it.
void WithLab(int lab, std::function<void(TLabForm*)> body) {
    bool done = false;
    InsideNextLab([&](TLabForm* form) {
        QVERIFY(QTest::qWaitForWindowActive(form));
        body(form);
        done = true;
    });
    if (lab == 0)
        OpenGodograf();
    else if (lab == 1)
        OpenAFCHX();
    else
        OpenDRazb();
    QVERIFY(done);
}

const TLabSamples& SamplesOf(TLabForm* form) {
    if (auto* f = qobject_cast<TfrmGodograf*>(form))
        return f->Samples();
    if (auto* f = qobject_cast<TfrmAFCHX*>(form))
        return f->Samples();
    return qobject_cast<TfrmDRazb*>(form)->Samples();
}

// The rows Ctrl+Shift+T puts on the clipboard, header and final line feed left out;
// none when the keys left the clipboard as it was.
QStringList CopiedRows(TLabForm* form) {
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    PressInField(form->CoefficientFields().first(), Qt::Key_T,
                 Qt::ControlModifier | Qt::ShiftModifier);
    QStringList rows = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    if (rows == QStringList{QStringLiteral("untouched")})
        return {};
    rows.removeFirst();
    rows.removeLast();
    return rows;
}

bool RunningAsRoot() {
#ifdef Q_OS_WIN
    return false;
#else
    return ::geteuid() == 0;
#endif
}

} // namespace

class TestExportActions : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { SetRegionalSeparators(QChar(','), QStringLiteral("\u00A0")); }

    // In every plotting window: the four actions with their keys in the chart's menu,
    // the points ones disabled until a run gave samples.
    void pointsActionsWaitForARun_data() {
        QTest::addColumn<int>("lab");
        QTest::newRow("hodograph") << 0;
        QTest::newRow("nyquist") << 1;
        QTest::newRow("d-partition") << 2;
    }
    void pointsActionsWaitForARun() {
        QFETCH(int, lab);
        WithLab(lab, [&](TLabForm* form) {
            TExportActions* actions = form->findChild<TExportActions*>();
            QVERIFY(actions);
            QCOMPARE(actions->Menu->actions().size(), 5); // with one separator
            QCOMPARE(actions->CopyPictureAction->shortcut(), QKeySequence("Ctrl+Shift+C"));
            QCOMPARE(actions->SavePictureAction->shortcut(), QKeySequence("Ctrl+S"));
            QCOMPARE(actions->CopyPointsAction->shortcut(), QKeySequence("Ctrl+Shift+T"));
            QCOMPARE(actions->SavePointsAction->shortcut(), QKeySequence("Ctrl+Shift+S"));
            QVERIFY(!actions->CopyPointsAction->isEnabled());
            QVERIFY(!actions->SavePointsAction->isEnabled());

            QApplication::clipboard()->setText(QStringLiteral("untouched"));
            PressInField(form->edta1, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("untouched"));
            QCOMPARE(form->edta1->text(), QString());

            TypeAndRun(form, lab == 1 ? kWorkedExample : QStringList{"1", "3", "3", "1"});
            // Enabled exactly when the run left samples behind.
            const bool sampled = !SamplesOf(form).Empty();
            QCOMPARE(actions->CopyPointsAction->isEnabled(), sampled);
            QCOMPARE(actions->SavePointsAction->isEnabled(), sampled);
        });
    }

    // The points are the latest run's. A run that stops before it samples (an empty
    // field, an unstable system, a text that is no number, a fault at the first sample)
    // offers none: the previous run's would be another system's. One that faults
    // midway offers what it computed, as the chart shows it.
    void pointsDescribeTheLatestRun_data() {
        QTest::addColumn<int>("lab");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("someSampled");
        const QString empty = QStringLiteral("Пожалуйста, введите коэффициенты.");
        const QString notANumber = QStringLiteral("'1,,5' is not a valid floating point value.");
        QTest::newRow("hodograph, empty field")
            << 0 << QStringList{"1", "", "3", "1"} << empty << false;
        QTest::newRow("hodograph, unstable")
            << 0 << QStringList{"1", "1", "1", "5"} << kUnstableNotice << false;
        QTest::newRow("hodograph, not a number")
            << 0 << QStringList{"1", "3", "3", "1,,5"} << notANumber << false;
        // a0 = 10^306: D(jω) leaves the double range near ω = 5.6.
        QTest::newRow("hodograph, overflow midway")
            << 0 << QStringList{"1" + QString(306, QLatin1Char('0')), "1", "1", "0"}
            << QStringLiteral("Floating point overflow.") << true;
        QTest::newRow("nyquist, not a number")
            << 1 << QStringList{"1", "3", "3", "1", "0", "0", "1,,5"} << notANumber << false;
        QTest::newRow("nyquist, fault at the first sample")
            << 1 << QStringList{"0", "0", "0", "0", "0", "0", "1"}
            << QStringLiteral("Invalid floating point operation.") << false;
        QTest::newRow("d-partition, empty field")
            << 2 << QStringList{"1", "3", "", "1"} << empty << false;
        QTest::newRow("d-partition, not a number")
            << 2 << QStringList{"1", "3", "3", "1,,5"} << notANumber << false;
    }
    void pointsDescribeTheLatestRun() {
        QFETCH(int, lab);
        QFETCH(QStringList, texts);
        QFETCH(QString, message);
        QFETCH(bool, someSampled);
        ModalBoxWatcher boxes;
        WithLab(lab, [&](TLabForm* form) {
            TExportActions* actions = form->findChild<TExportActions*>();
            TypeAndRun(form, lab == 1 ? kWorkedExample : QStringList{"1", "3", "3", "1"});
            QVERIFY(actions->CopyPointsAction->isEnabled());

            TypeAndRun(form, texts);
            QCOMPARE(boxes.Texts(), QStringList{message});
            QCOMPARE(actions->CopyPointsAction->isEnabled(), someSampled);
            QCOMPARE(actions->SavePointsAction->isEnabled(), someSampled);
            const QStringList rows = CopiedRows(form);
            if (!someSampled) {
                QCOMPARE(rows, QStringList());
                return;
            }
            const TLabSamples& samples = SamplesOf(form);
            QVERIFY(samples.Size() > 1 && samples.Size() < 131);
            QCOMPARE(rows.size(), qsizetype(samples.Size()));
            QCOMPARE(rows.first(), QStringLiteral("0\t0\t0"));
        });
    }

    // The D-partition samples its branches in turns; the points give each branch whole,
    // in sampling order: ω = 0 … 10, then its mirror -0 … -10.
    void dPartitionPointsBranchByBranch() {
        WithLab(2, [&](TLabForm* form) {
            TypeAndRun(form, {"1", "3", "3", "1"});
            const QStringList rows = CopiedRows(form);
            QCOMPARE(rows.size(), 2 * 1001);
            const auto omega = [&](qsizetype row) {
                return QLocale(QLocale::Russian)
                    .toDouble(rows[row].section(QLatin1Char('\t'), 0, 0));
            };
            for (qsizetype i = 0; i < 1001; ++i) {
                QCOMPARE(rows[i + 1001].section(QLatin1Char('\t'), 0, 0),
                         i == 0 ? QStringLiteral("-0")
                                : QLatin1Char('-') + rows[i].section(QLatin1Char('\t'), 0, 0));
                if (i > 0)
                    QVERIFY2(omega(i) > omega(i - 1), qPrintable(rows[i]));
            }
        });
    }

    // The keys act from a coefficient field, whose filter discards most keys, and the
    // field keeps behaving as before.
    void shortcutsWorkFromACoefficientField() {
        WithNyquist([](TfrmAFCHX* form) {
            TypeAndRun(form, kWorkedExample);
            QApplication::clipboard()->clear();
            PressInField(form->edtb2, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            const QImage copied = QApplication::clipboard()->image();
            const QImage screen = form->Chart->RenderToImage(form->Chart->devicePixelRatioF());
            QVERIFY(SamePixels(copied, screen));
            QCOMPARE(QApplication::focusWidget(), form->edtb2);
            QCOMPARE(form->edtb2->text(), QStringLiteral("0"));
            QTest::keyClicks(form->edtb2, "a.5");
            QCOMPARE(form->edtb2->text(), QStringLiteral("0,5"));

            if (form->Samples().Empty())
                return; // the run keeps no samples: nothing to copy yet
            PressInField(form->edta0, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
            const QStringList rows = QApplication::clipboard()->text().split(QLatin1Char('\n'));
            QCOMPARE(rows.size(), qsizetype(form->Samples().Size()) + 2); // header, last '\n'
            QCOMPARE(rows[0], QStringLiteral("ω\tR\tI"));
            QCOMPARE(rows[1], QStringLiteral("0\t1\t0")); // W(j0) = 1

            QTemporaryDir folder;
            QString suggested;
            SaveDialogAnswer answer([&](QFileDialog* dialog) {
                suggested = FileNameField(dialog)->text();
                TypeFileName(dialog, folder.filePath(QStringLiteral("points")));
            });
            PressInField(form->edta0, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(suggested, QStringLiteral("АФЧХ.csv"));
            QFile csv(folder.filePath(QStringLiteral("points.csv")));
            QVERIFY(csv.open(QIODevice::ReadOnly));
            const QStringList lines = QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'));
            QCOMPARE(lines.size(), rows.size());
            QCOMPARE(lines[0], QStringLiteral("ω;R;I"));
            QCOMPARE(lines[1], QStringLiteral("0;1;0"));
        });
    }

    // Ctrl+S: the name suggested from the lab, the filter changing the suffix, an SVG
    // of shapes and texts, and the folder remembered for the next save; Cyrillic names.
    void savePictureAsSvgPdfAndPng() {
        // In a folder with a Cyrillic name, as Windows user folders often are.
        QTemporaryDir parent;
        QVERIFY(parent.isValid());
        const QDir folder(parent.filePath(QStringLiteral("Лабораторные работы")));
        QVERIFY(QDir().mkpath(folder.path()));
        ModalBoxWatcher boxes;
        WithNyquist([&](TfrmAFCHX* form) {
            TypeAndRun(form, kWorkedExample);
            QString suggested;
            SaveDialogAnswer svg([&](QFileDialog* dialog) {
                suggested = FileNameField(dialog)->text();
                ChooseFilter(dialog, 1);
                QCOMPARE(FileNameField(dialog)->text(), QStringLiteral("АФЧХ.svg"));
                TypeFileName(dialog, folder.filePath(QStringLiteral("АФЧХ.svg")));
            });
            PressInField(form->edta2, Qt::Key_S, Qt::ControlModifier);
            QVERIFY(svg.Seen());
            QCOMPARE(suggested, QStringLiteral("АФЧХ.png"));

            QStringList texts;
            const QMap<QString, int> elements =
                SvgElements(folder.filePath(QStringLiteral("АФЧХ.svg")), &texts);
            QVERIFY(texts.contains(QStringLiteral("АФЧХ Разомкнутой САУ")));
            QVERIFY(texts.contains(QStringLiteral("R")));
            QVERIFY(texts.contains(QStringLiteral("I")));
            QVERIFY(texts.contains(QStringLiteral("-1"))); // an axis label
            QCOMPARE(elements.value(QStringLiteral("image")), 0);
            // The texts name the face they were drawn with, which the file's reader may
            // have, and a generic family: never the asked-for "MS Sans Serif" or "Arial".
            const QStringList families =
                SvgFontFamilies(folder.filePath(QStringLiteral("АФЧХ.svg")));
            QVERIFY(!families.isEmpty());
            for (const QString& family : families) {
                QVERIFY2(family.endsWith(QStringLiteral(", sans-serif")), qPrintable(family));
                QVERIFY2(QFontDatabase::families().contains(family.section(QLatin1Char(','), 0, 0)),
                         qPrintable(family));
            }
            // The 5000 markers and the lines are shapes.
            QVERIFY(elements.value(QStringLiteral("rect")) +
                        elements.value(QStringLiteral("path")) >
                    5000);
            QVERIFY(elements.value(QStringLiteral("polyline")) > 0);
            // Cut to the plotting rectangle as on the screen: the horizontal axis line
            // (from -3 to 3) stops at the frame.
            const int axisRow = PixelOf(form->Chart, 0, 0).y();
            const QImage drawn =
                RenderedSvg(folder.filePath(QStringLiteral("АФЧХ.svg")), form->Chart->size());
            for (int x = form->Chart->PlotRect().right() + 2; x < drawn.width() - 2; ++x)
                QVERIFY2(qGray(drawn.pixel(x, axisRow)) > 128, qPrintable(QString::number(x)));

            // A name typed without a suffix gets the chosen filter's.
            QString startFolder;
            SaveDialogAnswer pdf([&](QFileDialog* dialog) {
                startFolder = dialog->directory().absolutePath();
                ChooseFilter(dialog, 2);
                TypeFileName(dialog, folder.filePath(QStringLiteral("chart")));
            });
            PressInField(form->edta2, Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(startFolder, folder.absolutePath());
            QFile saved(folder.filePath(QStringLiteral("chart.pdf")));
            QVERIFY(saved.open(QIODevice::ReadOnly));
            const QByteArray bytes = saved.readAll();
            QVERIFY(bytes.startsWith("%PDF-"));
            QVERIFY(bytes.contains("/FontFile")); // texts as text, with their font
            QVERIFY(!bytes.contains("/Subtype /Image"));

            SaveDialogAnswer png([&](QFileDialog* dialog) {
                TypeFileName(dialog, folder.filePath(QStringLiteral("АФЧХ.png")));
            });
            PressInField(form->edta2, Qt::Key_S, Qt::ControlModifier);
            QVERIFY(SamePixels(QImage(folder.filePath(QStringLiteral("АФЧХ.png"))),
                               form->Chart->RenderToImage(form->Chart->devicePixelRatioF())));
        });
        QCOMPARE(boxes.Texts(), QStringList());
    }

    // Qt's own texts speak the user's language, as the platform's controls do: the save
    // dialog and a field's context menu under the Russian locale the tests run in.
    void toolkitTextsInTheUsersLanguage() {
        QCOMPARE(QLocale::system().language(), QLocale::Russian); // LC_ALL=ru_RU.UTF-8
        WithNyquist([&](TfrmAFCHX* form) {
            TypeAndRun(form, kWorkedExample);
            QStringList buttons;
            QStringList labels;
            SaveDialogAnswer answer([&](QFileDialog* dialog) {
                for (const QPushButton* button : dialog->findChildren<QPushButton*>())
                    buttons << button->text().remove(QLatin1Char('&'));
                for (const QLabel* label : dialog->findChildren<QLabel*>())
                    labels << label->text().remove(QLatin1Char('&'));
            });
            PressInField(form->edta0, Qt::Key_S, Qt::ControlModifier);
            QVERIFY(answer.Seen());
            QVERIFY2(buttons.contains(QStringLiteral("Сохранить")), qPrintable(buttons.join('|')));
            QVERIFY2(buttons.contains(QStringLiteral("Отмена")), qPrintable(buttons.join('|')));
            QVERIFY2(labels.contains(QStringLiteral("Имя файла:")), qPrintable(labels.join('|')));

            std::unique_ptr<QMenu> menu(form->edta0->createStandardContextMenu());
            QStringList entries;
            for (const QAction* action : menu->actions())
                entries << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
            QVERIFY2(entries.contains(QStringLiteral("Копировать")), qPrintable(entries.join('|')));
            QVERIFY2(entries.contains(QStringLiteral("Выделить всё")),
                     qPrintable(entries.join('|')));
        });
    }

    // A folder that vanished, or one that may not be written: a notice naming the file,
    // nothing left behind, the window as it was.
    void failedSaveLeavesNothing_data() {
        QTest::addColumn<bool>("vanished");
        QTest::newRow("vanished folder") << true;
        QTest::newRow("read-only folder") << false;
    }
    void failedSaveLeavesNothing() {
        QFETCH(bool, vanished);
        if (!vanished && RunningAsRoot())
            QSKIP("root writes into read-only folders");
#ifdef Q_OS_WIN
        if (!vanished)
            QSKIP("Windows ignores a folder's read-only attribute");
        // '<' is not allowed in a Windows file name.
        const QString name = QStringLiteral("отчёт &b 1");
#else
        const QString name = QStringLiteral("отчёт <b>1");
#endif
        QTemporaryDir parent;
        QVERIFY(parent.isValid());
        const QString folder = parent.filePath(name);
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/АФЧХ.svg");
        ModalBoxWatcher boxes;
        WithNyquist([&](TfrmAFCHX* form) {
            TypeAndRun(form, kWorkedExample);
            const QImage before = form->Chart->RenderToImage();
            SaveDialogAnswer answer([&](QFileDialog* dialog) {
                if (vanished)
                    QDir(folder).removeRecursively();
                else
                    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
                TypeFileName(dialog, path);
            });
            PressInField(form->edta0, Qt::Key_S, Qt::ControlModifier);
            QVERIFY(answer.Seen());
            QCOMPARE(boxes.Seen().size(), 1);
            const SeenBox& box = boxes.Seen().first();
            QVERIFY(box.notice);
            QVERIFY2(box.text.contains(QDir::toNativeSeparators(path)), qPrintable(box.text));
            QVERIFY(box.text.startsWith(QStringLiteral("Не удалось сохранить файл")));
            QVERIFY(FrameMatches(form, before));
        });
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QCOMPARE(
            QDir(parent.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            vanished ? QStringList() : QStringList{name});
        if (!vanished)
            QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList());
    }

    // A write that breaks off half-way (a full disk): the half-written temporary file
    // goes, an older file of that name stays as it was.
    void brokenWriteKeepsTheOldFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("points.csv"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        ModalBoxWatcher boxes;
        const bool saved = SaveToFile(path, [](QIODevice& file) {
            file.write("half of it");
            return false;
        });
        QVERIFY(!saved);
        QCOMPARE(boxes.Seen().size(), 1);
        QVERIFY(boxes.Seen().first().text.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("points.csv")});
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }

    // A right click on the chart offers the actions; the menu's first entry copies.
    void contextMenuCopiesThePicture() {
        WithNyquist([](TfrmAFCHX* form) {
            TExportActions* actions = form->Export;
            const QPoint at = form->Chart->mapToGlobal(QPoint(200, 200));
            emit form->Chart->ContextMenuRequested(at);
            QVERIFY(actions->Menu->isVisible());
            QStringList texts;
            for (QAction* action : actions->Menu->actions())
                texts << action->text();
            QCOMPARE(texts, (QStringList{"Копировать изображение", "Сохранить изображение…", "",
                                         "Копировать точки", "Сохранить точки…"}));
            QApplication::clipboard()->clear();
            QTest::keyClick(actions->Menu, Qt::Key_Down);
            QTest::keyClick(actions->Menu, Qt::Key_Return);
            QVERIFY(!actions->Menu->isVisible());
            QVERIFY(SamePixels(QApplication::clipboard()->image(),
                               form->Chart->RenderToImage(form->Chart->devicePixelRatioF())));
        });
    }

  private:
    static bool FrameMatches(TfrmAFCHX* form, const QImage& before) {
        return form->isVisible() && form->Chart->RenderToImage() == before;
    }
};

LABS_TEST_MAIN(TestExportActions)
#include "tst_ExportActions.moc"
