#include "ground/FloatEnv.h"

#include "ground/Errors.h"

#include <cfenv>
#include <cstdint>

namespace {

#if defined(__x86_64__)
constexpr std::uint16_t kX87ControlWord = 0x037F; // all masked, 64-bit significand, nearest
constexpr std::uint32_t kMxcsr = 0x1F80;          // all masked, nearest, no flush-to-zero
#endif

constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// Keeps the compiler from moving floating-point work across a flag test.
inline void Barrier() {
    asm volatile("" ::: "memory");
}

} // namespace

void ResetFloatEnvironment() {
    Barrier();
#if defined(__x86_64__)
    // fninit empties the register stack and clears the flags; then the control
    // words are loaded explicitly rather than trusting the defaults.
    std::uint16_t cw = kX87ControlWord;
    std::uint32_t csr = kMxcsr;
    asm volatile("fninit\n\tfldcw %0" : : "m"(cw));
    asm volatile("ldmxcsr %0" : : "m"(csr));
#else
    // The default environment: round to nearest, traps off, subnormals kept.
    std::fesetenv(FE_DFL_ENV);
#endif
#if LABS_SOFT_EXTENDED
    SetSoftExtendedFlags(0);
#endif
    Barrier();
}

void ClearFloatFlags() {
    Barrier();
    std::feclearexcept(FE_ALL_EXCEPT);
#if LABS_SOFT_EXTENDED
    SetSoftExtendedFlags(0);
#endif
    Barrier();
}

void CheckFloatFaults() {
    Barrier();
    if (FloatFaultPending())
        RaiseFloatFault();
}

void RaiseFloatFault() {
    Barrier();
    int raised = std::fetestexcept(kFaults);
#if LABS_SOFT_EXTENDED
    raised |= SoftExtendedFlags() & kFaults;
#endif
    ResetFloatEnvironment();
    // With real traps the first fault would have stopped the computation; an
    // overflow or a division by zero produces an infinity that can cause a later
    // invalid operation, so those two take precedence.
    if (raised & FE_DIVBYZERO)
        throw EZeroDivide();
    if (raised & FE_OVERFLOW)
        throw EOverflow();
    throw EInvalidOp();
}
