#pragma once

#include <cfenv>
#include <cstdint>

// The analysis runs in the arithmetic it is written for (64-bit significand, rounding
// to nearest, every exception masked) and gives the caller's floating-point state back
// as it found it: the program reads the sticky flags to report its own faults, and an
// overflow inside the analysis, which the analysis states as "not computable", must
// not turn up there as a fault of the lab. One guard per analysis call, on the stack:
// the entry points of the labs' analyses (AnalyseMikhailov, AnalyseNyquist,
// AnalyseDPartition, AnalyseRootLab) put it up; their building blocks (roots, counts,
// courses) raise flags as the arithmetic does, and a caller that uses one of them
// alone puts up a guard of its own. Guards are not nested: an inner one would hide a
// fault from the outer one's FaultRaised.
class TFloatStateGuard {
  public:
    TFloatStateGuard();
    ~TFloatStateGuard();
    TFloatStateGuard(const TFloatStateGuard&) = delete;
    TFloatStateGuard& operator=(const TFloatStateGuard&) = delete;

    // Whether invalid operation, division by zero or overflow has been raised since
    // the guard was made: by the hardware, or by the software extended arithmetic.
    bool FaultRaised() const;

  private:
#if defined(__x86_64__)
    // Both units directly: some C libraries' fesetenv leaves SSE's flags as they are.
    unsigned char x87_[28]; // the x87 environment as fnstenv writes it
    std::uint32_t mxcsr_ = 0;
#else
    std::fenv_t env_;
#endif
#if LABS_SOFT_EXTENDED
    int soft_ = 0;
#endif
};
