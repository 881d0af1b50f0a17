#include "decimal_to_double.h"

#include <bit>
#include <limits>

#include "halfway_comparison.h"
#include "wide_multiply.h"

namespace calc::detail {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Uint192 {
  std::uint64_t high;
  std::uint64_t middle;
  std::uint64_t low;
};

// The 192-bit product of a normalised 64-bit mantissa and a 128-bit table entry.
Uint192 MultiplyByTableEntry(std::uint64_t mantissa, const Pow5Mantissa& entry) {
  const Uint128 upper = Multiply(mantissa, entry.high);
  const Uint128 lower = Multiply(mantissa, entry.low);
  const std::uint64_t middle = upper.low + lower.high;
  const std::uint64_t carry = middle < upper.low ? 1 : 0;
  return {upper.high + carry, middle, lower.low};
}

enum class Rounding { kDown, kUp, kUndecided };

// How the bits of `product` below bit `ulp_bit` (138 to 192) round. An exact
// product is the value itself, and a remainder of exactly half is a tie, which
// goes toward zero. A truncated power of five (5^q beyond 5^55 has more than
// 128 bits, below 5^0 it is no dyadic number) leaves the product below the
// value by more than 0 and less than 2^65: a remainder of half is then above
// it, and one within 2^65 under half cannot be decided from the product.
Rounding RoundingOfRemainder(const Uint192& product, int ulp_bit, bool exact) {
  const int shift = ulp_bit - 128;  // 10 to 64
  const std::uint64_t remainder =
      shift == 64 ? product.high : product.high & ((std::uint64_t{1} << shift) - 1);
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  if (remainder > half)
    return Rounding::kUp;
  if (remainder == half) {
    const bool exactly_half = product.middle == 0 && product.low == 0;
    return exactly_half && exact ? Rounding::kDown : Rounding::kUp;
  }
  constexpr std::uint64_t kAll = ~std::uint64_t{0};
  if (!exact && remainder == half - 1 && product.middle >= kAll - 1)
    return Rounding::kUndecided;
  return Rounding::kDown;
}

// A biased exponent field of 0 with the mantissa's own bit 52 clear is a
// subnormal; a mantissa that rounded up to 2^53 carries into the exponent,
// up to infinity.
double ComposeDouble(bool negative, int ulp_exponent, std::uint64_t mantissa) {
  const auto field = static_cast<std::uint64_t>(ulp_exponent + 1074);
  const std::uint64_t sign = negative ? std::uint64_t{1} << 63 : 0;
  return std::bit_cast<double>(sign | ((field << 52) + mantissa));
}

}  // namespace

// The value is product * 2^scale times (1 + d), 0 <= d < 2^-127, d = 0 for the
// exact table entries 5^0 to 5^55.
double RoundDecimalWithPowerOfFive(bool negative, std::uint64_t digits, int exponent) {
  const int leading_zeros = std::countl_zero(digits);
  const Pow5Mantissa& entry = kPow5Table[exponent - kPow5Low];
  const Uint192 product = MultiplyByTableEntry(digits << leading_zeros, entry);
  const int scale = Pow5BinaryExponent(exponent) - 127 - leading_zeros + exponent;
  const int top_bit = 190 + static_cast<int>(product.high >> 63);
  // floor(log2) of the product; the value itself can reach the next power of
  // two only if the mantissa then rounds up to it anyway.
  const int binary_exponent = top_bit + scale;
  if (binary_exponent > 1023)
    return negative ? -kInfinity : kInfinity;

  const int ulp_exponent = binary_exponent - 52 > -1074 ? binary_exponent - 52 : -1074;
  const int ulp_bit = ulp_exponent - scale;
  if (ulp_bit > 192)
    return negative ? -0.0 : 0.0;  // below half the smallest subnormal

  const bool exact = exponent >= 0 && exponent <= 55;
  std::uint64_t mantissa = ulp_bit == 192 ? 0 : product.high >> (ulp_bit - 128);
  switch (RoundingOfRemainder(product, ulp_bit, exact)) {
    case Rounding::kUp:
      ++mantissa;
      break;
    case Rounding::kUndecided:
      if (ExceedsHalfway(digits, exponent, mantissa, ulp_exponent))
        ++mantissa;
      break;
    case Rounding::kDown:
      break;
  }
  return ComposeDouble(negative, ulp_exponent, mantissa);
}

}  // namespace calc::detail
