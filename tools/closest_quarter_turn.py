#!/usr/bin/env python3
"""How close can an 80-bit extended value x >= 1/2 come to a multiple of pi/2?

For every exponent k of x = M * 2^k (M a 64-bit significand) the distance of x * 2/pi
to the nearest integer is at least ||q beta||, beta = frac(2^k * 2/pi), q the largest
continued-fraction denominator of beta below 2^64 (best approximation: no M below the
next denominator does better). Prints the smallest bound over all exponents, with the
exponent and the q that attain it.

The software sine and cosine rely on the bound: their argument reduction
(numeric/SoftExtendedTrig.cpp) keeps a window of 2/pi wide enough for an argument this
near a multiple of pi/2, and the nearest argument is a case of
tests/numeric/SoftExtendedTrig_test.cpp.
Usage: python3 tools/closest_quarter_turn.py  (under a second)
"""

EXTRA = 320  # bits of beta beyond its point: far more than the 2 * 64 the fraction needs


def atan_inverse(n, places):
    one = 1 << places
    term = one // n
    total = term
    k = 1
    while term:
        term //= n * n
        k += 2
        total += -(term // k) if (k // 2) % 2 else term // k
    return total


def main():
    kmin, kmax = 16382 - 16383 - 63, 32766 - 16383 - 63
    bits = kmax + EXTRA + 64
    guard = 64
    pi = (16 * atan_inverse(5, bits + guard) - 4 * atan_inverse(239, bits + guard)) >> guard
    two_over_pi = (1 << (2 * bits + 1)) // pi  # 2/pi * 2^bits
    best = None
    for k in range(kmin, kmax + 1):
        # beta = frac(2^k * 2/pi) = num / 2^(bits - k), truncated to EXTRA bits
        shift = bits - k
        num = two_over_pi & ((1 << shift) - 1)
        den = 1 << shift
        if shift > EXTRA:
            num >>= shift - EXTRA
            den = 1 << EXTRA
        # continued fraction of num/den; convergent denominators q
        a_num, a_den = num, den
        q_prev, q = 0, 1  # q_{-1} = 0, q_0 = 1
        p_prev, p = 1, 0  # p_{-1} = 1, p_0 = a_0 = 0
        while a_num:
            a = a_den // a_num
            a_den, a_num = a_num, a_den - a * a_num
            q_next = a * q + q_prev
            if q_next >= 1 << 64:
                break
            q_prev, q = q, q_next
            p_prev, p = p, a * p + p_prev
        # ||q beta|| = |q num - p den| / den
        dist = abs(q * num - p * den)
        bound_log2 = dist.bit_length() - den.bit_length() + 1
        if best is None or bound_log2 < best[0]:
            best = (bound_log2, k, q)
    print("smallest |x * 2/pi - n| >= about 2^%d (exponent k = %d, q = %#x)" % best)


if __name__ == "__main__":
    main()
