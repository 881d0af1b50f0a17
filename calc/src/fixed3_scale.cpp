#include "fixed3_scale.h"

#include <cassert>

#include "wide_multiply.h"
#include "pow5_table.h"

namespace calc::detail {

// The table entry T is 5^q * 2^(127 - b) truncated, b = floor(log2(5^q)), so
// m * 5^q * 2^(127 - b) lies in [m * T, m * T + 2^64) and its top 128 of 192
// bits, P, in [floor(m * T / 2^64), + 2). W = P * 2^-g with g = 63 - e - b - q.
// As P is in [2^126, 2^128) and W in [2^53, 2^60), g - 64 is in [3, 10]: the
// integer part comes from the high word alone, the error of P shrinks to at
// most 2 * 2^-3 of the fraction's last place, and the bits of P shifted out
// add less than one more.
Fixed3Scaled ScaleByPow10(std::uint64_t m, int e, int q) {
  assert(q >= kPow5Low && q <= kPow5High);
  const Pow5Mantissa& pow5 = kPow5Table[q - kPow5Low];
  const Uint128 by_high = Multiply(m, pow5.high);
  const Uint128 by_low = Multiply(m, pow5.low);
  const std::uint64_t middle = by_high.low + by_low.high;
  const std::uint64_t high = by_high.high + (middle < by_high.low ? 1u : 0u);
  const int shift = 63 - e - Pow5BinaryExponent(q) - q - 64;
  assert(shift >= 3 && shift <= 10);
  return {high >> shift, (high << (64 - shift)) | (middle >> shift)};
}

}  // namespace calc::detail
