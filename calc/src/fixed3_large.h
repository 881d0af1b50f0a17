// The "%.3f" layout of magnitudes of 10^13 and more, whose 17 significant
// digits all lie before the fourth decimal.
#pragma once

#include <cstdint>

namespace calc::detail {

// The 17 digits `digits` of a value whose first digit has the decimal exponent
// `exponent` (13 to 308), padded with zeros to three decimals, written so that
// they end just before `end`; returns where they begin. Kept out of line: the
// common, shorter layouts stay small.
char16_t* WriteLargeBackward(char16_t* end, std::uint64_t digits, int exponent);

}  // namespace calc::detail
