#pragma once

#include "roots/ComplexArray.h"

#include <cstdint>

// Outcome of a search. Non-convergence and bad parameters are results, not errors.
enum TRootStatus : std::uint8_t {
    rsOk = 0,                // every recorded root converged
    rsNoConvergence = 1,     // a pass used up the iteration limit; earlier roots stay valid
    rsBadDegree = 2,         // the degree is not positive
    rsBadTolerance = 3,      // the tolerance is not greater than 0
    rsBadIterationLimit = 4, // the iteration limit is not positive
};

// Recorded roots in entries 1..RootCount, in the order found; entry 0 is unused.
using TRootArray = TComplexArray;

// The root lab's state: one instance for the whole program run, all zero at start,
// shared by the run handler and the report and outliving the window.
extern TComplex StartPoint;
extern int Degree;
extern int WorkDegree;
extern TCoeffArray Coefficients; // entry k = coefficient of x^k, constant term first
extern TCoeffArray WorkCoefficients;
extern double Tolerance;
extern int IterationLimit;
extern int RootCount;
extern TRootArray Roots;
extern TRootStatus Status;

// Degree 3, zero coefficients, start point, tolerance and limit; leaves the work
// variables, the roots and the status alone.
void ResetRootState();

// Finds all roots of the degree-n polynomial a (constant term first, degree <= 3) by
// Laguerre's method: trims leading coefficients below ZeroThreshold, takes roots at
// the origin off directly (exact zero constant term only), then iterates each root
// on the deflated polynomial from the previous root (the first from start), polishes
// it on the full polynomial as passed in and divides it out. On bad parameters only
// status changes. Floating-point faults (extreme coefficients) raise EOverflow and
// leave the state as far as it got.
void FindRoots(int& n, TCoeffArray& a, TComplex start, double tolerance, int iterationLimit,
               int& rootCount, TRootArray& roots, TRootStatus& status);

// The same search with the fault test after every single store. FindRoots first runs
// it with the tests put off to its end (RunWithDeferredFaultChecks) and runs this one
// only when a fault or an error shows: its results and errors are always this one's.
void FindRootsCheckingEveryStore(int& n, TCoeffArray& a, TComplex start, double tolerance,
                                 int iterationLimit, int& rootCount, TRootArray& roots,
                                 TRootStatus& status);

// The same search on the unit state (WorkDegree, WorkCoefficients, StartPoint, ...).
void FindRoots();

// One Laguerre iteration of the degree-n polynomial a from start: at least one step,
// at most limit; on running out of steps it sets status to rsNoConvergence (it never
// clears it). Returns the last point.
template <TFaultChecks Checks = TFaultChecks::AtEveryStore>
TComplex FindRoot(int n, const TCoeffArray& a, TComplex start, int limit, double tolerance,
                  TRootStatus& status);

// Replaces a by its quotient by (x - root) and lowers n; the remainder is neither
// formed nor tested (a[0] is not read).
template <TFaultChecks Checks = TFaultChecks::AtEveryStore>
void DeflatePolynomial(int& n, TCoeffArray& a, TComplex root);
