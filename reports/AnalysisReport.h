#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A point the analysis found, as it can be marked on the lab's chart: where it lies in
// the chart's values, and the short label beside it.
struct TMarkedPoint {
    double x = 0;
    double y = 0;
    QString label;
    bool critical = false; // the Nyquist diagram's critical point (-1, j0)
};

// What the analysis of one lab's coefficients tells the student: the text (lines in
// Russian, with the regional decimal separator), the points to mark on the chart, and the
// upper frequency that shows every characteristic point with room to spare.
struct TAnalysisReport {
    QStringList lines;
    std::vector<TMarkedPoint> points;
    // 0 where the lab has no frequency range (the root lab).
    double suggestedUpperFrequency = 0;
    // Some characteristic point lies beyond the range drawn.
    bool beyondDrawnRange = false;

    QString Text() const { return lines.join(QLatin1Char('\n')) + QLatin1Char('\n'); }
};
