#include "analysis/NyquistAnalysis.h"

#include "analysis/DecimalLogarithm.h"
#include "analysis/ExtendedKind.h"
#include "analysis/ImaginaryAxisPath.h"
#include "analysis/RealRoots.h"
#include "analysis/RootScale.h"
#include "ground/FloatEnv.h"

#include <optional>

namespace {

// With x = w^2, a real polynomial at p = jw is E(x) + jw O(x).
TRealPolynomial RealPartInX(const TRealPolynomial& p) {
    return Polynomial(p.c[0], -p.c[2]);
}

TRealPolynomial ImaginaryPartInX(const TRealPolynomial& p) {
    return Polynomial(p.c[1], -p.c[3]);
}

// |P(jw)|^2 = E^2 + x O^2.
TRealPolynomial SquaredMagnitudeInX(const TRealPolynomial& p) {
    const TRealPolynomial e = RealPartInX(p);
    const TRealPolynomial o = ImaginaryPartInX(p);
    return e * e + Polynomial(0, 1) * (o * o);
}

// The same sums with every coefficient's magnitude: the sizes of the terms that make up
// the crossover polynomials, which may cancel (see FindRealRoots).
TRealPolynomial RealPartSizes(const TRealPolynomial& p) {
    return Absolute(RealPartInX(p));
}

TRealPolynomial ImaginaryPartSizes(const TRealPolynomial& p) {
    return Absolute(ImaginaryPartInX(p));
}

TRealPolynomial SquaredMagnitudeSizes(const TRealPolynomial& p) {
    const TRealPolynomial e = RealPartSizes(p);
    const TRealPolynomial o = ImaginaryPartSizes(p);
    return e * e + Polynomial(0, 1) * (o * o);
}

// W(jw) = (re(x) + jw im(x)) / (f(x) den(x)): B times the conjugate of A over |A|^2.
// Where A has a root pair +-jw0 on the axis, A = (p^2 + x0)(a0 p + a1) and the factor
// p^2 + x0, which is x0 - x at p = jw, is taken out as f: the crossover polynomials
// then have no spurious root at the pole, and W keeps its sign on both sides of it.
struct TResponseInX {
    TRealPolynomial re;
    TRealPolynomial im;
    TRealPolynomial den;
    TRealPolynomial f;
    TRealPolynomial imSizes;
};

TResponseInX ResponseInX(const TRealPolynomial& a, const TRealPolynomial& b,
                         std::optional<TExtended> axisPoleX) {
    TRealPolynomial reduced = a;
    TResponseInX w;
    w.f = Polynomial(1);
    if (axisPoleX) {
        reduced = Polynomial(a.c[2], a.c[3]);
        w.f = Polynomial(*axisPoleX, -1);
    }
    const TRealPolynomial eA = RealPartInX(reduced);
    const TRealPolynomial oA = ImaginaryPartInX(reduced);
    const TRealPolynomial eB = RealPartInX(b);
    const TRealPolynomial oB = ImaginaryPartInX(b);
    const TRealPolynomial x = Polynomial(0, 1);
    w.re = eB * eA + x * (oB * oA);
    w.im = oB * eA - eB * oA;
    w.den = SquaredMagnitudeInX(reduced);
    w.imSizes = ImaginaryPartSizes(b) * RealPartSizes(reduced) +
                RealPartSizes(b) * ImaginaryPartSizes(reduced);
    return w;
}

struct TComplexValue {
    TExtended re;
    TExtended im;
};

std::optional<TComplexValue> ResponseAt(const TResponseInX& w, TExtended x) {
    const TExtended d = Evaluate(w.f, x) * Evaluate(w.den, x);
    if (d == 0 || !IsFiniteExtended(d))
        return std::nullopt;
    const TComplexValue value{Evaluate(w.re, x) / d, ExtendedSqrt(x) * Evaluate(w.im, x) / d};
    if (!IsFiniteExtended(value.re) || !IsFiniteExtended(value.im))
        return std::nullopt;
    return value;
}

int LowestOrder(const TRealPolynomial& p) {
    int k = 0;
    while (k < kMaxPolynomialDegree && p.c[k] == 0)
        ++k;
    return k;
}

// arg W(jw) as w -> 0+, in degrees (see AnalyseNyquist).
TExtended StartPhase(const TRealPolynomial& a, const TRealPolynomial& b) {
    const int orderA = LowestOrder(a);
    const int orderB = LowestOrder(b);
    const bool lag = (a.c[orderA] < 0) != (b.c[orderB] < 0);
    return TExtended(90 * (orderB - orderA) - (lag ? 180 : 0));
}

bool AnyPositive(const std::vector<TExtended>& xs) {
    for (TExtended x : xs)
        if (x > 0)
            return true;
    return false;
}

TNyquistAnalysis NotComputable() {
    TNyquistAnalysis n;
    n.status = TAnalysisStatus::NotComputable;
    return n;
}

void FindPhaseCrossovers(const TResponseInX& w, TNyquistAnalysis& n, bool& ok) {
    if (DegreeOf(w.im) < 0) {
        n.responseOnRealAxis = true;
        return;
    }
    const TRealRoots roots = FindNonNegativeRoots(w.im, w.imSizes);
    if (roots.status != TAnalysisStatus::Ok) {
        ok = false;
        return;
    }
    n.phaseCrossoverUncertain = AnyPositive(roots.nearMultiple);
    for (const TRealRoot& root : roots.roots) {
        if (!(root.x > 0))
            continue;
        const std::optional<TComplexValue> value = ResponseAt(w, root.x);
        if (!value || !(value->re < 0))
            continue;
        TPhaseCrossover crossover;
        crossover.omega = ExtendedSqrt(root.x);
        crossover.re = value->re;
        crossover.touching = root.touching;
        crossover.gainMargin = -1 / value->re;
        crossover.gainMarginDb = Decibels(crossover.gainMargin);
        n.phaseCrossovers.push_back(crossover);
    }
}

void FindGainCrossovers(const TRealPolynomial& a, const TRealPolynomial& b, const TResponseInX& w,
                        TNyquistAnalysis& n, bool& ok) {
    const TRealPolynomial g = SquaredMagnitudeInX(a) - SquaredMagnitudeInX(b);
    if (DegreeOf(g) < 0) {
        n.unitMagnitudeEverywhere = true;
        return;
    }
    const TRealRoots roots =
        FindNonNegativeRoots(g, SquaredMagnitudeSizes(a) + SquaredMagnitudeSizes(b));
    const TImaginaryAxisPath pathA = TraceImaginaryAxis(a);
    const TImaginaryAxisPath pathB = TraceImaginaryAxis(b);
    if (roots.status != TAnalysisStatus::Ok || pathA.status != TAnalysisStatus::Ok ||
        pathB.status != TAnalysisStatus::Ok) {
        ok = false;
        return;
    }
    n.gainCrossoverUncertain = !roots.nearMultiple.empty();
    const TExtended startPhase = StartPhase(a, b);
    for (const TRealRoot& root : roots.roots) {
        const std::optional<TComplexValue> value = ResponseAt(w, root.x);
        if (!value)
            continue; // A(jw) = B(jw) = 0: W is 0/0 there
        TGainCrossover crossover;
        crossover.omega = ExtendedSqrt(root.x);
        crossover.re = value->re;
        crossover.im = value->im;
        crossover.touching = root.touching;
        std::optional<TExtended> phase;
        if (root.x == 0) {
            phase = startPhase;
        } else {
            const std::optional<TExtended> argA = ContinuousArgumentDegrees(pathA, a, root.x);
            const std::optional<TExtended> argB = ContinuousArgumentDegrees(pathB, b, root.x);
            if (argA && argB)
                phase = startPhase + (*argB - TExtended(45 * pathB.startTurn)) -
                        (*argA - TExtended(45 * pathA.startTurn));
        }
        if (phase) {
            crossover.phaseKnown = true;
            crossover.phaseDegrees = *phase;
            crossover.phaseMarginDegrees = 180 + *phase;
        }
        n.gainCrossovers.push_back(crossover);
    }
}

TNyquistAnalysis Analyse(const TOpenLoopCoefficients& c) {
    TNyquistAnalysis n;
    const TRealPolynomial a = Polynomial(c.a3, c.a2, c.a1, c.a0);
    const TRealPolynomial b = Polynomial(c.b3, c.b2, c.b1);
    if (DegreeOf(a) < 0) {
        n.status = TAnalysisStatus::IdenticallyZero;
        return n;
    }
    n.closedLoop = a + b;
    n.closedLoopCount = CountHalfPlanes(n.closedLoop);
    n.closedLoopVerdict = VerdictOf(n.closedLoopCount);

    const TImaginaryAxisPath pathA = TraceImaginaryAxis(a);
    if (pathA.status != TAnalysisStatus::Ok)
        return NotComputable();
    std::optional<TExtended> axisPoleX;
    if (pathA.start == TPlanePlace::Origin)
        n.axisPoles.push_back(0);
    for (const TAxisMeeting& meeting : pathA.meetings) {
        if (meeting.place == TPlanePlace::Origin) {
            n.axisPoles.push_back(meeting.omega);
            axisPoleX = meeting.x;
        }
    }

    const TExtended rootScale = 2 * (RootScale(a) > RootScale(b) ? RootScale(a) : RootScale(b));
    if (DegreeOf(b) < 0) {
        n.staticGain.kind = TStaticGainKind::NumeratorZero;
        n.responseOnRealAxis = true;
        n.suggestedFrequency = ReadableUpperFrequency(n.axisPoles, rootScale);
        return n;
    }
    if (a.c[0] != 0) {
        n.staticGain.value = b.c[0] / a.c[0];
    } else {
        n.staticGain.kind =
            b.c[0] != 0 ? TStaticGainKind::Infinite : TStaticGainKind::Indeterminate;
    }

    const TResponseInX w = ResponseInX(a, b, axisPoleX);
    bool ok = true;
    FindPhaseCrossovers(w, n, ok);
    if (ok)
        FindGainCrossovers(a, b, w, n, ok);
    if (!ok)
        return NotComputable();

    std::vector<TExtended> characteristic = n.axisPoles;
    for (const TPhaseCrossover& crossover : n.phaseCrossovers)
        characteristic.push_back(crossover.omega);
    for (const TGainCrossover& crossover : n.gainCrossovers)
        characteristic.push_back(crossover.omega);
    n.suggestedFrequency = ReadableUpperFrequency(characteristic, rootScale);
    return n;
}

} // namespace

TNyquistAnalysis AnalyseNyquist(const TOpenLoopCoefficients& coefficients) {
    // The program's arithmetic whatever the caller set, and the caller's flags back on
    // the way out: an overflow in here is stated as "not computable", never a lab's fault.
    TFloatStateScope guard;
    guard.LoadProgramEnvironment();
    TNyquistAnalysis analysis = Analyse(coefficients);
    if (guard.Faulted())
        analysis = NotComputable();
    return analysis;
}
