// The double nearest to ±digits * 10^exponent, halfway cases toward zero.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "pow5_table.h"

namespace calc::detail {

// ±digits * 10^exponent for digits != 0 and exponent from kPow5Low to
// kPow5High, through the 128-bit powers of five; out of line, as it is larger.
double RoundDecimalWithPowerOfFive(bool negative, std::uint64_t digits, int exponent);

inline constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The largest digits for which digits * 5^e < 2^53: then digits * 10^e is a
// double and the product is exact. A larger product could be a tie, which the
// hardware would round to even rather than toward zero.
inline constexpr std::array<std::uint64_t, 23> kLargestExactProductDigits = [] {
  std::array<std::uint64_t, 23> limits{};
  std::uint64_t power = 1;
  for (std::uint64_t& limit : limits) {
    limit = (std::uint64_t{1} << 53) / power;
    power *= 5;
  }
  return limits;
}();

// Exact operands and one correctly rounded operation. A quotient
// digits / 10^e with digits <= 2^53 is never a tie: a tie needs 54 significant
// bits, while a dyadic quotient keeps at most the bits of digits.
inline bool TryExactArithmetic(std::uint64_t digits, std::int64_t exponent, double& result) {
  if (static_cast<std::uint64_t>(exponent + 22) > 44 || digits > (std::uint64_t{1} << 53))
    return false;
  const double value = static_cast<double>(digits);
  if (exponent < 0) {
    result = value / kExactPowersOfTen[static_cast<std::size_t>(-exponent)];
    return true;
  }
  const auto index = static_cast<std::size_t>(exponent);
  if (digits > kLargestExactProductDigits[index])
    return false;
  result = value * kExactPowersOfTen[index];
  return true;
}

inline double WithSign(bool negative, double magnitude) {
  return negative ? -magnitude : magnitude;
}

// The sign applies to zero and infinity too. Correctly rounded for every
// input, subnormal results included.
inline double DecimalToDouble(bool negative, std::uint64_t digits, std::int64_t exponent) {
  double result;
  if (TryExactArithmetic(digits, exponent, result))  // zero digits too
    return WithSign(negative, result);
  // Below 10^19 * 10^-343 < 2^-1075, or at least 10^309.
  if (digits == 0 || exponent < kPow5Low)
    return WithSign(negative, 0.0);
  if (exponent > kPow5High)
    return WithSign(negative, std::numeric_limits<double>::infinity());
  return RoundDecimalWithPowerOfFive(negative, digits, static_cast<int>(exponent));
}

}  // namespace calc::detail
