#pragma once

// Whether a result of the analysis holds numbers at all. Where it does not, the
// fields that would carry them are left at zero and must not be shown.
enum class TAnalysisStatus {
    Ok,
    // The polynomial the result is about is zero in every coefficient: it has no
    // roots to count and no curve to follow.
    IdenticallyZero,
    // A value on the way does not fit the extended range (or would have to be divided
    // by a zero the range rounded it to): no number is given rather than a wrong one.
    NotComputable,
};
