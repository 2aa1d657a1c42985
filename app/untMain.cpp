#include "app/untMain.h"

#include "input/FormStyle.h"
#include "input/ReportException.h"
#include "plots/untAFCHX.h"
#include "plots/untDRazb.h"
#include "plots/untGodograf.h"
#include "roots/untLaguerre.h"

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
    auto* button = new QPushButton(caption, form);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 184, 77, 23);
    button->setAutoDefault(false);
    return button;
}

bool HasModifier(const QKeyEvent* event) {
    return event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
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
    connect(btnExit, &QPushButton::clicked, this, [this] { RunGuarded([this] { btnExitClick(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { RunGuarded([this] { Button2Click(); }); });

    setTabOrder(radLaguer, radGodograf);
    setTabOrder(radGodograf, radAFCHH);
    setTabOrder(radAFCHH, radDRazb);
    setTabOrder(radDRazb, btnExit);
    setTabOrder(btnExit, Button2);
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

void TfrmMain::btnExitClick() { close(); }

void TfrmMain::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool escape = key == Qt::Key_Escape;
    if (!enter && !escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (HasModifier(event))
        return;
    if (escape) {
        btnExit->click();
        return;
    }
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    (focused ? focused : Button2)->click();
}
