#include "app/untMain.h"

#include "app/FocusMarkButton.h"
#include "forms/FormStyle.h"
#include "forms/ReportException.h"
#include "plots/untAFCHX.h"
#include "plots/untDRazb.h"
#include "plots/untGodograf.h"
#include "rootlab/untLaguerre.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

TfrmMain* frmMain = nullptr;

namespace {

QRadioButton* AddRadio(QGroupBox* group, const char* name, const QString& caption, int top,
                       int width) {
    auto* radio = new QRadioButton(caption, group);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(16, top, width, 17);
    return radio;
}

QPushButton* AddButton(QWidget* form, const char* name, const QString& caption, int left) {
    auto* button = new TFocusMarkButton(caption, form);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 184, 77, 23);
    button->setAutoDefault(false);
    return button;
}

bool HasModifier(const QKeyEvent* event) {
    return event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

bool IsEnterOrEscape(const QKeyEvent* event) {
    const int key = event->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace

TfrmMain::TfrmMain() {
    frmMain = this;
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Теория управления"));
    ApplyFormFrame(this, QSize(265, 216));
    setAttribute(Qt::WA_QuitOnClose);

    GroupBox1 = new QGroupBox(QStringLiteral("Выберите лабораторную работу"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 16, 249, 161);
    radLaguer = AddRadio(GroupBox1, "radLaguer", QStringLiteral("Определение корней"), 32, 222);
    radGodograf = AddRadio(GroupBox1, "radGodograf", QStringLiteral("Годограф Михайлова"), 64, 225);
    radAFCHH = AddRadio(GroupBox1, "radAFCHH", QStringLiteral("АФЧХ разомкнутой САУ"), 96, 225);
    radDRazb = AddRadio(GroupBox1, "radDRazb", QStringLiteral("Д-разбиение"), 128, 222);
    radLaguer->setChecked(true);

    btnExit = AddButton(this, "btnExit", QStringLiteral("Выход"), 179);
    Button2 = AddButton(this, "Button2", QStringLiteral("Запустить"), 96);
    Button2->setDefault(true);
    connect(btnExit, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { btnExitClick(); }); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { Button2Click(); }); });

    setTabOrder(radLaguer, radGodograf);
    setTabOrder(radGodograf, radAFCHH);
    setTabOrder(radAFCHH, radDRazb);
    setTabOrder(radDRazb, btnExit);
    setTabOrder(btnExit, Button2);

    // Enter and Esc are the window's: a focused push button must not act on them
    // by itself (a default button would click even with Shift held).
    for (QWidget* control : {static_cast<QWidget*>(radLaguer), static_cast<QWidget*>(radGodograf),
                             static_cast<QWidget*>(radAFCHH), static_cast<QWidget*>(radDRazb),
                             static_cast<QWidget*>(btnExit), static_cast<QWidget*>(Button2)})
        control->installEventFilter(this);

    CentreOnScreen(this);
}

TfrmMain::~TfrmMain() {
    if (frmMain == this)
        frmMain = nullptr;
}

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!focusWidget())
        radLaguer->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::Button2Click() {
    if (radLaguer->isChecked()) {
        OpenLaguerre();
        return;
    }
    if (radGodograf->isChecked())
        OpenGodograf();
    else if (radAFCHH->isChecked())
        OpenAFCHX();
    else if (radDRazb->isChecked())
        OpenDRazb();
}

void TfrmMain::btnExitClick() {
    close();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    // A disabled selector (a lab window is open) takes no keys at all.
    if (event->type() == QEvent::KeyPress && isEnabled()) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (IsEnterOrEscape(keyEvent)) {
            HandleEnterOrEscape(keyEvent);
            return true;
        }
        if (auto* radio = qobject_cast<QRadioButton*>(watched);
            radio && MoveAmongRadios(radio, keyEvent->key()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool TfrmMain::MoveAmongRadios(QRadioButton* from, int key) {
    int step = 0;
    if (key == Qt::Key_Down || key == Qt::Key_Right)
        step = 1;
    else if (key == Qt::Key_Up || key == Qt::Key_Left)
        step = -1;
    if (step == 0)
        return false;
    // Down and Right go to the next button of the group, Up and Left to the
    // previous one, round the end; the button reached is selected.
    const QList<QRadioButton*> group{radLaguer, radGodograf, radAFCHH, radDRazb};
    const qsizetype count = group.size();
    QRadioButton* to = group[(group.indexOf(from) + step + count) % count];
    to->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    to->setChecked(true);
    return true;
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
    if (IsEnterOrEscape(event) && isEnabled())
        HandleEnterOrEscape(event);
    else
        QWidget::keyPressEvent(event);
}

void TfrmMain::HandleEnterOrEscape(QKeyEvent* event) {
    event->accept();
    if (HasModifier(event))
        return;
    if (event->key() == Qt::Key_Escape) {
        btnExit->click();
        return;
    }
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    (focused ? focused : Button2)->click();
}
