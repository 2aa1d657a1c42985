#pragma once

#include "numeric/Extended.h"

// A value that comes from outside, so that nothing is folded at compile time: every
// operation on it is really carried out, with the flags it raises.
inline TExtended Opaque(TExtended value) {
    asm volatile("" : "+m"(value));
    return value;
}
