// WriteFixed3: the "%.3f" rendering of one double written straight into a
// caller's buffer, with a bound on its length that needs no digits, so that
// the room can be made first and the text written once, in place.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace calc::detail {

// At least the length of the text of value, from its sign and binary exponent
// alone, so that room for it can be made before the digits are known; exact
// unless the value's binary octave straddles a power of ten.
//
// The integer part never exceeds 2^(e2 + 1) for a magnitude below 2^(e2 + 1):
// the roundings can only carry past it into another digit if 2^(e2 + 1) lay
// within 10^-16 below a power of ten, and the closest, 2^485, is 0.1% below
// 10^146. So it has at most floor((e2 + 1) * log10(2)) + 1 digits.
inline std::size_t Fixed3LengthBound(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const auto biased_exponent = static_cast<int>(bits >> 52) & 0x7FF;
  const std::size_t sign = (bits >> 63) != 0 ? 1u : 0u;
  if (biased_exponent == 0x7FF)
    return sign + 5;
  const int octave = biased_exponent - 1023;  // e2, for normal values
  const int integer_digits = octave < 0 ? 1 : (((octave + 1) * 78913) >> 18) + 1;
  return sign + static_cast<std::size_t>(integer_digits) + 4;
}

// The text of value at out, which has room for
// Fixed3LengthBound(value) code units; returns its end.
char16_t* WriteFixed3(char16_t* out, double value);

}  // namespace calc::detail
