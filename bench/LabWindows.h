#pragma once

// The four lab windows with their worked examples, for the benchmarks: created
// directly (not through the selector), filled, and the axis-line series emptied
// between runs so that every measured run sees the state of a first run.

#include "chart/Chart.h"
#include "forms/LabForm.h"
#include "plots/PlotLabForm.h"
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
    if (auto* plot = qobject_cast<TPlotLabForm*>(&form)) {
        plot->HorizontalAxisLine()->ClearPoints();
        plot->VerticalAxisLine()->ClearPoints();
    }
}

inline TChart* ChartOfLab(TLabForm& form) {
    auto* plot = qobject_cast<TPlotLabForm*>(&form);
    return plot ? plot->Chart : nullptr;
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
