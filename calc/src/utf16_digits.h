// Eight UTF-16 decimal digits at a time: one test and a few multiplications
// instead of a test, a multiplication and an addition per digit.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace calc::detail {

inline constexpr bool kCanReadDigitsInBlocks = std::endian::native == std::endian::little;

// Four code units, the first in the lowest 16 bits.
inline std::uint64_t LoadFourUnits(const char16_t* units) {
  std::uint64_t block;
  std::memcpy(&block, units, sizeof block);
  return block;
}

// Whether all four units are "0" to "9". A unit below "0" makes its own lane
// borrow, one above "9" (up to U+FFFF) its own lane carry; either leaves a bit
// in a lane's high byte, and neither can hide the other.
constexpr bool AreFourDigits(std::uint64_t block) {
  constexpr std::uint64_t kZeros = 0x0030003000300030u;
  constexpr std::uint64_t kPastNine = 0x00C600C600C600C6u;  // 0x3A + 0xC6 = 0x100
  constexpr std::uint64_t kHighBytes = 0xFF00FF00FF00FF00u;
  return (((block - kZeros) | (block + kPastNine)) & kHighBytes) == 0;
}

// The number the four digits spell, the first unit being the leading digit:
// one product gathers 1000 * d0 + 100 * d1 + 10 * d2 + d3 in the top lane,
// and no lane below it can carry, holding at most 999.
constexpr std::uint64_t ValueOfFourDigits(std::uint64_t block) {
  constexpr std::uint64_t kWeights =
      1 | (10u << 16) | (std::uint64_t{100} << 32) | (std::uint64_t{1000} << 48);
  return ((block - 0x0030003000300030u) * kWeights) >> 48;
}

}  // namespace calc::detail
