#include "roots/RootFinder.h"

#include "ground/FloatEnv.h"
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
template <TFaultChecks Checks> void TrimLeadingZeros(int& n, const TCoeffArray& a) {
    while (n > 0 && ComplexModulus<Checks>(a[n]) < ZeroThreshold)
        --n;
}

// Only an exact zero constant term is a root at the origin; a tiny one is left to the
// iteration, which finds the root near zero.
template <TFaultChecks Checks>
void TakeOffOriginRoots(int& n, TCoeffArray& a, int& rootCount, TRootArray& roots) {
    while (ComplexModulus<Checks>(a[0]) == 0.0 && n > 0) {
        ++rootCount;
        roots[rootCount] = {0.0, 0.0};
        --n;
        for (int i = 0; i <= n; ++i)
            a[i] = a[i + 1];
    }
}

// Status check, then the reduction of the working polynomial; false on bad parameters.
template <TFaultChecks Checks>
bool PrepareRootSearch(int& n, TCoeffArray& a, double tolerance, int iterationLimit, int& rootCount,
                       TRootArray& roots, TRootStatus& status) {
    status = CheckParameters(n, tolerance, iterationLimit);
    if (status != rsOk)
        return false;
    rootCount = 0;
    TrimLeadingZeros<Checks>(n, a);
    TakeOffOriginRoots<Checks>(n, a, rootCount, roots);
    return true;
}

} // namespace

template <TFaultChecks Checks>
TComplex FindRoot(int n, const TCoeffArray& a, TComplex start, int limit, double tolerance,
                  TRootStatus& status) {
    TComplex x = start;
    int count = 0;
    bool converged = false;
    TPolynomialValues values = EvalPolynomial<Checks>(n, a, x);
    while (count < limit && !converged) {
        StopOnPendingFault<Checks>();
        ++count;
        const TComplex step = LaguerreStep<Checks>(n, values.p, values.dp, values.d2p);
        x = ComplexSub<Checks>(x, step);
        values = EvalPolynomial<Checks>(n, a, x);
        converged = IsConverged(tolerance, ComplexModulus<Checks>(values.p),
                                ComplexModulus<Checks>(step), ComplexModulus<Checks>(x));
    }
    if (!converged)
        status = rsNoConvergence;
    return x;
}

template <TFaultChecks Checks> void DeflatePolynomial(int& n, TCoeffArray& a, TComplex root) {
    TCoeffArray q;
    q[n - 1] = a[n];
    for (int j = n - 1; j >= 1; --j)
        q[j - 1] = ComplexAdd<Checks>(ComplexMul<Checks>(q[j], root), a[j]);
    --n;
    a = q;
}

template TComplex FindRoot<TFaultChecks::AtEveryStore>(int, const TCoeffArray&, TComplex, int,
                                                       double, TRootStatus&);
template void DeflatePolynomial<TFaultChecks::AtEveryStore>(int&, TCoeffArray&, TComplex);

namespace {

template <TFaultChecks Checks>
void SearchRoots(int& n, TCoeffArray& a, TComplex start, double tolerance, int iterationLimit,
                 int& rootCount, TRootArray& roots, TRootStatus& status) {
    // Polishing runs on the polynomial as passed in, before trimming and deflation.
    const int fullDegree = n;
    const TCoeffArray fullCoefficients = a;
    if (!PrepareRootSearch<Checks>(n, a, tolerance, iterationLimit, rootCount, roots, status))
        return;

    TComplex next = start;
    while (n > 0 && status == rsOk) {
        const int k = rootCount + 1;
        roots[k] = FindRoot<Checks>(n, a, next, iterationLimit, tolerance, status);
        if (status == rsOk) {
            roots[k] = FindRoot<Checks>(fullDegree, fullCoefficients, roots[k], iterationLimit,
                                        tolerance, status);
            // A root whose polishing ran out of steps still counts and is divided out.
            rootCount = k;
            DeflatePolynomial<Checks>(n, a, roots[k]);
        }
        next = roots[rootCount];
    }
}

} // namespace

void FindRootsCheckingEveryStore(int& n, TCoeffArray& a, TComplex start, double tolerance,
                                 int iterationLimit, int& rootCount, TRootArray& roots,
                                 TRootStatus& status) {
    SearchRoots<TFaultChecks::AtEveryStore>(n, a, start, tolerance, iterationLimit, rootCount,
                                            roots, status);
}

void FindRoots(int& n, TCoeffArray& a, TComplex start, double tolerance, int iterationLimit,
               int& rootCount, TRootArray& roots, TRootStatus& status) {
    const int entryN = n;
    const TCoeffArray entryA = a;
    const int entryRootCount = rootCount;
    const TRootArray entryRoots = roots;
    const TRootStatus entryStatus = status;
    RunWithDeferredFaultChecks(
        [&] {
            SearchRoots<TFaultChecks::Deferred>(n, a, start, tolerance, iterationLimit, rootCount,
                                                roots, status);
        },
        [&] {
            FindRootsCheckingEveryStore(n, a, start, tolerance, iterationLimit, rootCount, roots,
                                        status);
        },
        [&] {
            n = entryN;
            a = entryA;
            rootCount = entryRootCount;
            roots = entryRoots;
            status = entryStatus;
        });
}

void FindRoots() {
    FindRoots(WorkDegree, WorkCoefficients, StartPoint, Tolerance, IterationLimit, RootCount, Roots,
              Status);
}
