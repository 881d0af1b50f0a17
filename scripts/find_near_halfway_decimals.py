#!/usr/bin/env python3
"""Lists w * 10^q, w < 10^19, that lie closest to a point halfway between two
adjacent normal doubles, for the exponents q where the 128-bit powers of five
are truncated (q < -27 or q > 55; from -27 to -1 halfway points are hit
exactly or missed by far, from 0 to 55 the powers are exact).

w * 10^q is within d ulp of a halfway point when w * 2b is within 2d of an odd
integer, b = 10^q / 2^(e-52) being the value of one unit of w in ulps of the
binade [2^e, 2^(e+1)). Any w with |w * 2b - p| < 1 / (2w) has p / w among the
continued-fraction convergents of 2b, so the convergents with odd numerators
find every such w. Prints one line per hit: the text, the binade and the
signed distance from the halfway point in units of 2^-73 ulp.

Usage: find_near_halfway_decimals.py [lowest_q highest_q]
"""
from fractions import Fraction
import math
import sys

LARGEST_DIGITS = 10**19
REPORTED = Fraction(1, 2**68)  # |w * 2b - p| below this is printed


def convergents(x: Fraction):
    a, b = x.numerator, x.denominator
    p0, p1, q0, q1 = 0, 1, 1, 0
    while b:
        t = a // b
        p0, p1 = p1, t * p1 + p0
        q0, q1 = q1, t * q1 + q0
        yield p1, q1
        a, b = b, a - t * b


def hits(q: int):
    ten = Fraction(10) ** q
    lowest_e = math.floor(q * math.log2(10)) - 1
    highest_e = math.floor((q + 19) * math.log2(10)) + 1
    for e in range(max(lowest_e, -1022), min(highest_e, 1023) + 1):
        twice_ulps = ten / Fraction(2) ** (e - 53)
        lowest_w = Fraction(2) ** e / ten
        highest_w = Fraction(2) ** (e + 1) / ten
        for p, w in convergents(twice_ulps):
            if w >= LARGEST_DIGITS:
                break
            if p % 2 == 0 or not lowest_w <= w < highest_w:
                continue
            distance = w * twice_ulps - p
            if abs(distance) < REPORTED:
                yield w, e, float(distance * 2**72)


def main() -> None:
    low, high = (int(sys.argv[1]), int(sys.argv[2])) if len(sys.argv) > 2 else (-342, 308)
    for q in range(low, high + 1):
        if -27 <= q <= 55:
            continue
        for w, e, distance in hits(q):
            print(f"{w}e{q}  binade 2^{e}  {distance:+.3f} * 2^-73 ulp")


if __name__ == "__main__":
    main()
