#include "analysis/FloatStateGuard.h"

#include "numeric/Extended.h"

namespace {

constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

#if defined(__x86_64__)
constexpr std::uint16_t kX87ControlWord = 0x037F; // all masked, 64-bit significand, nearest
constexpr std::uint32_t kMxcsr = 0x1F80;          // all masked, nearest, no flush-to-zero
#endif

// Keeps the compiler from moving floating-point work across the guard's own steps.
inline void Barrier() {
    asm volatile("" ::: "memory");
}

} // namespace

TFloatStateGuard::TFloatStateGuard() {
    Barrier();
#if defined(__x86_64__)
    // fnstenv masks every exception as it stores; fldenv puts the caller's masks back
    // until the guard's own control word is loaded.
    asm volatile("fnstenv %0" : "=m"(x87_));
    asm volatile("fldenv %0" : : "m"(x87_));
    asm volatile("stmxcsr %0" : "=m"(mxcsr_));
    std::uint16_t controlWord = kX87ControlWord;
    std::uint32_t csr = kMxcsr;
    asm volatile("fnclex\n\tfldcw %0" : : "m"(controlWord) : "memory");
    asm volatile("ldmxcsr %0" : : "m"(csr) : "memory");
#else
    std::fegetenv(&env_);
    std::fesetenv(FE_DFL_ENV);
#endif
#if LABS_SOFT_EXTENDED
    soft_ = SoftExtendedFlags();
    SetSoftExtendedFlags(0);
#endif
    Barrier();
}

TFloatStateGuard::~TFloatStateGuard() {
    Barrier();
#if defined(__x86_64__)
    asm volatile("fldenv %0" : : "m"(x87_) : "memory");
    asm volatile("ldmxcsr %0" : : "m"(mxcsr_) : "memory");
#else
    std::fesetenv(&env_);
#endif
#if LABS_SOFT_EXTENDED
    SetSoftExtendedFlags(soft_);
#endif
    Barrier();
}

bool TFloatStateGuard::FaultRaised() const {
    Barrier();
    int raised = 0;
#if defined(__x86_64__)
    std::uint16_t status;
    std::uint32_t csr;
    asm volatile("fnstsw %0" : "=m"(status) : : "memory");
    asm volatile("stmxcsr %0" : "=m"(csr) : : "memory");
    // The three flags sit at the same bits in both status words as in <cfenv>.
    raised = (status | csr) & kFaults;
#else
    raised = std::fetestexcept(kFaults);
#endif
#if LABS_SOFT_EXTENDED
    raised |= SoftExtendedFlags() & kFaults;
#endif
    return raised != 0;
}
