// Reading the leading decimal number of an entry text: a complete reader, and
// an inline one for the common short texts that start with a digit.
#pragma once

#include <cstdint>
#include <string_view>

#include "utf16_digits.h"

namespace calc::detail {

// The number as digits * 10^exponent. At most 19 significant digits are kept
// (any later ones are dropped, not rounded), so `digits` fits 64 bits; the
// exponent accounts for the dropped integer digits and the kept fraction digits.
struct ScannedDecimal {
  bool negative;
  std::uint64_t digits;
  std::int64_t exponent;
};

// An exponent spelling more than this counts as one more, whatever its length.
inline constexpr std::int64_t kLargestReadExponent = 5200;

// Skips leading white space and reads the longest prefix that forms a number.
// A text without one reads as positive zero.
ScannedDecimal ScanDecimal(std::u16string_view text);

namespace scan {

inline constexpr std::int64_t kKeptDigits = 19;  // 10^19 - 1 < 2^64

inline bool IsDigit(char16_t unit) {
  return static_cast<char16_t>(unit - u'0') < 10;
}
inline std::uint64_t DigitValue(char16_t unit) {
  return static_cast<std::uint64_t>(unit - u'0');
}

inline bool IsDigitAt(const char16_t* at, const char16_t* end) {
  return at != end && IsDigit(*at);
}

// Where `room` more code units from `at` end, or the text does.
inline const char16_t* Limit(const char16_t* at, const char16_t* end, std::int64_t room) {
  return end - at > room ? at + room : end;
}

// Appends the digits from `at` on, but none at or past `limit`, to `digits`;
// returns where they end.
inline const char16_t* KeepDigits(const char16_t* at, const char16_t* limit,
                                  std::uint64_t& digits) {
  if constexpr (kCanReadDigitsInBlocks) {
    while (limit - at >= 4) {
      const std::uint64_t block = LoadFourUnits(at);
      if (!AreFourDigits(block))
        break;
      digits = digits * 10000 + ValueOfFourDigits(block);
      at += 4;
    }
  }
  while (at != limit && IsDigit(*at))
    digits = digits * 10 + DigitValue(*at++);
  return at;
}

// An exponent letter without a complete exponent after it is not part of the
// number, which then has the exponent 0.
inline std::int64_t ReadExponent(const char16_t* at, const char16_t* end) {
  // e, E, d and D, and no other code unit, are 0x64 or 0x65 with bit 5 set.
  if (at == end || static_cast<char16_t>((*at | 0x20) - u'd') > 1)
    return 0;
  ++at;
  const bool negative = at != end && *at == u'-';
  if (at != end && (*at == u'-' || *at == u'+'))
    ++at;
  std::int64_t value = 0;
  for (; IsDigitAt(at, end); ++at) {
    value = value * 10 + static_cast<std::int64_t>(DigitValue(*at));
    if (value > kLargestReadExponent)
      value = kLargestReadExponent + 1;
  }
  return negative ? -value : value;
}

}  // namespace scan

// Reads a text that starts with a digit and whose mantissa has at most 19
// digits, leading zeros included, which can then simply join `digits`. Returns
// false for any other text, leaving it to ScanDecimal.
inline bool ScanShortDecimal(std::u16string_view text, ScannedDecimal& number) {
  using namespace scan;
  const char16_t* const mantissa = text.data();
  const char16_t* const end = mantissa + text.size();
  if (!IsDigitAt(mantissa, end))
    return false;
  std::uint64_t digits = 0;
  const char16_t* const integer_limit = Limit(mantissa, end, kKeptDigits);
  const char16_t* at = KeepDigits(mantissa, integer_limit, digits);
  if (at == integer_limit && IsDigitAt(at, end))
    return false;
  std::int64_t exponent = 0;
  if (at != end && *at == u'.') {
    const char16_t* const fraction = ++at;
    const char16_t* const fraction_limit = Limit(at, end, kKeptDigits - (fraction - 1 - mantissa));
    at = KeepDigits(at, fraction_limit, digits);
    if (at == fraction_limit && IsDigitAt(at, end))
      return false;
    exponent = fraction - at;
  }
  number = {false, digits, exponent + ReadExponent(at, end)};
  return true;
}

}  // namespace calc::detail
