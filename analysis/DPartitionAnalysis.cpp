#include "analysis/DPartitionAnalysis.h"

#include "analysis/ExtendedKind.h"
#include "analysis/RootScale.h"
#include "ground/FloatEnv.h"

#include <algorithm>

namespace {

// The roots for a3 = t.
THalfPlaneCount CountAt(const TCharacteristicCoefficients& c, TExtended t) {
    return CountHalfPlanes(Polynomial(t, c.a2, c.a1, c.a0));
}

// An a3 inside the interval, well away from its ends.
TExtended InsidePoint(const TDPartitionInterval& interval) {
    if (interval.fromMinusInfinity && interval.toPlusInfinity)
        return 0;
    if (interval.fromMinusInfinity)
        return interval.to - (ExtendedAbs(interval.to) + 1);
    if (interval.toPlusInfinity)
        return interval.from + (ExtendedAbs(interval.from) + 1);
    return interval.from / 2 + interval.to / 2;
}

bool IsStable(const THalfPlaneCount& count) {
    return count.status == TAnalysisStatus::Ok && count.degree > 0 && count.right == 0 &&
           count.onAxis == 0;
}

void AddPass(std::vector<TDPartitionCrossing>& crossings, TExtended a3, TDPartitionPass pass) {
    for (TDPartitionCrossing& crossing : crossings) {
        if (crossing.a3 == a3) {
            crossing.passes.push_back(pass);
            return;
        }
    }
    crossings.push_back({a3, {pass}});
}

TDPartitionAnalysis Analyse(const TCharacteristicCoefficients& c) {
    TDPartitionAnalysis d;
    const TExtended a0 = c.a0;
    const TExtended a1 = c.a1;
    const TExtended a2 = c.a2;
    if (a0 == 0 && a1 == 0 && a2 == 0) {
        d.status = TAnalysisStatus::IdenticallyZero;
        return d;
    }
    const TExtended rootScale = 2 * RootScale(Polynomial(a2, a1, a0));

    if (a0 == 0 && a2 == 0) {
        d.boundaryOnRealAxis = true;
        TDPartitionInterval other;
        if (a1 > 0)
            other.fromMinusInfinity = true;
        else
            other.toPlusInfinity = true;
        other.count = CountAt(c, InsidePoint(other));
        d.intervals.push_back(other);
        d.suggestedFrequency = ReadableUpperFrequency({}, rootScale);
        return d;
    }

    // Im a3(jw) = w (a0 w^2 - a2) changes sign at w = 0 always: from its linear term
    // where a2 != 0, else from the cubic one. Walking with w increasing, the left of a
    // downward pass is toward larger a3.
    AddPass(d.crossings, 0, {0, a2 != 0 ? SignOf(a2) : -SignOf(a0)});
    std::vector<TExtended> characteristic;
    if (a0 != 0 && a2 != 0 && SignOf(a0) == SignOf(a2)) {
        // At w^2 = a2/a0 the imaginary part's slope is 2 a2 on both branches.
        const TExtended omega = ExtendedSqrt(a2 / a0);
        const TExtended a3 = a1 * a2 / a0;
        if (!IsFiniteExtended(omega) || !IsFiniteExtended(a3)) {
            d.status = TAnalysisStatus::NotComputable;
            return d;
        }
        AddPass(d.crossings, a3, {-omega, -SignOf(a2)});
        AddPass(d.crossings, a3, {omega, -SignOf(a2)});
        characteristic.push_back(omega);
    }
    std::sort(
        d.crossings.begin(), d.crossings.end(),
        [](const TDPartitionCrossing& x, const TDPartitionCrossing& y) { return x.a3 < y.a3; });
    for (TDPartitionCrossing& crossing : d.crossings)
        std::sort(
            crossing.passes.begin(), crossing.passes.end(),
            [](const TDPartitionPass& x, const TDPartitionPass& y) { return x.omega < y.omega; });

    for (std::size_t i = 0; i <= d.crossings.size(); ++i) {
        TDPartitionInterval interval;
        interval.fromMinusInfinity = i == 0;
        interval.toPlusInfinity = i == d.crossings.size();
        if (i > 0)
            interval.from = d.crossings[i - 1].a3;
        if (i < d.crossings.size())
            interval.to = d.crossings[i].a3;
        interval.count = CountAt(c, InsidePoint(interval));
        if (interval.count.status == TAnalysisStatus::NotComputable) {
            d = TDPartitionAnalysis{};
            d.status = TAnalysisStatus::NotComputable;
            return d;
        }
        if (!d.hasStableInterval && IsStable(interval.count)) {
            d.hasStableInterval = true;
            d.stableInterval = interval;
        }
        d.intervals.push_back(interval);
    }
    d.suggestedFrequency = ReadableUpperFrequency(characteristic, rootScale);
    return d;
}

} // namespace

TDPartitionAnalysis AnalyseDPartition(const TCharacteristicCoefficients& coefficients) {
    // The program's arithmetic whatever the caller set, and the caller's flags back on
    // the way out: an overflow in here is stated as "not computable", never a lab's fault.
    TFloatStateScope guard;
    guard.LoadProgramEnvironment();
    TDPartitionAnalysis analysis = Analyse(coefficients);
    if (guard.Faulted()) {
        analysis = TDPartitionAnalysis{};
        analysis.status = TAnalysisStatus::NotComputable;
    }
    return analysis;
}
