#pragma once

#include "input/LabForm.h"

class TfrmLaguerre : public TLabForm {
    Q_OBJECT
public:
    TfrmLaguerre();
    void lblRunClick() override;

    double a0 = 0, a1 = 0, a2 = 0, a3 = 0;
};

// The window while it exists; null before its first opening and after each closing.
extern TfrmLaguerre* frmLaguerre;

void OpenLaguerre();
