#include "roots/RootFinder.h"

#include "roots/Laguerre.h"
#include "roots/Polynomial.h"

TComplex StartPoint;
int Degree = 0;
int WorkDegree = 0;
TCoeffArray Coefficients;
TCoeffArray WorkCoefficients;
double Tolerance = 0.0;
int IterationLimit = 0;
int RootCount = 0;
TRootArray Roots;
TRootStatus Status = rsOk;

void ResetRootState() {
    Degree = 3;
    for (int k = TComplexArray::Low; k <= TComplexArray::High; ++k)
        Coefficients[k] = {0.0, 0.0};
    StartPoint = {0.0, 0.0};
    Tolerance = 0.0;
    IterationLimit = 0;
}

namespace {

// The highest failing code wins; on success nothing but the status changes here.
TRootStatus CheckParameters(int n, double tolerance, int iterationLimit) {
    TRootStatus status = rsOk;
    if (n <= 0)
        status = rsBadDegree;
    if (!(tolerance > 0.0))
        status = rsBadTolerance;
    if (iterationLimit <= 0)
        status = rsBadIterationLimit;
    return status;
}

// Leading coefficients that count as zero are no longer read.
void TrimLeadingZeros(int& n, const TCoeffArray& a) {
    while (n > 0 && ComplexModulus(a[n]) < ZeroThreshold)
        --n;
}

// Only an exact zero constant term is a root at the origin; a tiny one is left to the
// iteration, which finds the root near zero.
void TakeOffOriginRoots(int& n, TCoeffArray& a, int& rootCount, TRootArray& roots) {
    while (ComplexModulus(a[0]) == 0.0 && n > 0) {
        ++rootCount;
        roots[rootCount] = {0.0, 0.0};
        --n;
        for (int i = 0; i <= n; ++i)
            a[i] = a[i + 1];
    }
}

// Status check, then the reduction of the working polynomial; false on bad parameters.
bool PrepareRootSearch(int& n, TCoeffArray& a, double tolerance, int iterationLimit, int& rootCount,
                       TRootArray& roots, TRootStatus& status) {
    status = CheckParameters(n, tolerance, iterationLimit);
    if (status != rsOk)
        return false;
    rootCount = 0;
    TrimLeadingZeros(n, a);
    TakeOffOriginRoots(n, a, rootCount, roots);
    return true;
}

} // namespace

TComplex FindRoot(int n, const TCoeffArray& a, TComplex start, int limit, double tolerance,
                  TRootStatus& status) {
    TComplex x = start;
    int count = 0;
    bool converged = false;
    TPolynomialValues values = EvalPolynomial(n, a, x);
    while (count < limit && !converged) {
        ++count;
        const TComplex step = LaguerreStep(n, values.p, values.dp, values.d2p);
        x = ComplexSub(x, step);
        values = EvalPolynomial(n, a, x);
        converged = IsConverged(tolerance, ComplexModulus(values.p), ComplexModulus(step),
                                ComplexModulus(x));
    }
    if (!converged)
        status = rsNoConvergence;
    return x;
}

void DeflatePolynomial(int& n, TCoeffArray& a, TComplex root) {
    TCoeffArray q;
    q[n - 1] = a[n];
    for (int j = n - 1; j >= 1; --j)
        q[j - 1] = ComplexAdd(ComplexMul(q[j], root), a[j]);
    --n;
    a = q;
}

void FindRoots(int& n, TCoeffArray& a, TComplex start, double tolerance, int iterationLimit,
               int& rootCount, TRootArray& roots, TRootStatus& status) {
    // Polishing runs on the polynomial as passed in, before trimming and deflation.
    const int fullDegree = n;
    const TCoeffArray fullCoefficients = a;
    if (!PrepareRootSearch(n, a, tolerance, iterationLimit, rootCount, roots, status))
        return;

    TComplex next = start;
    while (n > 0 && status == rsOk) {
        const int k = rootCount + 1;
        roots[k] = FindRoot(n, a, next, iterationLimit, tolerance, status);
        if (status == rsOk) {
            roots[k] =
                FindRoot(fullDegree, fullCoefficients, roots[k], iterationLimit, tolerance, status);
            // A root whose polishing ran out of steps still counts and is divided out.
            rootCount = k;
            DeflatePolynomial(n, a, roots[k]);
        }
        next = roots[rootCount];
    }
}

void FindRoots() {
    FindRoots(WorkDegree, WorkCoefficients, StartPoint, Tolerance, IterationLimit, RootCount, Roots,
              Status);
}
