// Four UTF-16 digits at a time: the block test must agree with a test of each
// unit, whatever the other units hold, and the value with the digits.
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "utf16_digits.h"

namespace {

using calc::detail::AreFourDigits;
using calc::detail::ValueOfFourDigits;

std::uint64_t Block(char16_t a, char16_t b, char16_t c, char16_t d) {
  return std::uint64_t{a} | (std::uint64_t{b} << 16) | (std::uint64_t{c} << 32) |
         (std::uint64_t{d} << 48);
}

bool IsDigit(char16_t unit) {
  return unit >= u'0' && unit <= u'9';
}

// Every digit, the neighbours of the digit range, and units whose low byte is
// a digit or whose lane would borrow or carry into the next.
const std::vector<char16_t> kUnits = {
    u'0',   u'1',   u'2',   u'3',   u'4',   u'5',   u'6',   u'7',   u'8',   u'9',
    u'/',   u':',   0x0000, 0x0001, 0x002F, 0x00B9, 0x00C6, 0x00FF, 0x0100, 0x0130,
    0x0139, 0x3030, 0xFF10, 0xFF19, 0xFF30, 0xFF39, 0xFF3A, 0xFFC9, 0xFFCF, 0xFFFF};

TEST(Utf16Digits, BlockTestAgreesWithEachUnit) {
  for (const char16_t a : kUnits) {
    for (const char16_t b : kUnits) {
      for (const char16_t c : kUnits) {
        for (const char16_t d : kUnits) {
          const bool expected = IsDigit(a) && IsDigit(b) && IsDigit(c) && IsDigit(d);
          ASSERT_EQ(AreFourDigits(Block(a, b, c, d)), expected)
              << std::hex << unsigned{a} << " " << unsigned{b} << " " << unsigned{c} << " "
              << unsigned{d};
        }
      }
    }
  }
}

TEST(Utf16Digits, ValueIsTheNumberTheDigitsSpell) {
  for (int number = 0; number < 10000; ++number) {
    const auto digit = [&](int place) { return static_cast<char16_t>(u'0' + number / place % 10); };
    EXPECT_EQ(ValueOfFourDigits(Block(digit(1000), digit(100), digit(10), digit(1))),
              static_cast<std::uint64_t>(number));
  }
}

}  // namespace
