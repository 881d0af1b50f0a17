// Exact comparison of a decimal value with the point halfway between two
// adjacent doubles, for the few conversions the fast product cannot decide.
#pragma once

#include <cstdint>

namespace calc::detail {

// Whether digits * 10^decimal_exponent is above (2 * mantissa + 1) *
// 2^(ulp_exponent - 1), the point halfway between mantissa * 2^ulp_exponent and
// the next multiple of 2^ulp_exponent. Needs |decimal_exponent| <= 342,
// mantissa < 2^53, and the value within a factor of two of that point.
bool ExceedsHalfway(std::uint64_t digits, int decimal_exponent, std::uint64_t mantissa,
                    int ulp_exponent);

}  // namespace calc::detail
