// Both roundings of the "%.3f" rendering at once for magnitudes below 10^13,
// where the exact value has few enough fraction bits to be handled exactly in
// 64 and 128 bits.
#pragma once

#include <cassert>
#include <cstdint>

#include "fixed3_digits.h"
#include "wide_multiply.h"

namespace calc::detail {
namespace fixed3_thousandths {

inline bool Below(Uint128 a, Uint128 b) {
  return a.high < b.high || (a.high == b.high && a.low < b.low);
}

// value * 2^shift for shift in [0, 127 - bit length of value].
inline Uint128 ShiftedLeft(std::uint64_t value, int shift) {
  if (shift >= 64)
    return {value << (shift - 64), 0};
  if (shift == 0)
    return {0, value};
  return {value >> (64 - shift), value << shift};
}

}  // namespace fixed3_thousandths

// m * 2^e rounded to 17 significant digits and then to a whole number of
// thousandths, halves away from zero; for m < 2^53, -64 <= e < 0 and
// 4 * 10^-4 <= m * 2^e < 10^13.
//
// With y = m * 2^e * 1000 and E = floor(log10(m * 2^e)), the 17-digit value is
// N = round(y * 10^s) / 10^s with s = 13 - E decimals past the thousandths,
// and rounding N to thousandths gives floor(y) + 1 exactly when
// frac(y) * 10^s >= 5 * 10^(s-1) - 1/2, that is 2 * 10^s * frac(y) >= 10^s - 1.
// frac(y) = r / 2^k with k = -e, so the test is 2 * 10^s * r >= (10^s - 1) * 2^k
// in integers, both sides below 2^122. A tie of the first rounding would need
// frac(y) = (10^s - 1) / (2 * 10^s), which is no binary fraction: the first
// rounding's free direction never matters below 10^13.
//
// The bound rises with s from 0.45 towards one half, so most fractions are
// decided before s is known.
inline std::uint64_t RoundToThousandths(std::uint64_t m, int e) {
  const int k = -e;
  assert(m < (std::uint64_t{1} << 53) && k > 0 && k <= 64);
  const std::uint64_t scaled = m * 1000;  // below 2^63
  const std::uint64_t whole = k >= 64 ? 0 : scaled >> k;
  const std::uint64_t rest = k >= 64 ? scaled : scaled & ((std::uint64_t{1} << k) - 1);
  const std::uint64_t fraction = rest << (64 - k);  // frac(y) * 2^64, exact
  if (fraction >= std::uint64_t{1} << 63)
    return whole + 1;
  if (fraction <= 8301034833169298227u)  // floor(0.45 * 2^64)
    return whole;
  // whole = floor(y) has 4 + E digits, or none when E = -4 (y below 1), so
  // s = 13 - E = 17 - length either way.
  const int s = 17 - DecimalLength(whole);
  assert(s >= 1 && s <= 17);
  const Uint128 left = Multiply(2 * kFixed3Pow10[s], rest);
  const Uint128 right = fixed3_thousandths::ShiftedLeft(kFixed3Pow10[s] - 1, k);
  return whole + (fixed3_thousandths::Below(left, right) ? 0u : 1u);
}

}  // namespace calc::detail
