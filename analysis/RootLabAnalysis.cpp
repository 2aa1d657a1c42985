#include "analysis/RootLabAnalysis.h"

#include "analysis/FloatStateGuard.h"

TRootLabAnalysis AnalyseRootLab(const TRootLabCoefficients& coefficients) {
    const TFloatStateGuard guard;
    TRootLabAnalysis analysis;
    const TRealPolynomial p =
        Polynomial(coefficients.a0, coefficients.a1, coefficients.a2, coefficients.a3);
    analysis.conditions = HurwitzConditionsOf(p);
    analysis.count = CountHalfPlanes(p);
    analysis.degree = analysis.count.degree;
    analysis.status = analysis.count.status;
    if (analysis.conditions.status != TAnalysisStatus::Ok)
        analysis.status = analysis.conditions.status;
    if (guard.FaultRaised())
        analysis.status = TAnalysisStatus::NotComputable;
    if (analysis.status != TAnalysisStatus::Ok) {
        const TAnalysisStatus status = analysis.status;
        analysis = TRootLabAnalysis{};
        analysis.status = status;
        analysis.conditions.status = status;
        analysis.count.status = status;
    }
    analysis.verdict = VerdictOf(analysis.count);
    return analysis;
}
