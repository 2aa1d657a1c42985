#include "numeric/SoftExtended.h"

namespace {

// One set of flags for the program: the labs compute on one thread, and the
// floating-point environment they stand in for is per thread only on real hardware.
int softFlags = 0;

} // namespace

int SoftExtendedFlags() {
    return softFlags;
}

void SetSoftExtendedFlags(int flags) {
    softFlags = flags;
}
