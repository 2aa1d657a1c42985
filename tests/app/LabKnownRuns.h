#pragma once

#include "input/LabForm.h"
#include "plots/untAFCHX.h"
#include "plots/untDRazb.h"
#include "plots/untGodograf.h"
#include "roots/untLaguerre.h"
#if __has_include("roots/ReportMemo.h")
#include "roots/ReportMemo.h"
#define LABS_HAS_REPORT_MEMO 1
#endif

#include <QList>
#include <QStringList>

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

inline QString VerifyPlotted(TLabForm*) {
    return QString();
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
         VerifyPlotted},
        {QStringLiteral("radAFCHH"),
         [] { return static_cast<QWidget*>(frmAFCHX); },
         {QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("1"),
          QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")},
         VerifyPlotted},
        {QStringLiteral("radDRazb"),
         [] { return static_cast<QWidget*>(frmDRazb); },
         {QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("1")},
         VerifyPlotted},
    };
    return runs;
}

inline const KnownRun& KnownRunFor(const QString& radio) {
    for (const KnownRun& run : KnownRuns())
        if (run.radio == radio)
            return run;
    return KnownRuns().first();
}
