#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class LinkLabel;

// What differs between the coefficient panels of the four lab windows.
struct LabPanelLayout {
    int panelLeft = 444;
    int panelWidth = 198;
    int fieldWidth = 79;       // W: width of the a-fields
    QString runCaption;        // caption of lblRun
    bool hasNumerator = false; // b1..b3 fields (Nyquist window)
    bool minusAllowed = true;  // the filter admits '-'
};

// A lab window: the common frame, modal, with the right-hand coefficient panel
// Panel1 (heading, labelled fields, bevel, run and back links) and its keystroke
// filter. Subclasses fill the area left of the panel and implement lblRunClick.
class TLabForm : public QDialog {
    Q_OBJECT
  public:
    TLabForm(const QString& caption, const QSize& clientSize, const LabPanelLayout& layout);

    // Shows the window modally, centred on the screen, with the focus in edta0.
    // The program's other windows are disabled for the whole run and enabled
    // again afterwards; the window that was active before gets the activation and
    // its focus back. Returns the result code once the window has closed.
    int ShowModal();
#ifdef Q_OS_WASM
    // The same in the browser, which runs one nested event loop at most, and the
    // window's message boxes need it: the window is shown modally without a loop of
    // its own and this returns at once. Once it has closed and the other windows are
    // back, `closed` is called, and the window is destroyed.
    void ShowModalWithoutLoop(std::function<void()> closed);
#endif

    // The run handler: the click of lblRun, and Enter in a field.
    virtual void lblRunClick() = 0;
    // The back link: the window's modal run ends with "cancel".
    void lblExitClick();
    // The keystroke filter shared by every field; key may be replaced or set to null.
    void edta0KeyPress(QChar& key);

    // The fields in the order in which a run tests and reads them.
    QList<QLineEdit*> CoefficientFields() const;

    // The lab's analysis, in a window beside the lab's (nothing where a lab has none).
    virtual void ShowAnalysis() {}

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* edta0 = nullptr;
    QLineEdit* edta1 = nullptr;
    QLineEdit* edta2 = nullptr;
    QLineEdit* edta3 = nullptr;
    QLineEdit* edtb1 = nullptr;
    QLineEdit* edtb2 = nullptr;
    QLineEdit* edtb3 = nullptr;
    QFrame* Bevel1 = nullptr;
    LinkLabel* lblRun = nullptr;
    LinkLabel* lblExit = nullptr;
    // «Анализ…», Ctrl+Shift+A: anywhere in the window, and in the context menu of the
    // coefficient panel (a right click beside the fields), the same in every lab.
    QAction* AnalysisAction = nullptr;

  protected:
    // The first step of every run: false (after the notice) when a field is empty.
    bool CheckFieldsFilled();

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Every way of closing (back link, Esc in a field, close box, system menu,
    // Alt+F4) ends the modal run with "cancel" (2).
    void reject() override;
    // Enter and Esc act only inside the fields (through the filter): the window
    // itself takes no keys, unlike a dialog that closes on Esc anywhere.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLineEdit* AddField(const QString& caption, int left, int top, int width);
    void RunFromUser();

    LabPanelLayout layout_;
};

// Creates a lab window, keeps the unit's global reference set while it exists,
// shows it modally centred on the screen, destroys it and clears the reference.
// A window whose construction fails leaves the reference null; the error goes on
// to the caller's report. In the browser this returns while the window is open, and
// the rest follows once it has closed.
template <class Form> void OpenLabForm(Form*& reference) {
#ifdef Q_OS_WASM
    reference = nullptr;
    Form* const form = new Form();
    reference = form;
    Form** const held = &reference; // a unit's global: it outlives the window
    form->ShowModalWithoutLoop([held, form] {
        if (*held == form)
            *held = nullptr;
    });
#else
    struct Clear {
        Form*& ref;
        ~Clear() {
            delete ref;
            ref = nullptr;
        }
    } clear{reference};
    reference = nullptr;
    reference = new Form();
    reference->ShowModal();
#endif
}
