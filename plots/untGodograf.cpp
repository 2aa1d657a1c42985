#include "plots/untGodograf.h"

TfrmGodograf* frmGodograf = nullptr;

namespace {
LabPanelLayout PanelLayout() {
    LabPanelLayout layout;
    layout.panelLeft = 451;
    layout.panelWidth = 181;
    layout.fieldWidth = 97;
    layout.runCaption = QStringLiteral("Построить график");
    layout.hasNumerator = false;
    layout.minusAllowed = true;
    layout.replaceFullStops = false;
    return layout;
}
} // namespace

TfrmGodograf::TfrmGodograf() : TLabForm(QStringLiteral("Годограф Михайлова"), QSize(632, 446), PanelLayout()) {
    setObjectName(QStringLiteral("frmGodograf"));
}

void TfrmGodograf::lblRunClick() {
    if (!CheckFieldsFilled())
        return;
    for (const QLineEdit* field : CoefficientFields())
        ReadCoefficient(field);
}

void OpenGodograf() { OpenLabForm(frmGodograf); }
