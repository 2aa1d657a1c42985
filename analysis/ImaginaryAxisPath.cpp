#include "analysis/ImaginaryAxisPath.h"

#include "analysis/Arctangent.h"
#include "analysis/ExtendedKind.h"

namespace {

// The signs of u - v x for x > 0: at most one change, at x = u / v.
struct TLinearCourse {
    bool vanishes = false;
    bool changes = false;
    TExtended root = 0;
    int before = 0; // the sign on (0, root), or everywhere when it does not change
    int after = 0;
};

TLinearCourse CourseOf(TExtended u, TExtended v) {
    TLinearCourse course;
    const int su = SignOf(u);
    const int sv = SignOf(v);
    if (su == 0 && sv == 0) {
        course.vanishes = true;
        return course;
    }
    if (su != 0 && su == sv) {
        course.changes = true;
        course.root = u / v;
        course.before = su;
        course.after = -su;
        return course;
    }
    course.before = course.after = su != 0 ? su : -sv;
    return course;
}

// Where one or both parts become zero, in the order of the course.
struct TPendingMeeting {
    TExtended x;
    bool realZero;
    bool imaginaryZero;
};

// The continuous angle next to from (within an eighth of a turn) at place; false where
// the place is not next to it, which the course's own logic rules out.
bool StepTo(int from, TPlanePlace place, int& to) {
    const int target = static_cast<int>(place);
    const int difference = (((target - from) % 8) + 8) % 8; // 0 ... 7
    if (difference == 0 || difference == 1) {
        to = from + difference;
        return true;
    }
    if (difference == 7) {
        to = from - 1;
        return true;
    }
    return false;
}

TImaginaryAxisPath Failed(TAnalysisStatus status) {
    TImaginaryAxisPath path;
    path.status = status;
    return path;
}

// The direction of c (jw)^k, c != 0, in eighths.
int DirectionOfTerm(TExtended c, int k) {
    return (2 * k + (c < 0 ? 4 : 0)) % 8;
}

} // namespace

TImaginaryAxisPath TraceImaginaryAxis(const TRealPolynomial& p) {
    const auto& c = p.c;
    const int degree = DegreeOf(p);
    if (degree < 0)
        return Failed(TAnalysisStatus::IdenticallyZero);
    for (TExtended coefficient : c)
        if (!IsFiniteExtended(coefficient))
            return Failed(TAnalysisStatus::NotComputable);

    TImaginaryAxisPath path;
    path.degree = degree;
    path.start = PlaceOfSigns(SignOf(c[0]), 0);
    int lowest = 0;
    while (c[lowest] == 0)
        ++lowest;
    path.startTurn = DirectionOfTerm(c[lowest], lowest);

    const TLinearCourse real = CourseOf(c[0], c[2]);
    const TLinearCourse imaginary = CourseOf(c[1], c[3]);
    path.realPartVanishes = real.vanishes;
    path.imaginaryPartVanishes = imaginary.vanishes;
    for (const TLinearCourse* course : {&real, &imaginary})
        if (course->changes && (!IsFiniteExtended(course->root) || !(course->root > 0)))
            return Failed(TAnalysisStatus::NotComputable);

    std::vector<TPendingMeeting> pending;
    if (real.changes && imaginary.changes) {
        const TExtended product12 = c[1] * c[2];
        const TExtended product03 = c[0] * c[3];
        if (!IsFiniteExtended(product12) || !IsFiniteExtended(product03) || product12 == 0 ||
            product03 == 0)
            return Failed(TAnalysisStatus::NotComputable);
        if (product12 == product03) {
            pending.push_back({real.root, true, true});
        } else {
            // c0/c2 - c1/c3 = (c0 c3 - c1 c2) / (c2 c3).
            const int realFirst = (product03 > product12 ? 1 : -1) * SignOf(c[2]) * SignOf(c[3]);
            const TPendingMeeting realMeeting{real.root, true, false};
            const TPendingMeeting imaginaryMeeting{imaginary.root, false, true};
            if (realFirst < 0) {
                pending = {realMeeting, imaginaryMeeting};
            } else {
                pending = {imaginaryMeeting, realMeeting};
            }
            // The two quotients are each rounded: where they lie closer than that, the
            // later one is not let fall below the earlier.
            if (pending[1].x < pending[0].x)
                pending[1].x = pending[0].x;
        }
    } else if (real.changes) {
        pending.push_back({real.root, true, imaginary.vanishes});
    } else if (imaginary.changes) {
        pending.push_back({imaginary.root, real.vanishes, true});
    }

    int realSign = real.before;
    int imaginarySign = imaginary.before;
    path.stretches.push_back(PlaceOfSigns(realSign, imaginarySign));
    for (const TPendingMeeting& meeting : pending) {
        TAxisMeeting met;
        met.x = meeting.x;
        met.omega = ExtendedSqrt(meeting.x);
        met.place = PlaceOfSigns(meeting.realZero ? 0 : realSign,
                                 meeting.imaginaryZero ? 0 : imaginarySign);
        path.meetings.push_back(met);
        if (meeting.realZero)
            realSign = real.after;
        if (meeting.imaginaryZero)
            imaginarySign = imaginary.after;
        path.stretches.push_back(PlaceOfSigns(realSign, imaginarySign));
    }

    // The continuous argument along the course.
    int turn = 0;
    if (!StepTo(path.startTurn, path.stretches[0], turn))
        return Failed(TAnalysisStatus::NotComputable);
    path.stretchTurns.push_back(turn);
    for (std::size_t k = 0; k < path.meetings.size(); ++k) {
        TAxisMeeting& met = path.meetings[k];
        const TPlanePlace next = path.stretches[k + 1];
        if (met.place == TPlanePlace::Origin) {
            turn += 4;
            if (PlaceAtEighths(turn) != next)
                return Failed(TAnalysisStatus::NotComputable);
        } else {
            if (!StepTo(turn, met.place, met.turn) || !StepTo(met.turn, next, turn))
                return Failed(TAnalysisStatus::NotComputable);
        }
        path.stretchTurns.push_back(turn);
    }
    if (!StepTo(turn, PlaceAtEighths(DirectionOfTerm(c[degree], degree)), path.endTurn))
        return Failed(TAnalysisStatus::NotComputable);
    return path;
}

std::optional<TExtended> ContinuousArgumentDegrees(const TImaginaryAxisPath& path,
                                                   const TRealPolynomial& p, TExtended x) {
    if (path.status != TAnalysisStatus::Ok || !(x > 0))
        return std::nullopt;
    std::size_t k = 0;
    while (k < path.meetings.size() && path.meetings[k].x < x)
        ++k;
    if (k < path.meetings.size() && path.meetings[k].x == x) {
        if (path.meetings[k].place == TPlanePlace::Origin)
            return std::nullopt;
        return TExtended(path.meetings[k].turn) * 45;
    }
    const int turn = path.stretchTurns[k];
    if (!IsQuadrant(path.stretches[k]))
        return TExtended(turn) * 45;
    const TExtended re = ExtendedAbs(p.c[0] - p.c[2] * x);
    const TExtended im = ExtendedSqrt(x) * ExtendedAbs(p.c[1] - p.c[3] * x);
    if (!IsFiniteExtended(re) || !IsFiniteExtended(im) || (re == 0 && im == 0))
        return std::nullopt;
    // From the half-axis the quadrant starts at, counter-clockwise; absolute values, so
    // that a point the rounding puts just across an axis gives the angle of the axis.
    const int lower = turn - 1;
    const bool fromRealAxis = ((lower % 4) + 4) % 4 == 0;
    const TExtended within = fromRealAxis ? AngleDegrees(im, re) : AngleDegrees(re, im);
    return TExtended(lower) * 45 + within;
}
