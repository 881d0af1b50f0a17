#include "fixed3_large.h"

#include <algorithm>
#include <cassert>

#include "fixed3_digits.h"

namespace calc::detail {

// The 17 digits reach no further than the third decimal, so they print as
// they are, padded with zeros; 309 integer digits at most.
char16_t* WriteLargeBackward(char16_t* end, std::uint64_t digits, int exponent) {
  assert(exponent >= 13 && exponent <= 308);
  const int integer_digits = exponent + 1;
  const int decimals_from_digits = std::max(0, 17 - integer_digits);  // 0 to 3
  end -= 3 - decimals_from_digits;
  std::fill(end, end + (3 - decimals_from_digits), u'0');
  if (decimals_from_digits == 0) {
    *--end = u'.';
    const int zeros = integer_digits - 17;
    end -= zeros;
    std::fill(end, end + zeros, u'0');
    return WriteFixedWidthBackward(end, digits, 17);
  }
  const std::uint64_t unit = kFixed3Pow10[decimals_from_digits];
  const std::uint64_t integer = digits / unit;
  end = WriteFixedWidthBackward(end, digits - integer * unit, decimals_from_digits);
  *--end = u'.';
  return WriteUnsignedBackward(end, integer);
}

}  // namespace calc::detail
