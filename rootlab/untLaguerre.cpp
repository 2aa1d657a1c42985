#include "rootlab/untLaguerre.h"

#include "ground/ParseReal.h"
#include "ground/Regional.h"
#include "rootlab/ReportMemo.h"
#include "roots/RootReport.h"

#include <QLineEdit>

TfrmLaguerre* frmLaguerre = nullptr;

namespace {

constexpr int kMemoWidth = 444;
constexpr int kClientHeight = 446;

LabPanelLayout PanelLayout() {
    LabPanelLayout layout;
    layout.panelLeft = 444;
    layout.panelWidth = 198;
    layout.fieldWidth = 79;
    layout.runCaption = QStringLiteral("Рассчитать");
    layout.hasNumerator = false;
    layout.minusAllowed = true;
    return layout;
}

// Entry k of the polynomial is the coefficient of p^k: entry 0 holds a0, not a3.
TCoeffArray RealCoefficients(double c0, double c1, double c2, double c3) {
    TCoeffArray a;
    a[0] = {c0, 0.0};
    a[1] = {c1, 0.0};
    a[2] = {c2, 0.0};
    a[3] = {c3, 0.0};
    return a;
}

// A pasted '.' is read as the decimal separator too, as in the Nyquist lab.
double ReadField(const QLineEdit* field) {
    return ParseCoefficient(ReplaceFullStops(field->text(), DecimalSeparator()));
}

} // namespace

TfrmLaguerre::TfrmLaguerre()
    : TLabForm(QStringLiteral("Определение корней"), QSize(642, kClientHeight), PanelLayout()) {
    setObjectName(QStringLiteral("frmLaguerre"));
    Memo = new TReportMemo(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setGeometry(0, 0, kMemoWidth, kClientHeight);
    setTabOrder(edta3, Memo);
}

void TfrmLaguerre::lblRunClick() {
    if (!CheckFieldsFilled())
        return;
    a0 = ReadField(edta0);
    a1 = ReadField(edta1);
    a2 = ReadField(edta2);
    a3 = ReadField(edta3);
    ResetRootState();
    LoadRootState();
    FindRoots();
    ShowRootReport(Status);
}

void TfrmLaguerre::LoadRootState() {
    Degree = 3;
    Coefficients = RealCoefficients(a0, a1, a2, a3);
    StartPoint = {0.0, 0.0};
    // 1 / 10^8, i.e. 1e-8.
    Tolerance = 1.0 / 1e8;
    IterationLimit = 100;
    WorkDegree = Degree;
    WorkCoefficients = Coefficients;
}

void OpenLaguerre() {
    OpenLabForm(frmLaguerre);
}

void ShowRootReport(TRootStatus status) {
    if (!frmLaguerre)
        return;
    frmLaguerre->Memo->ShowLines(
        RootReportLines(status, RootCount, Roots, IterationLimit, RegionalNumberSeparators()));
}
