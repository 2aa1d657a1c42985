#include "analysis/RealRoots.h"

#include "analysis/ExtendedKind.h"
#include "analysis/RootScale.h"

namespace {

// A bracket of a thousand binades takes ten geometric steps and then 64 plain ones;
// the limit only stops a defect from looping for ever.
constexpr int kMaxBisectionSteps = 20000;

// 2^-59: the rounding error of a value relative to the sizes of its terms, with room
// for the rounding of coefficients that are themselves sums of products.
const TExtended kNearZero = ExtendedFromImage(0x3fff - 59, 0x8000000000000000);

struct TPointValue {
    TExtended x;
    TExtended value;
};

// Between a and b (a < b). Far apart on one side of zero the geometric mean splits the
// binades between them, so that a wide bracket narrows in a few steps.
TExtended Midpoint(TExtended a, TExtended b) {
    if (a > 0 && b / 4 > a) {
        const TExtended g = ExtendedSqrt(a) * ExtendedSqrt(b);
        if (a < g && g < b)
            return g;
    } else if (b < 0 && a / 4 < b) {
        const TExtended g = -(ExtendedSqrt(-a) * ExtendedSqrt(-b));
        if (a < g && g < b)
            return g;
    }
    return a / 2 + b / 2;
}

// A radius around 0 that holds no root of p (p(0) != 0): the reciprocal of the bound
// on the roots of p with its coefficients reversed, whose roots are the reciprocals.
TExtended RootFreeRadius(const TRealPolynomial& p) {
    const int d = DegreeOf(p);
    TRealPolynomial reversed;
    for (int k = 0; k <= d; ++k)
        reversed.c[k] = p.c[d - k];
    return 1 / RootMagnitudeBound(reversed);
}

// A bracket that ends at 0 starts at the root-free radius instead, so that the steps
// go geometrically from the start.
void MoveOffZero(const TRealPolynomial& p, TPointValue& a, TPointValue& b) {
    if (a.x == 0 && b.x > 0) {
        const TExtended radius = RootFreeRadius(p);
        if (radius < b.x) {
            const TExtended value = Evaluate(p, radius);
            if (IsFiniteExtended(value) && SignOf(value) == SignOf(a.value))
                a = {radius, value};
        }
    } else if (b.x == 0 && a.x < 0) {
        const TExtended radius = -RootFreeRadius(p);
        if (radius > a.x) {
            const TExtended value = Evaluate(p, radius);
            if (IsFiniteExtended(value) && SignOf(value) == SignOf(b.value))
                b = {radius, value};
        }
    }
}

// The root of p between a and b, whose values have opposite signs; false where a value
// leaves the extended range.
bool Bisect(const TRealPolynomial& p, TPointValue a, TPointValue b, TExtended& root) {
    if (DegreeOf(p) == 1) {
        // A line's root is one correctly rounded quotient.
        const TExtended x = -p.c[0] / p.c[1];
        if (a.x < x && x < b.x) {
            root = x;
            return true;
        }
    }
    MoveOffZero(p, a, b);
    for (int step = 0; step < kMaxBisectionSteps; ++step) {
        const TExtended m = Midpoint(a.x, b.x);
        if (!(a.x < m && m < b.x))
            break;
        const TExtended value = Evaluate(p, m);
        if (!IsFiniteExtended(value))
            return false;
        if (value == 0) {
            root = m;
            return true;
        }
        if (SignOf(value) == SignOf(a.value))
            a = {m, value};
        else
            b = {m, value};
    }
    root = ExtendedAbs(a.value) <= ExtendedAbs(b.value) ? a.x : b.x;
    return true;
}

// Whether p, zero at x, keeps its sign there: the first derivative that is not zero at
// x has an even order.
bool KeepsSign(const TRealPolynomial& p, TExtended x) {
    int order = 1;
    TRealPolynomial derivative = Derivative(p);
    while (DegreeOf(derivative) >= 0 && Evaluate(derivative, x) == 0) {
        ++order;
        derivative = Derivative(derivative);
    }
    return order % 2 == 0;
}

TRealRoots NotComputable() {
    TRealRoots result;
    result.status = TAnalysisStatus::NotComputable;
    return result;
}

void AddRoot(TRealRoots& result, TRealRoot root) {
    if (result.roots.empty() || result.roots.back().x < root.x)
        result.roots.push_back(root);
}

} // namespace

TRealRoots FindRealRoots(const TRealPolynomial& p, TExtended lo, TExtended hi) {
    return FindRealRoots(p, Absolute(p), lo, hi);
}

TRealRoots FindRealRoots(const TRealPolynomial& p, const TRealPolynomial& sizes, TExtended lo,
                         TExtended hi) {
    TRealRoots result;
    const int d = DegreeOf(p);
    if (d < 0) {
        result.status = TAnalysisStatus::IdenticallyZero;
        return result;
    }
    if (!IsFiniteExtended(lo) || !IsFiniteExtended(hi) || hi < lo)
        return NotComputable();
    if (d == 0)
        return result;

    // The ends of the monotone pieces, and the derivative's near-roots, where p may
    // come close to zero without a change of sign.
    std::vector<TExtended> ends{lo};
    std::vector<TExtended> extrema;
    if (d >= 2) {
        const TRealRoots critical = FindRealRoots(Derivative(p), Derivative(sizes), lo, hi);
        if (critical.status != TAnalysisStatus::Ok)
            return NotComputable();
        for (const TRealRoot& root : critical.roots) {
            if (root.x > ends.back() && root.x < hi)
                ends.push_back(root.x);
            extrema.push_back(root.x);
        }
        extrema.insert(extrema.end(), critical.nearMultiple.begin(), critical.nearMultiple.end());
    }
    if (hi > lo)
        ends.push_back(hi);

    std::vector<TPointValue> points;
    for (TExtended x : ends) {
        const TExtended value = Evaluate(p, x);
        if (!IsFiniteExtended(value))
            return NotComputable();
        points.push_back({x, value});
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i].value == 0)
            AddRoot(result, {points[i].x, KeepsSign(p, points[i].x)});
        if (i + 1 == points.size())
            break;
        const int left = SignOf(points[i].value);
        const int right = SignOf(points[i + 1].value);
        if (left != 0 && right != 0 && left != right) {
            TExtended root;
            if (!Bisect(p, points[i], points[i + 1], root))
                return NotComputable();
            AddRoot(result, {root, false});
        }
    }
    for (TExtended x : extrema) {
        const TExtended value = Evaluate(p, x);
        if (!IsFiniteExtended(value))
            return NotComputable();
        if (value != 0 && ExtendedAbs(value) <= kNearZero * Evaluate(sizes, ExtendedAbs(x)))
            result.nearMultiple.push_back(x);
    }
    return result;
}

TRealRoots FindNonNegativeRoots(const TRealPolynomial& p) {
    return FindNonNegativeRoots(p, Absolute(p));
}

TRealRoots FindNonNegativeRoots(const TRealPolynomial& p, const TRealPolynomial& sizes) {
    if (DegreeOf(p) < 0) {
        TRealRoots result;
        result.status = TAnalysisStatus::IdenticallyZero;
        return result;
    }
    const TExtended bound = RootMagnitudeBound(p);
    if (!IsFiniteExtended(bound))
        return NotComputable();
    return FindRealRoots(p, sizes, 0, bound);
}
