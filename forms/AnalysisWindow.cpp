#include "forms/AnalysisWindow.h"

#include "forms/KeystrokeFilter.h"
#include "forms/ReportException.h"
#include "forms/SaveFileAs.h"
#include "ground/Regional.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QPushButton* AddButton(QHBoxLayout* row, const QString& caption, const char* name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

// A frequency as the field shows it: up to 6 significant digits, the regional separator.
QString FrequencyText(double value) {
    return QString::number(value, 'g', 6).replace(QLatin1Char('.'), DecimalSeparator());
}

// A window of its own beside the lab. The browser's platform shows a plain window full
// screen, over the lab and the marks it draws: there it is a dialog, a window in the page
// with its caption, beside the lab where the page has room.
#ifdef Q_OS_WASM
constexpr Qt::WindowType kWindowType = Qt::Dialog;
#else
constexpr Qt::WindowType kWindowType = Qt::Window;
#endif

} // namespace

TAnalysisWindow::TAnalysisWindow(QWidget* lab, const QString& title, const QString& saveName,
                                 const TParts& parts)
    : QDialog(lab, kWindowType | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint),
      saveName_(saveName) {
    setObjectName(QStringLiteral("AnalysisWindow"));
    setWindowTitle(QStringLiteral("Анализ — ") + title);
    // The lab's font and colours: a window of the program like the others.
    setFont(lab->font());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    if (parts.frequencyRange) {
        auto* row = new QHBoxLayout;
        auto* caption = new QLabel(QStringLiteral("Частоты на графике: от 0 до"));
        row->addWidget(caption);
        edtUpperFrequency = new QLineEdit;
        edtUpperFrequency->setObjectName(QStringLiteral("edtUpperFrequency"));
        edtUpperFrequency->setFixedWidth(79);
        edtUpperFrequency->installEventFilter(this);
        caption->setBuddy(edtUpperFrequency);
        row->addWidget(edtUpperFrequency);
        btnApplyRange = AddButton(row, QStringLiteral("Построить"), "btnApplyRange");
        btnSuggestRange = AddButton(row, QStringLiteral("Подобрать по системе"), "btnSuggestRange");
        btnDefaultRange = AddButton(row, QStringLiteral("По умолчанию"), "btnDefaultRange");
        row->addStretch();
        layout->addLayout(row);
        connect(btnApplyRange, &QPushButton::clicked, this,
                [this] { emit UpperFrequencyTyped(edtUpperFrequency->text()); });
        connect(btnSuggestRange, &QPushButton::clicked, this,
                &TAnalysisWindow::SuggestedRangeRequested);
        connect(btnDefaultRange, &QPushButton::clicked, this,
                &TAnalysisWindow::DefaultRangeRequested);
    }
    if (!parts.marksCaption.isEmpty() || !parts.plotRefusedCaption.isEmpty()) {
        auto* row = new QHBoxLayout;
        if (!parts.marksCaption.isEmpty()) {
            chkMarks = new QCheckBox(parts.marksCaption);
            chkMarks->setObjectName(QStringLiteral("chkMarks"));
            row->addWidget(chkMarks);
            connect(chkMarks, &QCheckBox::toggled, this, &TAnalysisWindow::MarksToggled);
        }
        row->addStretch();
        if (!parts.plotRefusedCaption.isEmpty()) {
            btnPlotRefused = AddButton(row, parts.plotRefusedCaption, "btnPlotRefused");
            btnPlotRefused->setEnabled(false);
            connect(btnPlotRefused, &QPushButton::clicked, this,
                    &TAnalysisWindow::PlotRefusedRequested);
        }
        layout->addLayout(row);
    }

    Report = new QPlainTextEdit;
    Report->setObjectName(QStringLiteral("Report"));
    Report->setReadOnly(true);
    Report->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Report->setMinimumSize(600, 320);
    layout->addWidget(Report, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnCopy = AddButton(buttons, QStringLiteral("Копировать текст"), "btnCopy");
    btnSave = AddButton(buttons, QStringLiteral("Сохранить текст…"), "btnSave");
    btnClose = AddButton(buttons, QStringLiteral("Закрыть"), "btnClose");
    layout->addLayout(buttons);
    connect(btnCopy, &QPushButton::clicked, this, [this] { RunGuarded([this] { CopyText(); }); });
    connect(btnSave, &QPushButton::clicked, this, [this] { RunGuarded([this] { SaveText(); }); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
}

void TAnalysisWindow::SetText(const QString& text) {
    // Laying the text out again is most of what the analysis adds to a run: a run of the
    // same system (Enter pressed again, a zoom undone) keeps the text as it is.
    if (text == Report->toPlainText())
        return;
    // The place the student was reading stays where it was when a run brings new numbers.
    const int scrolled = Report->verticalScrollBar()->value();
    Report->setPlainText(text);
    Report->verticalScrollBar()->setValue(scrolled);
}

QString TAnalysisWindow::Text() const {
    return Report->toPlainText();
}

void TAnalysisWindow::ShowUpperFrequency(double value, double labDefault) {
    if (edtUpperFrequency)
        edtUpperFrequency->setText(FrequencyText(value));
    if (btnDefaultRange)
        btnDefaultRange->setText(QStringLiteral("По умолчанию (") + FrequencyText(labDefault) +
                                 QLatin1Char(')'));
}

void TAnalysisWindow::EnablePlotRefused(bool enabled) {
    if (btnPlotRefused)
        btnPlotRefused->setEnabled(enabled);
}

void TAnalysisWindow::ShowBesideLab() {
    if (!placed_) {
        QWidget* lab = parentWidget();
        adjustSize();
        const QRect beside = lab->frameGeometry();
        const QRect screen = lab->screen() ? lab->screen()->availableGeometry() : QRect();
        QPoint at(beside.right() + 8, beside.top());
        if (screen.isValid() && at.x() + frameGeometry().width() > screen.right())
            at = QPoint(std::max(screen.left(), screen.right() - frameGeometry().width()),
                        beside.top() + 48);
        move(at);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

QAction* AddAnalysisAction(QWidget* lab) {
    auto* action = new QAction(QStringLiteral("Анализ…"), lab);
    action->setObjectName(QStringLiteral("AnalysisAction"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    lab->addAction(action);
    return action;
}

bool TAnalysisWindow::MarksOn() const {
    return chkMarks && chkMarks->isChecked();
}

void TAnalysisWindow::CopyText() {
    QApplication::clipboard()->setText(Text());
}

void TAnalysisWindow::SaveText() {
    // The text is taken before the dialog: what is saved is the analysis the user asked for.
    const QByteArray text = Text().toUtf8();
    SaveFileAs(this, QStringLiteral("Сохранить анализ"), saveName_,
               {{QStringLiteral("Текст (*.txt)"), QStringLiteral("txt")}},
               [text](QIODevice& file, int) { return file.write(text) == text.size(); });
}

bool TAnalysisWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edtUpperFrequency || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const QString text = TypedText(keyEvent);
    const int code = keyEvent->key();
    if (text.isEmpty() || code == Qt::Key_Tab || code == Qt::Key_Backtab || code == Qt::Key_Delete)
        return false;
    // The field takes a frequency as the coefficient fields take numbers: digits and
    // the regional separator ('.' and ',' both become it); Enter plots, Esc closes.
    const KeystrokeOutcome outcome = FilterKeystroke(text.at(0), false, DecimalSeparator());
    if (outcome.run) {
        emit UpperFrequencyTyped(edtUpperFrequency->text());
        return true;
    }
    if (outcome.exit) {
        close();
        return true;
    }
    if (outcome.key.isNull())
        return true;
    if (outcome.key == text.at(0) && text.size() == 1)
        return false;
    edtUpperFrequency->insert(QString(outcome.key));
    return true;
}
