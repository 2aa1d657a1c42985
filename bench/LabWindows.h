#pragma once

// The four lab windows with their worked examples, for the benchmarks: created
// directly (not through the selector), filled, and the axis-line series emptied
// between runs so that every measured run sees the state of a first run.

#include "chart/Chart.h"
#include "forms/LabForm.h"
#include "plots/untAFCHX.h"
#include "plots/untDRazb.h"
#include "plots/untGodograf.h"
#include "rootlab/untLaguerre.h"

#include <QLineEdit>
#include <QStringList>

#include <memory>

inline void FillFields(TLabForm& form, const QStringList& texts) {
    const QList<QLineEdit*> fields = form.CoefficientFields();
    for (qsizetype i = 0; i < fields.size(); ++i)
        fields[i]->setText(texts[i]);
}

// The series a run never clears, which otherwise grow by two points a run.
inline void ClearAxisLines(TLabForm& form) {
    if (auto* f = qobject_cast<TfrmGodograf*>(&form)) {
        f->Series3->ClearPoints();
        f->Series4->ClearPoints();
    } else if (auto* f = qobject_cast<TfrmAFCHX*>(&form)) {
        f->Series2->ClearPoints();
        f->Series3->ClearPoints();
    } else if (auto* f = qobject_cast<TfrmDRazb*>(&form)) {
        f->Series3->ClearPoints();
        f->Series4->ClearPoints();
    }
}

inline TChart* ChartOfLab(TLabForm& form) {
    if (auto* f = qobject_cast<TfrmGodograf*>(&form))
        return f->Chart;
    if (auto* f = qobject_cast<TfrmAFCHX*>(&form))
        return f->Chart;
    if (auto* f = qobject_cast<TfrmDRazb*>(&form))
        return f->Chart;
    return nullptr;
}

enum class Lab { Roots, Hodograph, Nyquist, DPartition };

inline std::unique_ptr<TLabForm> MakeLab(Lab lab) {
    std::unique_ptr<TLabForm> form;
    QStringList texts{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("3"),
                      QStringLiteral("1")};
    switch (lab) {
    case Lab::Roots:
        form = std::make_unique<TfrmLaguerre>();
        texts = {QStringLiteral("-6"), QStringLiteral("11"), QStringLiteral("-6"),
                 QStringLiteral("1")};
        break;
    case Lab::Hodograph:
        form = std::make_unique<TfrmGodograf>();
        break;
    case Lab::Nyquist:
        form = std::make_unique<TfrmAFCHX>();
        texts << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("1");
        break;
    case Lab::DPartition:
        form = std::make_unique<TfrmDRazb>();
        break;
    }
    FillFields(*form, texts);
    return form;
}
