#include "analysis/MikhailovAnalysis.h"

#include "analysis/ImaginaryAxisPath.h"
#include "analysis/RootScale.h"
#include "ground/FloatEnv.h"

namespace {

TPlanePlace QuadrantAt(int number) {
    return PlaceAtEighths(2 * number - 1);
}

TMikhailovCrossing CrossingAt(const TRealPolynomial& d, const TAxisMeeting& meeting) {
    TMikhailovCrossing crossing;
    crossing.omega = meeting.omega;
    crossing.place = meeting.place;
    switch (meeting.place) {
    case TPlanePlace::PositiveReal:
    case TPlanePlace::NegativeReal:
        crossing.re = d.c[0] - d.c[2] * meeting.x;
        break;
    case TPlanePlace::PositiveImaginary:
    case TPlanePlace::NegativeImaginary:
        crossing.im = meeting.omega * (d.c[1] - d.c[3] * meeting.x);
        break;
    default:
        break;
    }
    return crossing;
}

// The first place the course leaves the order of the criterion, if any.
std::optional<TMikhailovBreak> FindBreak(const TMikhailovAnalysis& a) {
    const int n = a.degree;
    const auto breakAt = [&a](TMikhailovBreakKind kind, int index, TPlanePlace expected,
                              TPlanePlace actual) {
        return TMikhailovBreak{kind, index, a.crossings[index].omega, expected, actual};
    };
    if (a.crossings[0].place == TPlanePlace::Origin)
        return breakAt(TMikhailovBreakKind::StartsAtOrigin, 0, QuadrantAt(1), a.passes[0]);
    if (a.crossings[0].place == TPlanePlace::NegativeReal)
        return breakAt(TMikhailovBreakKind::StartsOnNegativeRealAxis, 0, QuadrantAt(1),
                       a.passes[0]);
    const int passes = static_cast<int>(a.passes.size());
    for (int i = 0; i < passes; ++i) {
        const TPlanePlace expected = i < n ? QuadrantAt(i + 1) : TPlanePlace::Origin;
        if (a.crossings[i].place == TPlanePlace::Origin)
            return breakAt(TMikhailovBreakKind::PassesThroughOrigin, i, expected, a.passes[i]);
        if (a.passes[i] != expected)
            return breakAt(TMikhailovBreakKind::WrongQuadrant, i, expected, a.passes[i]);
    }
    if (passes < n)
        return breakAt(TMikhailovBreakKind::TooFewQuadrants, passes - 1, QuadrantAt(passes + 1),
                       a.passes.back());
    return std::nullopt;
}

TMikhailovAnalysis Analyse(const TCharacteristicCoefficients& coefficients) {
    TMikhailovAnalysis a;
    const TRealPolynomial d =
        Polynomial(coefficients.a3, coefficients.a2, coefficients.a1, coefficients.a0);
    a.degree = DegreeOf(d);
    if (a.degree < 0) {
        a.degree = 0;
        a.status = TAnalysisStatus::IdenticallyZero;
        return a;
    }
    a.negated = d.c[a.degree] < 0;
    const TImaginaryAxisPath path = TraceImaginaryAxis(a.negated ? -d : d);
    if (path.status != TAnalysisStatus::Ok) {
        a.status = path.status;
        return a;
    }
    a.runsAlongRealAxis = path.imaginaryPartVanishes;
    a.runsAlongImaginaryAxis = path.realPartVanishes;

    a.crossings.push_back({0, d.c[0], 0, path.start});
    for (const TAxisMeeting& meeting : path.meetings)
        a.crossings.push_back(CrossingAt(d, meeting));
    a.passes = path.stretches;
    for (const TMikhailovCrossing& crossing : a.crossings)
        if (crossing.place == TPlanePlace::Origin)
            a.boundaryFrequencies.push_back(crossing.omega);

    if (a.degree > 0) {
        a.firstBreak = FindBreak(a);
        a.criterionHolds = !a.firstBreak;
    }
    if (a.boundaryFrequencies.empty()) {
        const int eighths = path.endTurn - path.startTurn;
        const int rightTwice = a.degree - eighths / 2;
        if (eighths % 2 != 0 || rightTwice % 2 != 0 || rightTwice < 0 ||
            rightTwice > 2 * a.degree) {
            // The turn of a polynomial without roots on the axis is (n - 2m) quarter
            // turns; anything else would be a defect of the course, not a number.
            a = TMikhailovAnalysis{};
            a.status = TAnalysisStatus::NotComputable;
            return a;
        }
        a.quarterTurns = eighths / 2;
        a.rightRoots = rightTwice / 2;
    }

    std::vector<TExtended> characteristic;
    for (const TMikhailovCrossing& crossing : a.crossings)
        characteristic.push_back(crossing.omega);
    a.suggestedFrequency = ReadableUpperFrequency(characteristic, 2 * RootScale(d));
    return a;
}

} // namespace

TMikhailovAnalysis AnalyseMikhailov(const TCharacteristicCoefficients& coefficients) {
    // The program's arithmetic whatever the caller set, and the caller's flags back on
    // the way out: an overflow in here is stated as "not computable", never a lab's fault.
    TFloatStateScope guard;
    guard.LoadProgramEnvironment();
    TMikhailovAnalysis analysis = Analyse(coefficients);
    if (guard.Faulted()) {
        analysis = TMikhailovAnalysis{};
        analysis.status = TAnalysisStatus::NotComputable;
    }
    return analysis;
}
