#pragma once

#include <QDialog>
#include <QString>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The analysis of a lab beside its window: the text of the analysis, which can be
// selected, copied and saved as plain text for a report, and, for a plotting lab, the
// upper frequency of its chart, the marks on the chart and (for the hodograph) the curve
// of a system the lab's own test refuses. A window of its own, owned by the lab window:
// it stays over it and goes with it, and the lab window stays usable meanwhile (the
// student changes a coefficient, presses Enter and reads the new analysis here).
class TAnalysisWindow : public QDialog {
    Q_OBJECT
  public:
    // What a lab offers besides the text.
    struct TParts {
        bool frequencyRange = false; // the upper frequency, chosen or suggested
        QString marksCaption;        // the marks' switch; none when empty
        QString plotRefusedCaption;  // the button that plots a refused system; none when empty
    };

    // `title`: the lab's caption; `saveName`: the name the save dialog suggests.
    TAnalysisWindow(QWidget* lab, const QString& title, const QString& saveName,
                    const TParts& parts);

    // The analysis shown, as plain text (lines ended by line feeds).
    void SetText(const QString& text);
    QString Text() const;
    // The upper frequency the chart shows now, and the lab's own.
    void ShowUpperFrequency(double value, double labDefault);
    // Whether the refused system can be plotted (its run stopped at the lab's notice).
    void EnablePlotRefused(bool enabled);
    bool MarksOn() const;

    void CopyText();
    void SaveText();
    // Shows the window, the first time beside its lab window where the screen has room
    // (over the lab window's right part otherwise), and brings it to the front.
    void ShowBesideLab();

    QPlainTextEdit* Report = nullptr;
    QLineEdit* edtUpperFrequency = nullptr;
    QPushButton* btnApplyRange = nullptr;
    QPushButton* btnSuggestRange = nullptr;
    QPushButton* btnDefaultRange = nullptr;
    QCheckBox* chkMarks = nullptr;
    QPushButton* btnPlotRefused = nullptr;
    QPushButton* btnCopy = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnClose = nullptr;

  signals:
    // The text of the upper-frequency field, on Enter there or «Построить».
    void UpperFrequencyTyped(const QString& text);
    void SuggestedRangeRequested();
    void DefaultRangeRequested();
    void MarksToggled(bool on);
    void PlotRefusedRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString saveName_;
    bool placed_ = false;
};

// «Анализ…» with Ctrl+Shift+A, the same in every lab: added to `lab` so that its shortcut
// works wherever the focus is in the lab window; the caller connects it and puts it in
// the lab's context menu.
QAction* AddAnalysisAction(QWidget* lab);
