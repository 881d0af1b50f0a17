// Full 128-bit products of two 64-bit integers, for the decimal-to-binary conversion.
#pragma once

#include <cstdint>

namespace calc::detail {

struct Uint128 {
  std::uint64_t high;
  std::uint64_t low;
};

// Schoolbook product of 32-bit halves: the only form 32-bit targets have, so it
// is also what the 32-bit build exercises.
constexpr Uint128 MultiplyPortable(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t a_low = a & 0xFFFFFFFFu;
  const std::uint64_t a_high = a >> 32;
  const std::uint64_t b_low = b & 0xFFFFFFFFu;
  const std::uint64_t b_high = b >> 32;
  const std::uint64_t low_low = a_low * b_low;
  const std::uint64_t low_high = a_low * b_high;
  const std::uint64_t high_low = a_high * b_low;
  const std::uint64_t high_high = a_high * b_high;
  // Each partial sum below fits in 64 bits: (2^32-1)^2 + 2 * (2^32-1) < 2^64.
  const std::uint64_t middle =
      (low_low >> 32) + (low_high & 0xFFFFFFFFu) + (high_low & 0xFFFFFFFFu);
  const std::uint64_t high = high_high + (low_high >> 32) + (high_low >> 32) + (middle >> 32);
  const std::uint64_t low = (middle << 32) | (low_low & 0xFFFFFFFFu);
  return {high, low};
}

constexpr Uint128 Multiply(std::uint64_t a, std::uint64_t b) {
#ifdef __SIZEOF_INT128__
  __extension__ typedef unsigned __int128 Native;
  const Native product = static_cast<Native>(a) * b;
  return {static_cast<std::uint64_t>(product >> 64), static_cast<std::uint64_t>(product)};
#else
  return MultiplyPortable(a, b);
#endif
}

}  // namespace calc::detail
