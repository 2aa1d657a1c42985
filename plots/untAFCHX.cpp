#include "plots/untAFCHX.h"

TfrmAFCHX* frmAFCHX = nullptr;

namespace {
LabPanelLayout PanelLayout() {
    LabPanelLayout layout;
    layout.panelLeft = 444;
    layout.panelWidth = 198;
    layout.fieldWidth = 79;
    layout.runCaption = QStringLiteral("Построить график");
    layout.hasNumerator = true;
    layout.minusAllowed = true;
    layout.replaceFullStops = true;
    return layout;
}
} // namespace

TfrmAFCHX::TfrmAFCHX() : TLabForm(QStringLiteral("АФЧХ"), QSize(642, 446), PanelLayout()) {
    setObjectName(QStringLiteral("frmAFCHX"));
}

void TfrmAFCHX::lblRunClick() {
    if (!CheckFieldsFilled())
        return;
    for (const QLineEdit* field : CoefficientFields())
        ReadCoefficient(field);
}

void OpenAFCHX() { OpenLabForm(frmAFCHX); }
