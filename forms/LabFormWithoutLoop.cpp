#include "forms/LabForm.h"

#include "forms/FormStyle.h"
#include "forms/OtherWindowsDisabled.h"

#include <QLineEdit>

#include <memory>

void TLabForm::ShowModalWithoutLoop(std::function<void()> closed) {
    const auto others = std::make_shared<TOtherWindowsDisabled>(this);
    CentreOnScreen(this);
    edta0->setFocus();
    // Every way of closing ends in done(), which hides the window and says so.
    connect(this, &QDialog::finished, this, [this, others, closed] {
        others->Restore();
        closed();
        deleteLater();
    });
    show(); // modal (the constructor made it so), without a loop
}
