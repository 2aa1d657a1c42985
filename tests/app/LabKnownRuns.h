#pragma once

#include "chart/Chart.h"
#include "forms/LabForm.h"
#include "plots/untAFCHX.h"
#include "plots/untDRazb.h"
#include "plots/untGodograf.h"
#include "rootlab/untLaguerre.h"
#if __has_include("roots/ReportMemo.h")
#include "rootlab/ReportMemo.h"
#define LABS_HAS_REPORT_MEMO 1
#endif

#include <QList>
#include <QStringList>

#include <cmath>

#include <functional>

// One worked example per lab: the selector's radio button, the window's global
// reference, the coefficients as typed, and a check of the result the window shows
// (an empty string when it is right). Used to prove that a window still works after
// it has been stressed.
struct KnownRun {
    QString radio;
    std::function<QWidget*()> reference;
    QStringList coefficients;
    std::function<QString(TLabForm*)> verify;
};

inline QString CompareLines(const QStringList& actual, const QStringList& expected) {
    if (actual == expected)
        return QString();
    return QStringLiteral("shown:\n%1\nexpected:\n%2")
        .arg(actual.join(QLatin1Char('\n')), expected.join(QLatin1Char('\n')));
}

inline QString VerifyRootReport(TLabForm*) {
#ifndef LABS_HAS_REPORT_MEMO
    return QString();
#else
    if (!frmLaguerre || !frmLaguerre->Memo)
        return QStringLiteral("no root window");
    QStringList expected{QStringLiteral("Результаты:"), QString()};
    for (int k = 1; k <= 3; ++k)
        expected << QStringLiteral("Корень: %1").arg(k) << QStringLiteral("Значение: ")
                 << QStringLiteral("%1,00 +0,00i").arg(k) << QString();
    return CompareLines(frmLaguerre->Memo->Lines(), expected);
#endif
}

// The ranges and the curve's point count of a plotted worked example; the chart is
// also drawn, as the window would paint it.
struct PlottedExample {
    double bottomMin, bottomMax, leftMin, leftMax;
    int curvePoints;
};

inline QString VerifyPlot(TChart* chart, TChartSeries* curve, const PlottedExample& e) {
    if (!chart || !curve)
        return QStringLiteral("no chart");
    const double got[4] = {chart->BottomAxis()->Minimum(), chart->BottomAxis()->Maximum(),
                           chart->LeftAxis()->Minimum(), chart->LeftAxis()->Maximum()};
    const double want[4] = {e.bottomMin, e.bottomMax, e.leftMin, e.leftMax};
    for (int i = 0; i < 4; ++i)
        if (std::fabs(got[i] - want[i]) > 1e-6 * (1 + std::fabs(want[i])))
            return QStringLiteral("axis end %1 is %2, expected %3").arg(i).arg(got[i]).arg(want[i]);
    if (curve->PointCount() != e.curvePoints)
        return QStringLiteral("%1 curve points, expected %2")
            .arg(curve->PointCount())
            .arg(e.curvePoints);
    if (chart->RenderToImage().isNull())
        return QStringLiteral("the chart did not draw");
    return QString();
}

inline QString VerifyHodograph(TLabForm*) {
    if (!frmGodograf)
        return QStringLiteral("no hodograph window");
    return VerifyPlot(frmGodograf->Chart, frmGodograf->Series1, {-9.72, 2, -3, 3, 131});
}

inline QString VerifyNyquist(TLabForm*) {
    if (!frmAFCHX)
        return QStringLiteral("no Nyquist window");
    return VerifyPlot(frmAFCHX->Chart, frmAFCHX->Series1, {-2, 2, -1.728553, 1.021447, 5001});
}

inline QString VerifyDPartition(TLabForm*) {
    if (!frmDRazb)
        return QStringLiteral("no D-partition window");
    return VerifyPlot(frmDRazb->Chart, frmDRazb->Series1, {-3, 22.0828, -5, 5, 1001});
}

inline const QList<KnownRun>& KnownRuns() {
    static const QList<KnownRun> runs{
        {QStringLiteral("radLaguer"),
         [] { return static_cast<QWidget*>(frmLaguerre); },
         {QStringLiteral("-6"), QStringLiteral("11"), QStringLiteral("-6"), QStringLiteral("1")},
         VerifyRootReport},
        {QStringLiteral("radGodograf"),
         [] { return static_cast<QWidget*>(frmGodograf); },
         {QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("1")},
         VerifyHodograph},
        {QStringLiteral("radAFCHH"),
         [] { return static_cast<QWidget*>(frmAFCHX); },
         {QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("1"),
          QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")},
         VerifyNyquist},
        {QStringLiteral("radDRazb"),
         [] { return static_cast<QWidget*>(frmDRazb); },
         {QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("1")},
         VerifyDPartition},
    };
    return runs;
}

inline const KnownRun& KnownRunFor(const QString& radio) {
    for (const KnownRun& run : KnownRuns())
        if (run.radio == radio)
            return run;
    return KnownRuns().first();
}
