// Decimal17: a positive double rounded to 17 significant decimal digits, the
// first of the two roundings of the "%.3f" rendering.
#pragma once

#include <cstdint>

namespace calc::detail {

struct Decimal17 {
  std::uint64_t digits;  // in [10^16, 10^17)
  int exponent;          // the value is digits * 10^(exponent - 16)
};

// m * 2^e rounded to nearest at 17 significant digits, for m > 0 and
// m * 2^e >= 2^-960. When the exact value has 18 significant digits ending in 5
// the result is the one above.
Decimal17 ToDecimal17(std::uint64_t m, int e);

// The same result, but every rounding decision is taken by exact big-integer
// arithmetic rather than only those the 128-bit product leaves open; slow, it
// exists so that tests can check the exact side on ordinary inputs.
Decimal17 ToDecimal17AlwaysExact(std::uint64_t m, int e);

}  // namespace calc::detail
