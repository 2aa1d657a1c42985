#include "rootlab/untLaguerre.h"

#include "forms/ReportException.h"
#include "ground/FloatEnv.h"
#include "ground/ParseReal.h"
#include "ground/Regional.h"
#include "reports/RootLabReport.h"
#include "rootlab/ReportMemo.h"
#include "roots/RootLabRun.h"
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
    RunRootSearch(a0, a1, a2, a3);
    ShowRootReport(Status);
    searched_ = true;
    RefreshAnalysis();
}

void TfrmLaguerre::ShowAnalysis() {
    if (!Analysis)
        Analysis = new TAnalysisWindow(this, windowTitle(), windowTitle(), {});
    RefreshAnalysis();
    Analysis->ShowBesideLab();
}

void TfrmLaguerre::RefreshAnalysis() {
    if (!Analysis)
        return;
    if (!searched_) {
        Analysis->SetText(QStringLiteral("Анализ появится после расчёта: введите коэффициенты и "
                                         "нажмите Enter.\n"));
        return;
    }
    // The analysis may not touch the faults the program reads: the scope keeps them.
    TFloatStateScope scope;
    const TRootLabCoefficients coefficients{a0, a1, a2, a3};
    std::vector<TFoundRoot> roots;
    for (int k = 1; k <= RootCount && k <= 3; ++k)
        roots.push_back({Roots[k].Re, Roots[k].Im});
    Analysis->SetText(
        RootLabReport(coefficients, AnalyseRootLab(coefficients), roots, Status == rsOk).Text());
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
