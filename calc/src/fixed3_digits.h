// Decimal digit writers for the "%.3f" rendering. They fill a caller's buffer
// of UTF-16 code units backwards, from the last digit, which needs no digit
// count up front, and return where the text begins.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace calc::detail {

inline constexpr std::array<char16_t, 200> kFixed3DigitPairs = [] {
  std::array<char16_t, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char16_t>(u'0' + i / 10);
    pairs[2 * i + 1] = static_cast<char16_t>(u'0' + i % 10);
  }
  return pairs;
}();

inline constexpr std::uint64_t kFixed3Pow10[18] = {1u,
                                                   10u,
                                                   100u,
                                                   1000u,
                                                   10000u,
                                                   100000u,
                                                   1000000u,
                                                   10000000u,
                                                   100000000u,
                                                   1000000000u,
                                                   10000000000u,
                                                   100000000000u,
                                                   1000000000000u,
                                                   10000000000000u,
                                                   100000000000000u,
                                                   1000000000000000u,
                                                   10000000000000000u,
                                                   100000000000000000u};

// Digits of a value below 10^17, 0 for zero: floor(bits * log10(2)) digits or
// one more.
inline int DecimalLength(std::uint64_t value) {
  if (value == 0)
    return 0;
  const int bits = 64 - std::countl_zero(value);
  const int guess = (bits * 1233) >> 12;
  return guess + (value >= kFixed3Pow10[guess] ? 1 : 0);
}

// The two digits of pair (< 100) just before end.
inline char16_t* WritePairBackward(char16_t* end, std::uint32_t pair) {
  end[-1] = kFixed3DigitPairs[2 * std::size_t{pair} + 1];
  end[-2] = kFixed3DigitPairs[2 * std::size_t{pair}];
  return end - 2;
}

// value without leading zeros ("0" for zero), ending just before end. Narrows
// to 32-bit arithmetic as soon as the rest fits, for 32-bit targets.
inline char16_t* WriteUnsignedBackward(char16_t* end, std::uint64_t value) {
  while (value > 0xFFFFFFFFu) {
    const std::uint64_t rest = value / 100;
    end = WritePairBackward(end, static_cast<std::uint32_t>(value - rest * 100));
    value = rest;
  }
  auto small = static_cast<std::uint32_t>(value);
  while (small >= 100) {
    const std::uint32_t rest = small / 100;
    end = WritePairBackward(end, small - rest * 100);
    small = rest;
  }
  if (small >= 10)
    return WritePairBackward(end, small);
  *--end = static_cast<char16_t>(u'0' + small);
  return end;
}

// value (< 10^count) as exactly `count` digits, leading zeros included.
inline char16_t* WriteFixedWidthBackward(char16_t* end, std::uint64_t value, int count) {
  for (; count >= 2; count -= 2) {
    const std::uint64_t rest = value / 100;
    end = WritePairBackward(end, static_cast<std::uint32_t>(value - rest * 100));
    value = rest;
  }
  if (count == 1)
    *--end = static_cast<char16_t>(u'0' + value);
  return end;
}

}  // namespace calc::detail
