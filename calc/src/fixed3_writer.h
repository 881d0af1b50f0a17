// Fixed3Layout: the "%.3f" rendering of one double worked out before anything
// is written, so that a caller knows its exact length first and can write it
// straight into the final string.
#pragma once

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

// Both steps: the text of value at out, which has room for kFixed3MaxLength
// code units; returns its end.
char16_t* WriteFixed3(char16_t* out, double value);

}  // namespace calc::detail
