#include "forms/LabForm.h"

#include "forms/AnalysisWindow.h"
#include "forms/FormStyle.h"
#include "forms/KeystrokeFilter.h"
#include "forms/LinkLabel.h"
#include "forms/OtherWindowsDisabled.h"
#include "forms/ReportException.h"
#include "forms/ShowNotice.h"
#include "ground/Regional.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>

namespace {

constexpr int kFieldHeight = 21;
constexpr int kCaptionGap = 13 + 3; // the caption label sits this far above its field

// A raised horizontal line along the top edge of its strip.
class TopLineBevel : public QFrame {
  public:
    using QFrame::QFrame;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(0, 1, width() - 1, 1);
    }
};

} // namespace

TLabForm::TLabForm(const QString& caption, const QSize& clientSize, const LabPanelLayout& layout)
    : layout_(layout) {
    ApplyFormFrame(this, clientSize);
    setWindowTitle(caption);
    setModal(true);
    setSizeGripEnabled(false);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(layout.panelLeft, 0, layout.panelWidth, clientSize.height());

    Label1 = new QLabel(QStringLiteral("Введите коэффициенты"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont headingFont = Label1->font();
    headingFont.setUnderline(true);
    Label1->setFont(headingFont);
    Label1->move(16, 24);
    Label1->adjustSize();

    edta0 = AddField(QStringLiteral("a0"), 16, 80, layout.fieldWidth);
    edta1 = AddField(QStringLiteral("a1"), 16, 128, layout.fieldWidth);
    edta2 = AddField(QStringLiteral("a2"), 16, 176, layout.fieldWidth);
    edta3 = AddField(QStringLiteral("a3"), 16, 224, layout.fieldWidth);
    if (layout.hasNumerator) {
        edtb1 = AddField(QStringLiteral("b1"), 103, 127, 79);
        edtb2 = AddField(QStringLiteral("b2"), 103, 175, 79);
        edtb3 = AddField(QStringLiteral("b3"), 103, 223, 79);
    }
    edta0->setObjectName(QStringLiteral("edta0"));
    edta1->setObjectName(QStringLiteral("edta1"));
    edta2->setObjectName(QStringLiteral("edta2"));
    edta3->setObjectName(QStringLiteral("edta3"));
    if (layout.hasNumerator) {
        edtb1->setObjectName(QStringLiteral("edtb1"));
        edtb2->setObjectName(QStringLiteral("edtb2"));
        edtb3->setObjectName(QStringLiteral("edtb3"));
    }

    Bevel1 = new TopLineBevel(Panel1);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(0, 344, layout.panelWidth, 17);

    lblRun = new LinkLabel(layout.runCaption, Panel1);
    lblRun->setObjectName(QStringLiteral("lblRun"));
    lblRun->move(16, 360);
    lblRun->adjustSize();
    connect(lblRun, &LinkLabel::clicked, this, &TLabForm::RunFromUser);

    lblExit = new LinkLabel(QStringLiteral("Назад"), Panel1);
    lblExit->setObjectName(QStringLiteral("lblExit"));
    lblExit->move(16, 392);
    lblExit->adjustSize();
    connect(lblExit, &LinkLabel::clicked, this, [this] { RunGuarded([this] { lblExitClick(); }); });

    AnalysisAction = AddAnalysisAction(this);
    connect(AnalysisAction, &QAction::triggered, this,
            [this] { RunGuarded([this] { ShowAnalysis(); }); });
    // The panel's own menu: the fields keep theirs, and a click beside them (on the
    // heading, the captions, the picture) reaches the panel.
    Panel1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Panel1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        auto* menu = new QMenu(this);
        menu->setObjectName(QStringLiteral("PanelMenu"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addAction(AnalysisAction);
        menu->popup(Panel1->mapToGlobal(at));
    });

    // Tab order inside the panel follows the fields' order.
    const QList<QLineEdit*> fields = CoefficientFields();
    for (qsizetype i = 1; i < fields.size(); ++i)
        setTabOrder(fields[i - 1], fields[i]);
}

QLineEdit* TLabForm::AddField(const QString& caption, int left, int top, int width) {
    auto* field = new QLineEdit(Panel1);
    field->setGeometry(left, top, width, kFieldHeight);
    auto* label = new QLabel(caption, Panel1);
    label->setObjectName(QStringLiteral("caption_") + caption);
    label->move(left, top - kCaptionGap);
    label->adjustSize();
    label->setBuddy(field);
    field->installEventFilter(this);
    return field;
}

QList<QLineEdit*> TLabForm::CoefficientFields() const {
    QList<QLineEdit*> fields{edta0, edta1, edta2, edta3};
    if (layout_.hasNumerator)
        fields << edtb1 << edtb2 << edtb3;
    return fields;
}

int TLabForm::ShowModal() {
    TOtherWindowsDisabled others(this);
    CentreOnScreen(this);
    edta0->setFocus();
    const int code = exec();
    others.Restore();
    return code;
}

void TLabForm::lblExitClick() {
    done(2);
}

void TLabForm::reject() {
    done(2);
}

void TLabForm::keyPressEvent(QKeyEvent* event) {
    QWidget::keyPressEvent(event);
}

void TLabForm::RunFromUser() {
    RunGuarded([this] { lblRunClick(); });
}

void TLabForm::edta0KeyPress(QChar& key) {
    const KeystrokeOutcome outcome = FilterKeystroke(key, layout_.minusAllowed, DecimalSeparator());
    if (outcome.run) {
        key = QChar(); // dropped whether the run succeeds or fails
        lblRunClick();
    }
    if (outcome.exit)
        lblExitClick();
    key = outcome.key;
}

bool TLabForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    auto* field = qobject_cast<QLineEdit*>(watched);
    const QString text = TypedText(keyEvent);
    // Keys that produce no character (arrows, Home, End, Delete, Tab) pass untouched.
    const int code = keyEvent->key();
    if (!field || text.isEmpty() || code == Qt::Key_Tab || code == Qt::Key_Backtab ||
        code == Qt::Key_Delete)
        return QDialog::eventFilter(watched, event);

    QChar key = text.at(0);
    const QChar original = key;
    RunGuarded([&] { edta0KeyPress(key); });
    if (original.unicode() == 13 || original.unicode() == 27)
        return true; // never reaches the field, also after an error
    if (key.isNull())
        return true;
    if (key == original && text.size() == 1)
        return false; // the field handles the character itself
    // A replaced character, or the first of a composed sequence (the rest is not
    // looked at, so it never reaches the field).
    field->insert(QString(key));
    return true;
}

bool TLabForm::CheckFieldsFilled() {
    for (const QLineEdit* field : CoefficientFields()) {
        if (field->text().isEmpty()) {
            ShowNotice(QStringLiteral("Пожалуйста, введите коэффициенты."));
            return false;
        }
    }
    return true;
}
