#pragma once

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

// Whether invalid operation, division by zero or overflow is flagged by the x87 unit
// or by SSE. Inline and without a library call: the root finder stores a double
// hundreds of times per search, and this test is most of the cost of a store.
inline bool FloatFaultPending() {
    std::uint16_t status;
    std::uint32_t csr;
    asm volatile("fnstsw %0" : "=m"(status) : : "memory");
    asm volatile("stmxcsr %0" : "=m"(csr) : : "memory");
    // The three flags sit at the same bits in both status words.
    return ((status | csr) & (FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW)) != 0;
}

// Rounds an extended value to a double the way a store does, then checks for faults:
// a magnitude beyond the double range is "Floating point overflow".
inline double StoreDouble(long double value) {
    volatile double stored = static_cast<double>(value);
    if (FloatFaultPending())
        RaiseFloatFault();
    return stored;
}
