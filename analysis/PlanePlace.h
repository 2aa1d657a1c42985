#pragma once

// Where a point of the complex plane lies, as a curve's course is told: in an open
// quadrant, on one of the four half-axes, or at the origin. The values count eighths
// of a turn counter-clockwise from the positive real axis (the origin aside), so that
// the angle between two places is a difference of values.
enum class TPlanePlace {
    PositiveReal = 0,
    Quadrant1 = 1,
    PositiveImaginary = 2,
    Quadrant2 = 3,
    NegativeReal = 4,
    Quadrant3 = 5,
    NegativeImaginary = 6,
    Quadrant4 = 7,
    Origin = 8,
};

// The place of a point from the signs (-1, 0, +1) of its real and imaginary parts.
inline TPlanePlace PlaceOfSigns(int re, int im) {
    if (re == 0 && im == 0)
        return TPlanePlace::Origin;
    if (im == 0)
        return re > 0 ? TPlanePlace::PositiveReal : TPlanePlace::NegativeReal;
    if (re == 0)
        return im > 0 ? TPlanePlace::PositiveImaginary : TPlanePlace::NegativeImaginary;
    if (im > 0)
        return re > 0 ? TPlanePlace::Quadrant1 : TPlanePlace::Quadrant2;
    return re < 0 ? TPlanePlace::Quadrant3 : TPlanePlace::Quadrant4;
}

inline bool IsQuadrant(TPlanePlace place) {
    return place != TPlanePlace::Origin && static_cast<int>(place) % 2 == 1;
}

// The place at a direction given in eighths of a turn (any integer; even: a half-axis).
inline TPlanePlace PlaceAtEighths(int eighths) {
    return static_cast<TPlanePlace>(((eighths % 8) + 8) % 8);
}

// 1 to 4 for the quadrants, 0 otherwise.
inline int QuadrantNumber(TPlanePlace place) {
    return IsQuadrant(place) ? (static_cast<int>(place) + 1) / 2 : 0;
}
