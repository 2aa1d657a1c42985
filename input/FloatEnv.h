#pragma once

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

// Rounds an extended value to a double the way a store does, then checks for faults:
// a magnitude beyond the double range is "Floating point overflow".
double StoreDouble(long double value);
