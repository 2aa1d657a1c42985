#pragma once

#include "numeric/Extended.h"

#include <cfenv>
#include <cstdint>

// The floating-point environment of every computation: intermediates in 80-bit
// extended precision, rounding to nearest, every hardware trap masked. Invalid
// operation, division by zero and overflow are instead read from the sticky status
// flags at the points where a value is stored, and turned into EInvalidOp,
// EZeroDivide or EOverflow there. Hardware traps stay off because the toolkit's own
// painting and layout code would trip over them.

// Loads the start-up environment: x87 at 64-bit significand and round-to-nearest,
// SSE at round-to-nearest, all exceptions masked, all flags and the register stack
// cleared. Called at start-up and after every fault.
void ResetFloatEnvironment();

// Clears the status flags so that a computation starts clean; called when a
// handler begins, so that flags left by the toolkit's own arithmetic do not count.
void ClearFloatFlags();

// Raises the error of a pending fault (after resetting the environment), or returns.
void CheckFloatFaults();

// Resets the environment and raises the error of the pending fault.
[[noreturn]] void RaiseFloatFault();

// Whether the software extended arithmetic has flagged invalid operation, division by
// zero or overflow; never where the hardware computes.
inline bool SoftFloatFaultPending() {
#if LABS_SOFT_EXTENDED
    return (SoftExtendedFlags() & (FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW)) != 0;
#else
    return false;
#endif
}

// Whether invalid operation, division by zero or overflow is flagged: by the x87 unit
// or by SSE on x86-64, by the hardware's double arithmetic elsewhere, and by the
// software extended arithmetic where it stands in for the x87. Inline and without a
// library call on x86-64: the root finder stores a double hundreds of times per
// search, and this test is most of the cost of a store.
inline bool FloatFaultPending() {
#if defined(__x86_64__) && !LABS_SOFT_EXTENDED
    std::uint16_t status;
    std::uint32_t csr;
    asm volatile("fnstsw %0" : "=m"(status) : : "memory");
    asm volatile("stmxcsr %0" : "=m"(csr) : : "memory");
    // The three flags sit at the same bits in both status words.
    return ((status | csr) & (FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW)) != 0;
#else
    // Only the double arithmetic runs on the hardware here (SSE or the other CPU's
    // floating-point unit), so the library's test of its flags covers it.
    asm volatile("" ::: "memory");
    return std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW) != 0 ||
           SoftFloatFaultPending();
#endif
}

// The whole floating-point state a computation may change: the hardware's
// environment and, where it is in use, the software arithmetic's flags.
#if defined(_WIN32) && defined(__x86_64__)
// MinGW's fesetenv restores the x87 unit but leaves SSE's status flags as they are: a
// fault of a discarded fast pass would still be pending when its checked run starts.
// Both units are saved and loaded here directly.
struct THardwareFloatEnv {
    struct {
        std::uint8_t bytes[28]; // the x87 environment as fnstenv writes it
    } X87;
    std::uint32_t Mxcsr;
};

inline void SaveHardwareFloatEnv(THardwareFloatEnv& env) {
    // fnstenv masks every exception as it stores; fldenv puts the masks back.
    asm volatile("fnstenv %0" : "=m"(env.X87));
    asm volatile("fldenv %0" : : "m"(env.X87));
    asm volatile("stmxcsr %0" : "=m"(env.Mxcsr));
}

inline void LoadHardwareFloatEnv(const THardwareFloatEnv& env) {
    asm volatile("fldenv %0" : : "m"(env.X87) : "memory");
    asm volatile("ldmxcsr %0" : : "m"(env.Mxcsr) : "memory");
}
#else
using THardwareFloatEnv = std::fenv_t;

inline void SaveHardwareFloatEnv(THardwareFloatEnv& env) {
    std::fegetenv(&env);
}

inline void LoadHardwareFloatEnv(const THardwareFloatEnv& env) {
    std::fesetenv(&env);
}
#endif

struct TFloatState {
    THardwareFloatEnv Hardware;
#if LABS_SOFT_EXTENDED
    int Soft = 0;
#endif
};

inline TFloatState SaveFloatState() {
    TFloatState state;
    SaveHardwareFloatEnv(state.Hardware);
#if LABS_SOFT_EXTENDED
    state.Soft = SoftExtendedFlags();
#endif
    return state;
}

inline void RestoreFloatState(const TFloatState& state) {
    LoadHardwareFloatEnv(state.Hardware);
#if LABS_SOFT_EXTENDED
    SetSoftExtendedFlags(state.Soft);
#endif
}

// Keeps the caller's floating-point state across work that must neither raise the
// program's errors nor leave flags behind for the next computation to find (the
// chart's drawing, zooming and panning; the parser's masked scaling): the whole state
// is saved on entry and put back on every way out, the hardware's environment and,
// where the extended arithmetic is computed in software, that arithmetic's own
// sticky flags.
class TFloatStateScope {
  public:
    TFloatStateScope() : saved_(SaveFloatState()) {}
    ~TFloatStateScope() { RestoreFloatState(saved_); }
    TFloatStateScope(const TFloatStateScope&) = delete;
    TFloatStateScope& operator=(const TFloatStateScope&) = delete;

    // Clears the flags, so that Faulted tells of the work inside the scope alone.
    void ClearFlags() { ClearFloatFlags(); }
    // Loads the program's environment (64-bit significand, rounding to nearest, flags
    // clear) for the work inside, whatever the caller had set.
    void LoadProgramEnvironment() { ResetFloatEnvironment(); }
    // Whether invalid operation, division by zero or overflow has been flagged.
    bool Faulted() const { return FloatFaultPending(); }

  private:
    TFloatState saved_;
};

// When a computation tests the fault flags: after every store (the rule), or only once
// at the end of a fast first pass (see RunWithDeferredFaultChecks).
enum class TFaultChecks { AtEveryStore, Deferred };

// Rounds an extended value to a double the way a store does, then checks for faults:
// a magnitude beyond the double range is "Floating point overflow". The deferred form
// only rounds; the value is the same.
template <TFaultChecks Checks = TFaultChecks::AtEveryStore>
inline double StoreDouble(TExtended value) {
    if constexpr (Checks == TFaultChecks::AtEveryStore) {
        volatile double stored = static_cast<double>(value);
        if (FloatFaultPending())
            RaiseFloatFault();
        return stored;
    } else {
        // The empty statement makes the store happen even where its value goes unused
        // (its flags count all the same), while the value stays an x87 load away.
        double stored = static_cast<double>(value);
        asm volatile("" : "+m"(stored));
        return stored;
    }
}

// Ends a fast pass early once a fault is pending; loops call it every round or every
// few rounds, so that an infinity or NaN cannot keep a long loop going that the checked
// pass would have stopped at its first store. Does nothing in a checked pass.
struct TDeferredFaultPending {};
template <TFaultChecks Checks> inline void StopOnPendingFault() {
    if constexpr (Checks == TFaultChecks::Deferred) {
        if (FloatFaultPending())
            throw TDeferredFaultPending{};
    }
}

// Runs fast, a computation whose stores skip the fault test, and tests the flags once
// at its end. The flags are sticky: when none is pending then, no store of the pass
// would have raised, and its values are those of a checked pass, as a store rounds
// the same either way. When one is pending, or fast threw, the floating-point
// environment is put back as it was, undo puts back whatever fast changed, and checked
// runs the same computation with every store tested; it raises exactly the error, at
// exactly the store, that it would have raised alone. Both must be deterministic and
// bounded. Testing each store serialises the floating-point unit, which made it most
// of the cost of the root finder.
template <typename Fast, typename Checked, typename Undo>
void RunWithDeferredFaultChecks(Fast&& fast, Checked&& checked, Undo&& undo) {
    if (FloatFaultPending()) {
        checked();
        return;
    }
    const TFloatState entry = SaveFloatState();
    try {
        fast();
        if (!FloatFaultPending())
            return;
    } catch (...) {
    }
    RestoreFloatState(entry);
    undo();
    checked();
}
