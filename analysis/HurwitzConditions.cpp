#include "analysis/HurwitzConditions.h"

#include "analysis/ExtendedKind.h"

THurwitzConditions HurwitzConditionsOf(const TRealPolynomial& p) {
    THurwitzConditions conditions;
    const int degree = DegreeOf(p);
    if (degree < 0) {
        conditions.status = TAnalysisStatus::IdenticallyZero;
        return conditions;
    }
    conditions.degree = degree;
    conditions.negated = p.c[degree] < 0;
    const TRealPolynomial q = conditions.negated ? -p : p;
    bool allPositive = true;
    for (int k = 0; k <= degree; ++k) {
        if (!IsFiniteExtended(q.c[k])) {
            conditions.status = TAnalysisStatus::NotComputable;
            return conditions;
        }
        conditions.coefficient[k] = q.c[k];
        conditions.positive[k] = q.c[k] > 0;
        allPositive = allPositive && conditions.positive[k];
    }
    conditions.allHold = degree >= 1 && allPositive;
    if (degree == 3) {
        const TExtended product21 = q.c[2] * q.c[1];
        const TExtended product30 = q.c[3] * q.c[0];
        const TExtended delta2 = product21 - product30;
        if (!IsFiniteExtended(product21) || !IsFiniteExtended(product30) ||
            !IsFiniteExtended(delta2)) {
            conditions.status = TAnalysisStatus::NotComputable;
            return conditions;
        }
        conditions.hasDelta2 = true;
        conditions.delta2 = delta2;
        conditions.delta2Positive = product21 > product30;
        conditions.allHold = conditions.allHold && conditions.delta2Positive;
    }
    return conditions;
}
