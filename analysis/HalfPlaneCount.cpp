#include "analysis/HalfPlaneCount.h"

#include "analysis/ExtendedKind.h"

namespace {

// The roots of the polynomial of the given degree whose coefficients are c (constant
// first, c[degree] > 0, c[0] != 0 or degree 0), added to count. False where a product
// leaves the extended range.
bool CountWithoutZeroRoots(const TRealPolynomial& p, int degree, THalfPlaneCount& count) {
    const auto& c = p.c;
    switch (degree) {
    case 0:
        return true;
    case 1:
        (c[0] > 0 ? count.left : count.right) += 1;
        return true;
    case 2:
        if (c[1] == 0) {
            // p^2 = -c0/c2: a pair on the axis, or one real root on each side.
            if (c[0] > 0) {
                count.onAxis += 2;
            } else {
                count.left += 1;
                count.right += 1;
            }
        } else if (c[0] > 0) {
            // Both roots on the side the sum of the roots, -c1/c2, lies on.
            (c[1] > 0 ? count.left : count.right) += 2;
        } else {
            count.left += 1;
            count.right += 1;
        }
        return true;
    default:
        break;
    }
    const TExtended product21 = c[2] * c[1];
    const TExtended product30 = c[3] * c[0];
    if (!IsFiniteExtended(product21) || !IsFiniteExtended(product30) || product30 == 0 ||
        (product21 == 0 && c[2] != 0 && c[1] != 0))
        return false;
    if (product21 == product30) {
        // (p^2 + c1/c3)(p + c2/c3); c1 and c2 are not zero, as their product equals
        // c3 c0.
        (c[2] > 0 ? count.left : count.right) += 1;
        if (c[1] > 0) {
            count.onAxis += 2;
        } else {
            count.left += 1;
            count.right += 1;
        }
        return true;
    }
    if (c[2] == 0) {
        // Routh's column with epsilon for c2: +, +, -sign(c0), sign(c0).
        if (c[0] > 0) {
            count.left += 1;
            count.right += 2;
        } else {
            count.left += 2;
            count.right += 1;
        }
        return true;
    }
    // Routh's first column: c3 (> 0), c2, (c2 c1 - c3 c0) / c2, c0.
    const int column[4] = {1, SignOf(c[2]), (product21 > product30 ? 1 : -1) * SignOf(c[2]),
                           SignOf(c[0])};
    int changes = 0;
    for (int i = 0; i < 3; ++i)
        if (column[i] != column[i + 1])
            ++changes;
    count.right += changes;
    count.left += 3 - changes;
    return true;
}

} // namespace

THalfPlaneCount CountHalfPlanes(const TRealPolynomial& p) {
    THalfPlaneCount count;
    int degree = DegreeOf(p);
    if (degree < 0) {
        count.status = TAnalysisStatus::IdenticallyZero;
        return count;
    }
    for (TExtended coefficient : p.c) {
        if (!IsFiniteExtended(coefficient)) {
            count.status = TAnalysisStatus::NotComputable;
            return count;
        }
    }
    count.degree = degree;
    // The leading coefficient made positive: the roots stay where they are.
    TRealPolynomial q = p.c[degree] < 0 ? -p : p;
    // Each zero constant term is a root at 0; the quotient by p keeps the others.
    while (degree > 0 && q.c[0] == 0) {
        count.onAxis += 1;
        for (int k = 0; k < degree; ++k)
            q.c[k] = q.c[k + 1];
        q.c[degree] = 0;
        --degree;
    }
    if (!CountWithoutZeroRoots(q, degree, count)) {
        const int fullDegree = count.degree;
        count = THalfPlaneCount{};
        count.status = TAnalysisStatus::NotComputable;
        count.degree = fullDegree;
    }
    return count;
}
