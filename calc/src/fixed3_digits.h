// Decimal digit writers for the "%.3f" rendering: they fill a caller's buffer
// of UTF-16 code units and return the end of what they wrote.
#pragma once

#include <array>
#include <cstdint>

namespace calc::detail {

inline constexpr std::array<char16_t, 200> kFixed3DigitPairs = [] {
  std::array<char16_t, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[static_cast<std::size_t>(2 * i)] = static_cast<char16_t>(u'0' + i / 10);
    pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char16_t>(u'0' + i % 10);
  }
  return pairs;
}();

// Exactly `count` digits of value (< 10^count), leading zeros included,
// written from the back two at a time.
inline char16_t* WriteFixedWidth(char16_t* out, std::uint32_t value, int count) {
  char16_t* end = out + count;
  char16_t* p = end;
  while (p - out >= 2) {
    const std::size_t pair = 2 * static_cast<std::size_t>(value % 100);
    value /= 100;
    *--p = kFixed3DigitPairs[pair + 1];
    *--p = kFixed3DigitPairs[pair];
  }
  if (p != out)
    *--p = static_cast<char16_t>(u'0' + value);
  return end;
}

inline int DecimalLength(std::uint32_t value) {
  constexpr std::uint32_t kBounds[9] = {10,      100,      1000,      10000,     100000,
                                        1000000, 10000000, 100000000, 1000000000};
  int length = 1;
  while (length < 10 && value >= kBounds[length - 1])
    ++length;
  return length;
}

// value without leading zeros, "0" for zero.
inline char16_t* WriteUnsigned(char16_t* out, std::uint64_t value) {
  if (value <= 0xFFFFFFFFu) {
    const auto small = static_cast<std::uint32_t>(value);
    return WriteFixedWidth(out, small, DecimalLength(small));
  }
  out = WriteUnsigned(out, value / 100'000'000u);
  return WriteFixedWidth(out, static_cast<std::uint32_t>(value % 100'000'000u), 8);
}

// value (< 10^17) as exactly 17 digits.
inline char16_t* Write17Digits(char16_t* out, std::uint64_t value) {
  out = WriteFixedWidth(out, static_cast<std::uint32_t>(value / 100'000'000u), 9);
  return WriteFixedWidth(out, static_cast<std::uint32_t>(value % 100'000'000u), 8);
}

}  // namespace calc::detail
