#pragma once

// Test support: a lab window with the common panel whose run handler records what
// it read (a pasted '.' read as the decimal separator, as the root lab reads it), so
// that tests can see the values that the fields give.

#include "forms/LabForm.h"
#include "ground/ParseReal.h"
#include "ground/Regional.h"

#include <QLineEdit>
#include <QList>

class RecordingForm : public TLabForm {
  public:
    explicit RecordingForm(const LabPanelLayout& layout = CommaLayout())
        : TLabForm(QStringLiteral("Проба"), QSize(642, 446), layout) {}

    static LabPanelLayout CommaLayout() {
        LabPanelLayout layout;
        layout.runCaption = QStringLiteral("Рассчитать");
        return layout;
    }

    void lblRunClick() override {
        ++runs;
        if (!CheckFieldsFilled())
            return;
        values.clear();
        for (const QLineEdit* field : CoefficientFields())
            values << ParseCoefficient(ReplaceFullStops(field->text(), DecimalSeparator()));
        ++completed;
    }

    int runs = 0;      // every call of the run handler
    int completed = 0; // runs that read every field
    QList<double> values;
};
