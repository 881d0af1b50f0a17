#include "fixed3_decimal17.h"

#include <bit>

#include "fixed_big_integer.h"
#include "fixed3_scale.h"

namespace calc::detail {
namespace {

constexpr std::uint64_t kPow10_16 = 10'000'000'000'000'000u;
constexpr std::uint64_t kPow10_17 = 100'000'000'000'000'000u;
constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;

// The sign of 2 * m * 2^e * 10^q - h, exactly.
int CompareDoubledScaled(std::uint64_t m, int e, int q, std::uint64_t h) {
  FixedBigInteger left(m);
  FixedBigInteger right(h);
  if (q >= 0) {
    left.MultiplyByPowerOfFive(q);
  } else {
    right.MultiplyByPowerOfFive(-q);
  }
  const int twos = e + q + 1;
  if (twos >= 0) {
    left.ShiftLeft(twos);
  } else {
    right.ShiftLeft(-twos);
  }
  return Compare(left, right);
}

template <bool kAlwaysExact>
Decimal17 Decompose(std::uint64_t m, int e) {
  const int normalize = std::countl_zero(m);
  m <<= normalize;
  e -= normalize;
  int exponent = EstimateDecimalExponent(e);
  const int q = 16 - exponent;
  const Fixed3Scaled w = ScaleByPow10(m, e, q);

  std::uint64_t digits;
  if (w.integer < kPow10_17) {
    // W has 17 integer digits: round it to an integer. Only a fraction just
    // below one half can hide a true value at or above it.
    bool up = w.fraction >= kHalf;
    if (kAlwaysExact || (w.fraction < kHalf && w.fraction >= kHalf - 4)) {
      up = CompareDoubledScaled(m, e, q, 2 * w.integer + 1) >= 0;
    }
    digits = w.integer + (up ? 1u : 0u);
  } else {
    // W has 18 integer digits: the estimate was one too small, round W / 10.
    // The 18th digit decides, except a 4 whose fraction nearly reaches the 5.
    ++exponent;
    const std::uint64_t tens = w.integer / 10;
    const std::uint64_t last = w.integer % 10;
    bool up = last >= 5;
    if (kAlwaysExact || (last == 4 && w.fraction >= ~std::uint64_t{0} - 3)) {
      up = CompareDoubledScaled(m, e, q, 2 * (tens * 10 + 5)) >= 0;
    }
    digits = tens + (up ? 1u : 0u);
  }
  if (digits == kPow10_17) {  // rounded up to the next power of ten
    digits = kPow10_16;
    ++exponent;
  }
  return {digits, exponent};
}

}  // namespace

Decimal17 ToDecimal17(std::uint64_t m, int e) {
  return Decompose<false>(m, e);
}

Decimal17 ToDecimal17AlwaysExact(std::uint64_t m, int e) {
  return Decompose<true>(m, e);
}

}  // namespace calc::detail
