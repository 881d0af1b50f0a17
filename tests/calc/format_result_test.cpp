// FormatResult: template copying, "%d", and the "%.3f" rendering's corners.
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "calc/format_result.h"

namespace {

using calc::FormatResult;

std::u16string Fixed3(double value) {
  return FormatResult(u"%.3f", value);
}

// Readable failure messages for UTF-16 text.
std::string Narrow(const std::u16string& text) {
  std::string narrow;
  for (char16_t unit : text)
    narrow.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  return narrow;
}

struct Fixed3Case {
  const char* why;
  double value;
  const char16_t* text;
};

TEST(FormatResultFixed3, EdgeCases) {
  const Fixed3Case cases[] = {
      {"zero", 0.0, u"0.000"},
      {"negative zero keeps its sign", -0.0, u"-0.000"},
      {"a negative value that rounds to zero keeps its sign", -0.0004, u"-0.000"},
      {"below the half", 0.0004999, u"0.000"},
      {"the double nearest 0.0005 lies above the half", 0.0005, u"0.001"},
      {"the same below zero rounds away from zero", -0.0005, u"-0.001"},
      {"an exact half rounds away, not to even", 0.0625, u"0.063"},
      {"an exact half with an integer part", 124.8125, u"124.813"},
      {"2846.99549999... is 2846.9955000000000 in 17 digits, then a half", 2846.9955, u"2846.996"},
      {"1.00049999... is 1.0004999999999999 in 17 digits, below the half", 1.0005, u"1.000"},
      {"999.99950000000001... rounds up into a fourth integer digit", 999.9995, u"1000.000"},
      {"an integer", 5000.0, u"5000.000"},
      {"204.95 is a little below, but its 17 digits are 204.95000000000000", 204.95, u"204.950"},
      {"2^70: digits after the 17th print as zeros", std::ldexp(1.0, 70),
       u"1180591620717411300000.000"},
      {"10^20 has no exponent form", 1e20, u"100000000000000000000.000"},
      // Further corners of the same rules.
      {"0.99950000000000005... carries into the integer part", 0.9995, u"1.000"},
      {"a negative half-way value", -2846.9955, u"-2846.996"},
      {"a typical battery life", 22.831050228310502, u"22.831"},
      {"a repeating decimal", 1e6 / 3, u"333333.333"},
      {"17 digits end at the second decimal", 123456789012345.678, u"123456789012345.670"},
      {"17 digits end at the third decimal", 12345678901234.5678, u"12345678901234.568"},
      {"the largest integer below 2^53", 9007199254740991.0, u"9007199254740991.000"},
      {"10^17 - 16 needs 17 digits exactly", 99999999999999984.0, u"99999999999999984.000"},
      {"the smallest subnormal", std::numeric_limits<double>::denorm_min(), u"0.000"},
      {"the smallest subnormal, negative", -std::numeric_limits<double>::denorm_min(), u"-0.000"},
      {"the smallest normal", DBL_MIN, u"0.000"},
  };
  for (const Fixed3Case& c : cases)
    EXPECT_EQ(Narrow(Fixed3(c.value)), Narrow(c.text)) << c.why;
}

TEST(FormatResultFixed3, FirstRoundingOfAnExactEighteenDigitTieMayGoEitherWay) {
  // 726165754317357.125: 17 digits give ...357.12 or ...357.13, both exact in
  // three decimals.
  const std::string text = Narrow(Fixed3(726165754317357.125));
  EXPECT_TRUE(text == "726165754317357.120" || text == "726165754317357.130") << text;
}

TEST(FormatResultFixed3, LargestDoublePrints309IntegerDigits) {
  const std::u16string digits = u"17976931348623157" + std::u16string(292, u'0') + u".000";
  EXPECT_EQ(Fixed3(DBL_MAX), digits);
  EXPECT_EQ(Fixed3(-DBL_MAX), u"-" + digits);
  EXPECT_EQ(Fixed3(DBL_MAX).find(u'.'), 309u);
}

TEST(FormatResultFixed3, NonFiniteValuesAsRoundedPseudoDigits) {
  struct Case {
    const char* why;
    std::uint64_t bits;
    const char16_t* text;
  };
  const Case cases[] = {
      {"+infinity: 1#INF", 0x7FF0000000000000u, u"1.#IO"},
      {"-infinity: 1#INF with its sign", 0xFFF0000000000000u, u"-1.#IO"},
      {"the invalid-operation default NaN: 1#IND, sign bit set", 0xFFF8000000000000u, u"-1.#IO"},
      {"the default NaN without its sign bit is another quiet NaN", 0x7FF8000000000000u, u"1.#QO"},
      {"a quiet NaN with a payload: 1#QNAN", 0x7FF8000000000123u, u"1.#QO"},
      {"a negative quiet NaN with a payload", 0xFFF8000000000001u, u"-1.#QO"},
      {"a signalling NaN: 1#SNAN", 0x7FF0000000000001u, u"1.#SO"},
      {"a negative signalling NaN with the top payload bit", 0xFFF4000000000000u, u"-1.#SO"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Narrow(Fixed3(std::bit_cast<double>(c.bits))), Narrow(c.text)) << c.why;
  }
}

#if defined(__x86_64__) || defined(__i386__)
TEST(FormatResultFixed3, ZeroTimesInfinityOnX86IsTheDefaultNaN) {
  volatile double zero = 0.0;
  const double nan = zero * std::numeric_limits<double>::infinity();
  EXPECT_EQ(Fixed3(nan), u"-1.#IO") << "x86 yields 0xFFF8000000000000 for an invalid operation";
}
#endif

TEST(FormatResultDecimal, EdgeCases) {
  struct Case {
    const char* why;
    std::int32_t value;
    const char16_t* text;
  };
  const Case cases[] = {
      {"zero is a single digit", 0, u"0"},
      {"a negative value", -1, u"-1"},
      {"the largest value, no grouping", 2147483647, u"2147483647"},
      {"the smallest value, whose magnitude does not fit", -2147483647 - 1, u"-2147483648"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatResult(u"%d", c.value), c.text) << c.why;
}

TEST(FormatResultTemplate, CopiesTextAndFillsConversionsInOrder) {
  EXPECT_EQ(FormatResult(u"得到平均功耗是:%.3fuA.\r\n", 204.95), u"得到平均功耗是:204.950uA.\r\n")
      << "non-ASCII text, CR and LF copied unchanged";
  EXPECT_EQ(FormatResult(u"电池寿命是:%.3f年,即%d天.\r\n", 22.831050228310502, std::int32_t{8333}),
            u"电池寿命是:22.831年,即8333天.\r\n")
      << "two conversions take their values in order";
  EXPECT_EQ(FormatResult(u"%d天 %.3f年", std::int32_t{-5}, -0.0), u"-5天 -0.000年")
      << "the order of the template decides, not the kind of conversion";
  EXPECT_EQ(FormatResult(u"\U0001F50B%.3f", 1.0), u"\U0001F50B1.000")
      << "a surrogate pair is copied as two code units";
  EXPECT_EQ(FormatResult(u"100% %.2f %f %.3d", 1.0), u"100% %.2f %f %.3d")
      << "other percent sequences are plain text";
  EXPECT_EQ(FormatResult(u"%.3f%.3f", 1.0, 2.0), u"1.0002.000") << "adjacent conversions";
  EXPECT_EQ(FormatResult(u""), u"") << "an empty template";
  EXPECT_EQ(FormatResult(u"%.3f %.3f %.3f %.3f %.3f %.3f|%d", 1.0, -2.5, 0.0625, 4e20, -0.0, 6.25,
                         std::int32_t{7}),
            u"1.000 -2.500 0.063 400000000000000000000.000 -0.000 6.250|7")
      << "more conversions than the renderings kept between the two passes";
}

TEST(FormatResultTemplate, ConversionWithoutFittingValueStaysVisible) {
  EXPECT_EQ(FormatResult(u"%.3f 和 %d", 1.5), u"1.500 和 %d") << "no value left for %d";
  EXPECT_EQ(FormatResult(u"%d", 1.5), u"%d") << "a double offered to %d";
  EXPECT_EQ(FormatResult(u"%.3f", std::int32_t{7}), u"%.3f") << "an integer offered to %.3f";
  EXPECT_EQ(FormatResult(u"%d, %d", 1.5, std::int32_t{2}), u"%d, 2")
      << "values pair with conversions by position, even after a mismatch";
  EXPECT_EQ(FormatResult(u"no conversion", 1.0), u"no conversion") << "a spare value is unused";
}

}  // namespace
