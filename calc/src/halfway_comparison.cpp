#include "halfway_comparison.h"

#include "fixed_big_integer.h"

namespace calc::detail {

// digits * 5^e * 2^e against (2m + 1) * 2^(u - 1): the powers of five go to
// whichever side keeps both integers, the powers of two likewise. The largest
// side, about 54 + 342 * log2(5) < 850 bits, stays within FixedBigInteger.
bool ExceedsHalfway(std::uint64_t digits, int decimal_exponent, std::uint64_t mantissa,
                    int ulp_exponent) {
  FixedBigInteger decimal(digits);
  FixedBigInteger halfway(2 * mantissa + 1);
  if (decimal_exponent >= 0) {
    decimal.MultiplyByPowerOfFive(decimal_exponent);
  } else {
    halfway.MultiplyByPowerOfFive(-decimal_exponent);
  }
  const int binary_shift = ulp_exponent - 1 - decimal_exponent;
  if (binary_shift >= 0) {
    halfway.ShiftLeft(binary_shift);
  } else {
    decimal.ShiftLeft(-binary_shift);
  }
  return Compare(decimal, halfway) > 0;
}

}  // namespace calc::detail
