#include "roots/untLaguerre.h"

TfrmLaguerre* frmLaguerre = nullptr;

namespace {
LabPanelLayout PanelLayout() {
    LabPanelLayout layout;
    layout.panelLeft = 444;
    layout.panelWidth = 198;
    layout.fieldWidth = 79;
    layout.runCaption = QStringLiteral("Рассчитать");
    layout.hasNumerator = false;
    layout.minusAllowed = true;
    layout.replaceFullStops = true;
    return layout;
}
} // namespace

TfrmLaguerre::TfrmLaguerre() : TLabForm(QStringLiteral("Определение корней"), QSize(642, 446), PanelLayout()) {
    setObjectName(QStringLiteral("frmLaguerre"));
}

void TfrmLaguerre::lblRunClick() {
    if (!CheckFieldsFilled())
        return;
    for (const QLineEdit* field : CoefficientFields())
        ReadCoefficient(field);
}

void OpenLaguerre() { OpenLabForm(frmLaguerre); }
