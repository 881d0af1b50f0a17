// Fixed3Uint128: an unsigned 128-bit value and the full 64x64-bit product, for
// the "%.3f" rendering. The portable form works on 32-bit halves, because the
// 32-bit x86 compiler has no 128-bit integer type; where the compiler has one,
// it computes the same product in one instruction.
#pragma once

#include <cstdint>

namespace calc::detail {

struct Fixed3Uint128 {
  std::uint64_t high;
  std::uint64_t low;
};

// a * b, exactly, from four 32x32-bit products.
constexpr Fixed3Uint128 Fixed3MultiplyPortable(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t a_low = a & 0xFFFFFFFFu;
  const std::uint64_t a_high = a >> 32;
  const std::uint64_t b_low = b & 0xFFFFFFFFu;
  const std::uint64_t b_high = b >> 32;
  const std::uint64_t low_low = a_low * b_low;
  const std::uint64_t low_high = a_low * b_high;
  const std::uint64_t high_low = a_high * b_low;
  const std::uint64_t high_high = a_high * b_high;
  // Each partial sum stays below 2^64: (2^32 - 1)^2 + 2 * (2^32 - 1) < 2^64.
  const std::uint64_t middle =
      (low_low >> 32) + (low_high & 0xFFFFFFFFu) + (high_low & 0xFFFFFFFFu);
  return {high_high + (low_high >> 32) + (high_low >> 32) + (middle >> 32),
          (middle << 32) | (low_low & 0xFFFFFFFFu)};
}

constexpr Fixed3Uint128 Fixed3Multiply(std::uint64_t a, std::uint64_t b) {
#ifdef __SIZEOF_INT128__
  __extension__ using Native = unsigned __int128;
  const Native product = static_cast<Native>(a) * b;
  return {static_cast<std::uint64_t>(product >> 64), static_cast<std::uint64_t>(product)};
#else
  return Fixed3MultiplyPortable(a, b);
#endif
}

}  // namespace calc::detail
