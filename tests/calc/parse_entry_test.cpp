// ParseEntry: which prefix of an entry text is the number, and its value.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "calc/parse_entry.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::uint64_t Bits(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

struct EntryCase {
  std::u16string text;
  double expected;  // compared bit for bit, so -0 and +0 differ
  const char* why;
};

void PrintTo(const EntryCase& c, std::ostream* out) {
  *out << c.why;
}

class ParseEntryCases : public testing::TestWithParam<EntryCase> {};

TEST_P(ParseEntryCases, ReadsTheLeadingNumber) {
  const EntryCase& c = GetParam();
  const double value = calc::ParseEntry(c.text);
  EXPECT_EQ(Bits(value), Bits(c.expected)) << c.why << ": got " << value << ", want " << c.expected;
}

const EntryCase kRulesCases[] = {
    {u"", 0.0, "empty text"},
    {u"   ", 0.0, "blanks only"},
    {u"abc", 0.0, "no number"},
    {u"-", 0.0, "a sign alone"},
    {u".", 0.0, "a point alone"},
    {u"-.", 0.0, "sign and point without digits, and the sign is not kept"},
    {u"+.", 0.0, "plus and point without digits"},
    {u"- 5", 0.0, "no white space after the sign"},
    {u"+-5", 0.0, "no second sign"},
    {u"--5", 0.0, "no second minus"},
    {u"-0", -0.0, "the sign applies to zero"},
    {u"-0.000", -0.0, "negative zero with decimals"},
    {u"-0e5", -0.0, "negative zero with an exponent"},
    {u"  12", 12.0, "leading blanks"},
    {u"\t12", 12.0, "leading tab"},
    {u"\u00A012", 12.0, "leading no-break space"},
    {u"12abc", 12.0, "trailing letters ignored"},
    {u"1,5", 1.0, "a comma ends the number"},
    {u"1 000", 1.0, "no digit grouping"},
    {u"1.2.3", 1.2, "a second point ends the number"},
    {u"5-3", 5.0, "a later sign ends the number"},
    {u".5", 0.5, "no integer digits"},
    {u"5.", 5.0, "no fraction digits"},
    {u"-.5", -0.5, "negative without integer digits"},
    {u"00012", 12.0, "leading zeros carry no weight"},
    {u"1e3", 1000.0, "exponent e"},
    {u"1E3", 1000.0, "exponent E"},
    {u"1d3", 1000.0, "exponent d"},
    {u"1D3", 1000.0, "exponent D"},
    {u"1e+3", 1000.0, "signed exponent"},
    {u"1e0003", 1000.0, "exponent with leading zeros"},
    {u"2.5e-3", 0.0025, "negative exponent"},
    {u"1e", 1.0, "exponent letter without digits"},
    {u"1e+", 1.0, "exponent sign without digits"},
    {u"1ex", 1.0, "exponent letter then junk"},
    {u"1e-x", 1.0, "exponent sign then junk"},
    {u"1.e1", 10.0, "point then exponent"},
    {u".e1", 0.0, "point without digits before an exponent"},
    {u"0x10", 0.0, "no hexadecimal: the number is the leading 0"},
    {u"inf", 0.0, "no word for infinity"},
    {u"infinity", 0.0, "no long word for infinity"},
    {u"nan", 0.0, "no word for not-a-number"},
    {u"\uFF11\uFF12", 0.0, "full-width digits are not digits"},
    {u"1\uFF12", 1.0, "a full-width digit ends the number"},
    {u"1\uFF0E5", 1.0, "a full-width full stop is not the decimal point"},
    {u"1e308", 1e308, "near the top of the range"},
    {u"1e309", kInfinity, "above the largest double"},
    {u"-1e400", -kInfinity, "negative overflow keeps the sign"},
    {u"1e99999999999999", kInfinity, "a long exponent does not overflow"},
    {u"1e-400", 0.0, "below half the smallest subnormal"},
    {u"-1e-400", -0.0, "underflow keeps the sign"},
    {u"0.1", 0.1, "not a binary fraction"},
    {u"9007199254740993", 9007199254740992.0, "halfway: toward zero"},
    {u"9007199254740995", 9007199254740994.0,
     "halfway: toward zero, not to the even 9007199254740996"},
};
INSTANTIATE_TEST_SUITE_P(EntryRules, ParseEntryCases, testing::ValuesIn(kRulesCases));

const EntryCase kRoundingCases[] = {
    {u"-9007199254740993", -9007199254740992.0, "negative halfway: toward zero too"},
    {u"9007199254740993.01", 9007199254740994.0, "just above halfway"},
    {u"1.7976931348623157e308", std::numeric_limits<double>::max(), "the largest double"},
    {u"1.7976931348623158e308", std::numeric_limits<double>::max(), "below the 2^1024 halfway"},
    {u"1.7976931348623159e308", kInfinity, "above the 2^1024 halfway"},
    {u"2.2250738585072014e-308", std::numeric_limits<double>::min(), "the smallest normal"},
    {u"1e23", 1e23, "first power of ten that is not a double"},
    {u"9007199254740993e1", 90071992547409930.0, "exact table power, not a tie"},
    {u"1801439850948199e1", 18014398509481988.0,
     "a tie that one product of doubles would round to even"},
    {u"1801439850948198e1", 18014398509481980.0, "the largest digits whose product is exact"},
    {u"4503599627370498.5", 4503599627370498.0, "a tie the exact comparison settles: toward zero"},
    {u"4503599627370499.5", 4503599627370499.0, "the same, not to the even 4503599627370500"},
    {u"1e22", 1e22, "largest exact power of ten"},
};
INSTANTIATE_TEST_SUITE_P(Rounding, ParseEntryCases, testing::ValuesIn(kRoundingCases));

const EntryCase kWhiteSpaceCases[] = {
    {u"\u300012", 12.0, "ideographic space is white space"},
    {u"\u202812", 12.0, "line separator is white space"},
    {u"\r\n\v\f 12", 12.0, "carriage return, line feed, vertical tab, form feed"},
    {u"\u3000 \t-12", -12.0, "mixed white space, then a sign"},
    {u"\u008512", 0.0, "next line (U+0085) is not white space here"},
    {u"\u001F12", 0.0, "unit separator is not white space"},
    {u"\u001C12", 0.0, "file separator is not white space"},
    {u"\uFFFF12", 0.0, "U+FFFF is never white space"},
    {u"-\u300012", 0.0, "no white space after the sign"},
    {u"12\u3000", 12.0, "white space after the number is ignored"},
};
INSTANTIATE_TEST_SUITE_P(WhiteSpace, ParseEntryCases, testing::ValuesIn(kWhiteSpaceCases));

std::u16string Repeat(char16_t unit, std::size_t count) {
  return std::u16string(count, unit);
}

const EntryCase kExponentClampCases[] = {
    {u"1e5200", kInfinity, "the largest exponent read as written"},
    {u"1e-5200", 0.0, "the most negative exponent read as written"},
    {u"0." + Repeat(u'0', 5200) + u"1e5300", 1.0, "5300 counts as 5201: 10^-5201 * 10^5201"},
    {u"0." + Repeat(u'0', 5199) + u"15e99999", 15.0, "a long exponent counts as 5201"},
    {u"0." + Repeat(u'0', 6000) + u"1e99999", 0.0, "10^-6001 * 10^5201 = 10^-800"},
    {u"-1" + Repeat(u'0', 6000) + u"e-99999", -kInfinity, "10^6000 * 10^-5201 = 10^799"},
    {u"1" + Repeat(u'0', 5000) + u"e-5201", 1e-201, "5201 itself is read as written"},
    {u"1e" + Repeat(u'0', 1000) + u"3", 1000.0, "leading zeros of the exponent carry no weight"},
    {u"1e-" + Repeat(u'0', 1000) + u"5", 0.00001, "the same for a negative exponent"},
    {u"1e" + Repeat(u'9', 1000), kInfinity, "an exponent of any length"},
    {u"-1e-" + Repeat(u'9', 1000), -0.0, "a negative exponent of any length"},
};
INSTANTIATE_TEST_SUITE_P(ExponentClamp, ParseEntryCases, testing::ValuesIn(kExponentClampCases));

constexpr std::size_t kMegabyte = 1 << 20;

const EntryCase kLongTextCases[] = {
    {Repeat(u'0', kMegabyte) + u"12.5", 12.5, "a megabyte of leading zeros"},
    {u"0." + Repeat(u'0', kMegabyte) + u"1e999999", 0.0,
     "a megabyte of fraction zeros outweighs the clamped exponent"},
    {u"1" + Repeat(u'0', kMegabyte), kInfinity, "a megabyte-long integer"},
    {u"-4." + Repeat(u'0', kMegabyte), -4.0, "a megabyte of fraction zeros after the digit"},
    {Repeat(u'\u3000', kMegabyte) + u"7", 7.0, "a megabyte of white space"},
};
INSTANTIATE_TEST_SUITE_P(LongTexts, ParseEntryCases, testing::ValuesIn(kLongTextCases));

// Past 19 significant digits the last place is open: either double next to
// the exact value will do.
TEST(ParseEntry, AMegabyteOfFractionDigitsGivesADoubleNextToTheValue) {
  const double third = 1.0 / 3.0;  // the double nearest to 1/3, below it
  const double threes = calc::ParseEntry(u"0." + Repeat(u'3', kMegabyte));
  EXPECT_TRUE(threes == third || threes == std::nextafter(third, 1.0)) << threes;

  const double nines = calc::ParseEntry(u"0." + Repeat(u'9', kMegabyte) + u"x");
  EXPECT_TRUE(nines == 1.0 || nines == std::nextafter(1.0, 0.0)) << nines;
}

}  // namespace
