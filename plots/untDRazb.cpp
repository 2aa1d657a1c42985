#include "plots/untDRazb.h"

TfrmDRazb* frmDRazb = nullptr;

namespace {
LabPanelLayout PanelLayout() {
    LabPanelLayout layout;
    layout.panelLeft = 451;
    layout.panelWidth = 181;
    layout.fieldWidth = 97;
    layout.runCaption = QStringLiteral("Построить график");
    layout.hasNumerator = false;
    layout.minusAllowed = false;
    layout.replaceFullStops = false;
    return layout;
}
} // namespace

TfrmDRazb::TfrmDRazb() : TLabForm(QStringLiteral("Д-разбиение"), QSize(632, 446), PanelLayout()) {
    setObjectName(QStringLiteral("frmDRazb"));
}

void TfrmDRazb::lblRunClick() {
    if (!CheckFieldsFilled())
        return;
    for (const QLineEdit* field : CoefficientFields())
        ReadCoefficient(field);
}

void OpenDRazb() { OpenLabForm(frmDRazb); }
