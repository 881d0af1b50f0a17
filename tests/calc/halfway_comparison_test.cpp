// The exact comparison that settles conversions the fast product leaves open,
// and the fixed-size integers under it.
#include <cstdint>

#include <gtest/gtest.h>

#include "fixed_big_integer.h"
#include "halfway_comparison.h"

namespace {

using calc::detail::ExceedsHalfway;
using calc::detail::FixedBigInteger;

struct HalfwayCase {
  std::uint64_t digits;
  int decimal_exponent;
  std::uint64_t mantissa;
  int ulp_exponent;
  bool exceeds;
  const char* why;
};

class HalfwayComparison : public testing::TestWithParam<HalfwayCase> {};

TEST_P(HalfwayComparison, DecidesExactly) {
  const HalfwayCase& c = GetParam();
  EXPECT_EQ(ExceedsHalfway(c.digits, c.decimal_exponent, c.mantissa, c.ulp_exponent), c.exceeds)
      << c.why;
}

constexpr std::uint64_t kTwoTo52 = std::uint64_t{1} << 52;
constexpr std::uint64_t kPointOne = 0x1999999999999Au;  // 0.1 = kPointOne * 2^-56

const HalfwayCase kHalfwayCases[] = {
    {9007199254740993, 0, kTwoTo52, 1, false, "2^53 + 1 is the halfway point itself"},
    {9007199254740994, 0, kTwoTo52, 1, true, "2^53 + 2 is above it"},
    {1, -1, kPointOne, -56, false, "0.1 is below the halfway point above its double"},
    {1, -1, kPointOne - 1, -56, true, "0.1 is above the halfway point below its double"},
    {17976931348623158, 292, (std::uint64_t{1} << 53) - 1, 971, false,
     "1.7976931348623158e308 is below the halfway point to 2^1024"},
    {17976931348623159, 292, (std::uint64_t{1} << 53) - 1, 971, true,
     "1.7976931348623159e308 is above it"},
    {24703282292062327, -340, 0, -1074, false, "below half the smallest subnormal"},
    {24703282292062328, -340, 0, -1074, true, "above half the smallest subnormal"},
    {5, -1, kTwoTo52, -53, false, "0.5 against 0.5 + 2^-54: a power of five on the halfway side"},
};
INSTANTIATE_TEST_SUITE_P(Cases, HalfwayComparison, testing::ValuesIn(kHalfwayCases));

FixedBigInteger PowerOfTenByMultiplying(int exponent) {
  FixedBigInteger value(1);
  for (int i = 0; i < exponent; ++i)
    value.MultiplyBy(10);
  return value;
}

TEST(FixedBigInteger, PowersOfFiveTimesPowersOfTwoArePowersOfTen) {
  for (const int exponent : {0, 1, 12, 13, 14, 27, 100, 342}) {
    FixedBigInteger value(1);
    value.MultiplyByPowerOfFive(exponent);
    value.ShiftLeft(exponent);
    EXPECT_EQ(Compare(value, PowerOfTenByMultiplying(exponent)), 0) << "10^" << exponent;
  }
}

TEST(FixedBigInteger, ShiftsByWholeAndPartialLimbsAgree) {
  FixedBigInteger once(0xFEDCBA9876543211u);
  once.MultiplyByPowerOfFive(200);
  FixedBigInteger in_steps = once;
  once.ShiftLeft(101);
  in_steps.ShiftLeft(5);
  in_steps.ShiftLeft(64);
  in_steps.ShiftLeft(32);
  EXPECT_EQ(Compare(once, in_steps), 0);
  FixedBigInteger one_more = in_steps;
  one_more.ShiftLeft(1);
  EXPECT_LT(Compare(once, one_more), 0);
  EXPECT_GT(Compare(one_more, once), 0);
}

TEST(FixedBigInteger, ComparesByTheHighestDifferingLimb) {
  FixedBigInteger low(0xFFFFFFFFu);
  FixedBigInteger high(0x100000000u);
  EXPECT_LT(Compare(low, high), 0);
  FixedBigInteger almost(0xFFFFFFFFFFFFFFFEu);
  FixedBigInteger all(0xFFFFFFFFFFFFFFFFu);
  EXPECT_LT(Compare(almost, all), 0);
  EXPECT_EQ(Compare(all, FixedBigInteger(0xFFFFFFFFFFFFFFFFu)), 0);
}

}  // namespace
