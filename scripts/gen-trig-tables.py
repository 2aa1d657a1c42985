#!/usr/bin/env python3
"""Writes numeric/SoftExtendedTrigTables.h: the constants of the software sine, cosine and
arctangent, computed with Python's exact integers.

- the bits of 2/pi, far enough for the largest extended argument's range reduction;
- pi/2 with 128 bits;
- sin(k/64), cos(k/64) and atan(k/64), the anchor points of the short series.

Fixed-point values are integers v standing for v / 2^126, rounded to nearest.
Run it from anywhere and commit what it writes; the build needs no Python.
"""

import os

Q = 126  # binary places of the fixed-point table values
WORK = 400  # binary places used while computing them
TWO_OVER_PI_WORDS = 264  # 64-bit words: bits 1..16896 after the binary point
ANCHOR_STEP = 64  # anchors at k / 64
SIN_COS_ANCHORS = 53  # k = 0..52 covers pi/4 * 64 = 50.3 with room
ATAN_ANCHORS = 65  # k = 0..64 covers [0, 1]


def atan_inverse(n, places):
    """atan(1/n) * 2^places, truncated, by its Taylor series."""
    one = 1 << places
    term = one // n
    total = term
    n2 = n * n
    k = 1
    while term:
        term //= n2
        k += 2
        total += -(term // k) if (k // 2) % 2 else term // k
    return total


def pi_fixed(places):
    """pi * 2^places by Machin's formula, with guard bits dropped at the end."""
    guard = 64
    p = places + guard
    pi = 16 * atan_inverse(5, p) - 4 * atan_inverse(239, p)
    return pi >> guard


def sin_cos_fixed(x, places):
    """sin(x), cos(x) * 2^places for x = x_fixed / 2^places, by the Taylor series."""
    one = 1 << places
    s = c = 0
    term = one  # x^n / n!
    n = 0
    while term:
        if n % 4 == 0:
            c += term
        elif n % 4 == 1:
            s += term
        elif n % 4 == 2:
            c -= term
        else:
            s -= term
        n += 1
        term = term * x // one // n
    return s, c


def atan_fixed(x, places):
    """atan(x) * 2^places for 0 <= x <= 1, halving the argument twice first."""
    one = 1 << places
    for _ in range(2):
        # atan(x) = 2 atan(x / (1 + sqrt(1 + x^2)))
        root = isqrt_fixed(one + x * x // one, places)
        x = x * one // (one + root)
    total = 0
    x2 = x * x // one
    power = x
    k = 1
    while power:
        total += power // k if (k // 2) % 2 == 0 else -(power // k)
        power = power * x2 // one
        k += 2
    return 4 * total


def isqrt_fixed(v, places):
    from math import isqrt

    return isqrt(v << places)


def rounded(v_work):
    """A WORK-place value rounded to Q places."""
    shift = WORK - Q
    return (v_work + (1 << (shift - 1))) >> shift


def q126_literal(v):
    assert 0 <= v < 1 << 128
    return "{0x%016xu, 0x%016xu}" % (v >> 64, v & ((1 << 64) - 1))


def main():
    bits = 64 * TWO_OVER_PI_WORDS
    guard = 128
    # floor(2/pi * 2^bits): the first `bits` bits after the binary point
    two_over_pi = (1 << (2 * bits + guard + 1)) // pi_fixed(bits + guard)
    words = [(two_over_pi >> (bits - 64 * (i + 1))) & ((1 << 64) - 1) for i in range(TWO_OVER_PI_WORDS)]

    pi_work = pi_fixed(WORK)
    half_pi_q126 = rounded(pi_work // 2)
    # pi/2 with its leading bit at 2^127: 128 significant bits
    half_pi_q127 = (pi_work * (1 << 127) // 2 + (1 << (WORK - 1))) >> WORK

    sines, cosines = [], []
    for k in range(SIN_COS_ANCHORS):
        s, c = sin_cos_fixed((k << WORK) // ANCHOR_STEP, WORK)
        sines.append(rounded(s))
        cosines.append(rounded(c))
    atans = [rounded(atan_fixed((k << WORK) // ANCHOR_STEP, WORK)) for k in range(ATAN_ANCHORS)]

    out = []
    out.append("#pragma once")
    out.append("")
    out.append("// Written by scripts/gen-trig-tables.py (exact integer arithmetic); do not edit.")
    out.append("// Fixed-point values are {high word, low word} of v standing for v / 2^126.")
    out.append("")
    out.append("#include <cstdint>")
    out.append("")
    out.append("struct TTrigWords {")
    out.append("    std::uint64_t High;")
    out.append("    std::uint64_t Low;")
    out.append("};")
    out.append("")
    out.append("// The bits of 2/pi after the binary point, most significant first.")
    out.append("inline constexpr std::uint64_t TwoOverPiBits[%d] = {" % TWO_OVER_PI_WORDS)
    for i in range(0, TWO_OVER_PI_WORDS, 3):
        out.append("    " + " ".join("0x%016xu," % w for w in words[i : i + 3]))
    out.append("};")
    out.append("")
    out.append("inline constexpr TTrigWords HalfPiQ126 = %s;" % q126_literal(half_pi_q126))
    out.append("// pi/2 * 2^127: the leading bit in bit 127.")
    out.append("inline constexpr TTrigWords HalfPiSignificand = %s;" % q126_literal(half_pi_q127))
    out.append("")
    out.append("inline constexpr int TrigAnchorStep = %d;" % ANCHOR_STEP)
    for name, values in (("SinAnchors", sines), ("CosAnchors", cosines), ("AtanAnchors", atans)):
        out.append("")
        out.append("// %s(k / %d), k = 0, 1, ..." % (name[: -len("Anchors")].lower(), ANCHOR_STEP))
        out.append("inline constexpr TTrigWords %s[%d] = {" % (name, len(values)))
        for v in values:
            out.append("    %s," % q126_literal(v))
        out.append("};")
    out.append("")

    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "input", "SoftExtendedTrigTables.h")
    with open(target, "w") as f:
        f.write("\n".join(out))
    print(os.path.normpath(target))


if __name__ == "__main__":
    main()
