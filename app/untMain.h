#pragma once

#include <QWidget>

class QGroupBox;
class QPushButton;
class QRadioButton;

// The lab selector: four radio buttons in one group and two push buttons.
// "Запустить" (the default button) opens the selected lab modally; "Выход" (the
// cancel button) ends the program.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    TfrmMain();

    void Button2Click();
    void btnExitClick();

    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* radLaguer = nullptr;
    QRadioButton* radGodograf = nullptr;
    QRadioButton* radAFCHH = nullptr;
    QRadioButton* radDRazb = nullptr;
    QPushButton* btnExit = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

extern TfrmMain* frmMain;
