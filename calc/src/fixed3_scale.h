// Fixed3Scaled: a double times a power of ten as a 64.64-bit fixed-point
// number, from one 64x128-bit product with the table of powers of five.
#pragma once

#include <cstdint>

namespace calc::detail {

// W = m * 2^e * 10^q, from below: W lies in [integer + fraction / 2^64,
// integer + (fraction + 1.25) / 2^64).
struct Fixed3Scaled {
  std::uint64_t integer;
  std::uint64_t fraction;
};

// floor(log10(m * 2^e)) or one less, for m with its top bit set and
// |63 + e| < 1650: with q = 16 minus it, W falls in [10^16, 10^18).
constexpr int EstimateDecimalExponent(int e) {
  return ((63 + e) * 78913) >> 18;
}

// For m with its top bit set and q within the table, chosen so that W is in
// [10^16, 10^18).
Fixed3Scaled ScaleByPow10(std::uint64_t m, int e, int q);

}  // namespace calc::detail
