// The exact reference of the differential test: it must read texts as the
// entry rules say and must reject every result but the allowed ones, or the
// differential test could not fail.
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "decimal_reference.h"

namespace {

using ambrix_test::ExactDecimal;
using ambrix_test::Judge;
using ambrix_test::ReadExactDecimal;
using ambrix_test::Verdict;

struct ReadCase {
  std::u16string text;
  bool negative;
  std::string digits;
  std::int64_t exponent;
  const char* why;
};

class ReferenceReads : public testing::TestWithParam<ReadCase> {};

TEST_P(ReferenceReads, SpellsOutTheNumber) {
  const ReadCase& c = GetParam();
  const ExactDecimal number = ReadExactDecimal(c.text);
  EXPECT_EQ(number.negative, c.negative) << c.why;
  EXPECT_EQ(number.digits, c.digits) << c.why;
  EXPECT_EQ(number.exponent, c.exponent) << c.why;
}

const ReadCase kReadCases[] = {
    {u" -00012.3400e+02x", true, "1234", 0, "zeros stripped at both ends, exponent applied"},
    {u"\u3000.5", false, "5", -1, "white space, no integer digits"},
    {u"1e", false, "1", 0, "an incomplete exponent is not read"},
    {u"7d-3", false, "7", -3, "d as exponent letter"},
    {u"-0.000", true, "", 0, "negative zero keeps its sign"},
    {u"-.", false, "", 0, "no digits: positive zero"},
    {u"+-5", false, "", 0, "a second sign: no number"},
    {u".e1", false, "", 0, "no mantissa digits"},
    {u"1e99999", false, "1", 5201, "the exponent clamp"},
    {u"1e-5200", false, "1", -5200, "5200 is read as written"},
    {u"1e0000000000000000000000000000005201", false, "1", 5201, "leading zeros, then 5201"},
    {u"120e-2.5", false, "12", -1, "the number ends at the second point"},
};
INSTANTIATE_TEST_SUITE_P(Texts, ReferenceReads, testing::ValuesIn(kReadCases));

struct JudgeCase {
  std::u16string text;
  double result;
  Verdict verdict;
  const char* why;
};

class ReferenceJudges : public testing::TestWithParam<JudgeCase> {};

TEST_P(ReferenceJudges, AcceptsOnlyAllowedResults) {
  const JudgeCase& c = GetParam();
  EXPECT_EQ(Judge(ReadExactDecimal(c.text), c.result), c.verdict) << c.why;
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kSmallest = std::numeric_limits<double>::denorm_min();

const JudgeCase kJudgeCases[] = {
    {u"0.1", 0.1, Verdict::kCorrect, "the nearest double"},
    {u"0.1", std::nextafter(0.1, 1.0), Verdict::kWrong, "one above the nearest"},
    {u"0.1", std::nextafter(0.1, 0.0), Verdict::kWrong, "one below the nearest"},
    {u"-0.1", 0.1, Verdict::kWrong, "the sign is wrong"},
    {u"-0", -0.0, Verdict::kCorrect, "negative zero"},
    {u"-0", 0.0, Verdict::kWrong, "positive zero for negative zero"},
    {u"abc", -0.0, Verdict::kWrong, "no number is positive zero"},
    {u"9007199254740993", 9007199254740992.0, Verdict::kCorrect, "a tie toward zero"},
    {u"9007199254740993", 9007199254740994.0, Verdict::kWrong, "a tie away from zero"},
    {u"9007199254740995", 9007199254740996.0, Verdict::kWrong, "a tie to even"},
    {u"1e400", kInfinity, Verdict::kCorrect, "overflow"},
    {u"1e400", kLargest, Verdict::kWrong, "overflow is not the largest double"},
    {u"1.7976931348623158e308", kLargest, Verdict::kCorrect, "below the 2^1024 halfway"},
    {u"1.7976931348623158e308", kInfinity, Verdict::kWrong, "not above the 2^1024 halfway"},
    {u"1.7976931348623159e308", kInfinity, Verdict::kCorrect, "above the 2^1024 halfway"},
    {u"1e-400", 0.0, Verdict::kCorrect, "underflow"},
    {u"1e-400", kSmallest, Verdict::kAllowedNeighbour, "subnormal range: the other neighbour"},
    {u"1e-400", 2 * kSmallest, Verdict::kWrong, "not a neighbour"},
    {u"3e-324", kSmallest, Verdict::kCorrect, "nearest subnormal"},
    {u"3e-324", 0.0, Verdict::kAllowedNeighbour, "subnormal range: the other neighbour"},
    {u"1.00000000000000011102230246251565404236316680908203125", 1.0, Verdict::kCorrect,
     "exactly halfway above 1, toward zero"},
    {u"1.00000000000000011102230246251565404236316680908203125", std::nextafter(1.0, 2.0),
     Verdict::kAllowedNeighbour, "more than 19 digits: the other neighbour"},
    {u"1.00000000000000011102230246251565404236316680908203125", std::nextafter(1.0, 0.0),
     Verdict::kWrong, "more than 19 digits, but not a neighbour"},
    {u"1.000000000000000111", std::nextafter(1.0, 2.0), Verdict::kWrong,
     "19 digits just below halfway: only the nearest"},
    {u"1" + std::u16string(400, u'0'), kInfinity, Verdict::kCorrect, "a 401-digit integer"},
};
INSTANTIATE_TEST_SUITE_P(Results, ReferenceJudges, testing::ValuesIn(kJudgeCases));

TEST(ReferenceExpansions, AreExact) {
  EXPECT_EQ(ambrix_test::ExactValueOf(0.375).digits, "375");
  EXPECT_EQ(ambrix_test::ExactValueOf(0.375).exponent, -3);
  const ExactDecimal halfway = ambrix_test::HalfwayAbove(1.0);  // 1 + 2^-53
  EXPECT_EQ(halfway.digits, "100000000000000011102230246251565404236316680908203125");
  EXPECT_EQ(halfway.exponent, -53);
  const ExactDecimal above_largest = ambrix_test::HalfwayAbove(kLargest);  // (2^54 - 1) * 2^970
  EXPECT_EQ(above_largest.digits.size(), 309u);
  EXPECT_EQ(above_largest.digits.substr(0, 17), "17976931348623158");
}

}  // namespace
