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
    ~TfrmMain() override;

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
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Enter clicks the focused push button, else the default "Запустить"; Esc
    // clicks the cancel button "Выход"; with Shift, Ctrl or Alt neither does anything.
    void HandleEnterOrEscape(QKeyEvent* event);
    // The arrow keys move the focus among the radio buttons and select the one reached.
    bool MoveAmongRadios(QRadioButton* from, int key);
};

extern TfrmMain* frmMain;
