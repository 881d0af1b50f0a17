// Fixed3Layout: the "%.3f" rendering of one double worked out before anything
// is written, so that a caller knows its exact length first and can write it
// straight into the final string.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace calc::detail {

// At most sixteen bytes, so that it travels in two registers where the calling
// convention allows.
struct Fixed3Layout {
  enum class Kind : std::uint8_t {
    kInteger,      // `integer` ".000", for an integer below 2^56
    kThousandths,  // `integer` thousandths, below 10^16
    kLarge,        // 17 digits `integer` for a decimal `exponent` of 13 or more, then zeros
    kNonFinite,    // `integer` holds the bits
  };
  std::uint64_t integer;
  std::int16_t exponent;
  std::uint16_t length;  // code units, sign included; at most kFixed3MaxLength
  Kind kind;
  bool negative;
};

// Sign, at most 309 integer digits, point and three decimals.
inline constexpr std::size_t kFixed3MaxLength = 1 + 309 + 4;

Fixed3Layout LayOutFixed3(double value);

// Writes exactly layout.length code units at out.
void WriteFixed3(char16_t* out, const Fixed3Layout& layout);

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

// Both steps: the text of value at out, which has room for
// Fixed3LengthBound(value) code units; returns its end.
char16_t* WriteFixed3(char16_t* out, double value);

}  // namespace calc::detail
