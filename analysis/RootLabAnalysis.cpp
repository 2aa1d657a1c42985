#include "analysis/RootLabAnalysis.h"

#include "ground/FloatEnv.h"

TRootLabAnalysis AnalyseRootLab(const TRootLabCoefficients& coefficients) {
    // The program's arithmetic whatever the caller set, and the caller's flags back on
    // the way out: an overflow in here is stated as "not computable", never a lab's fault.
    TFloatStateScope guard;
    guard.LoadProgramEnvironment();
    TRootLabAnalysis analysis;
    const TRealPolynomial p =
        Polynomial(coefficients.a0, coefficients.a1, coefficients.a2, coefficients.a3);
    analysis.conditions = HurwitzConditionsOf(p);
    analysis.count = CountHalfPlanes(p);
    analysis.degree = analysis.count.degree;
    analysis.status = analysis.count.status;
    if (analysis.conditions.status != TAnalysisStatus::Ok)
        analysis.status = analysis.conditions.status;
    if (guard.Faulted())
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
