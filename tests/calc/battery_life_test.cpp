// The battery service life, its day count and its message.
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "calc/calc.h"

namespace {

using calc::CapacityUnit;
using calc::CurrentUnit;
using calc::DutyWindows;
using calc::TimeUnit;

// Row 1 at 1 s with the given current in uA, rows 2 to 5 at "0".
double AverageOfOneSecondAt(const char16_t* microamps) {
  DutyWindows rows;
  for (auto& row : rows)
    row = {u"0", TimeUnit::kSeconds, u"0", CurrentUnit::kMicroamps};
  rows[0].duration = u"1";
  rows[0].current = microamps;
  return calc::ComputeAverageCurrent(rows);
}

struct LifeCase {
  const char* why;
  const char16_t* current;  // uA, row 1 at 1 s
  const char16_t* capacity;
  CapacityUnit unit;
  std::u16string numbers;  // the text between the template's fixed parts
  std::int32_t days;
};

std::u16string Numbers(const calc::BatteryLife& life) {
  const std::u16string text = calc::FormatBatteryLifeMessage(life).text;
  const std::u16string head = u"得到电池使用年限是: ";
  const std::u16string tail = u"天.\r\n";
  EXPECT_TRUE(text.starts_with(head) && text.ends_with(tail)) << "template kept around the numbers";
  return text.substr(head.size(), text.size() - head.size() - tail.size());
}

class BatteryLifeCases : public testing::TestWithParam<LifeCase> {};

TEST_P(BatteryLifeCases, ComputesAndWords) {
  const LifeCase& c = GetParam();
  const calc::BatteryLife life =
      calc::ComputeBatteryLife(c.capacity, c.unit, AverageOfOneSecondAt(c.current));
  EXPECT_EQ(life.days, c.days) << c.why;
  EXPECT_EQ(Numbers(life), c.numbers) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, BatteryLifeCases,
    testing::Values(LifeCase{"10 uA from 2000 mAh", u"10", u"2000", CapacityUnit::kMilliampHours,
                             u"22.831年≈8333", 8333},
                    LifeCase{"the same battery given as 2 Ah", u"10", u"2", CapacityUnit::kAmpHours,
                             u"22.831年≈8333", 8333},
                    LifeCase{"21 mAh at 1 uA: P is the largest double below 875", u"1", u"21",
                             CapacityUnit::kMilliampHours, u"2.397年≈874", 874},
                    LifeCase{"zero average current: infinite life, no days", u"0", u"2000",
                             CapacityUnit::kMilliampHours, u"1.#IO年≈0", 0},
                    LifeCase{"zero current and zero capacity: NaN", u"0", u"0",
                             CapacityUnit::kMilliampHours, u"-1.#IO年≈0", 0},
                    LifeCase{"8333333333 days wrap modulo 2^32", u"0.00001", u"2000",
                             CapacityUnit::kMilliampHours, u"22831050.228年≈-256601259",
                             -256601259},
                    LifeCase{"a negative capacity truncates toward zero", u"1", u"-1",
                             CapacityUnit::kMilliampHours, u"-0.114年≈-41", -41},
                    LifeCase{"an unselected capacity list counts as mA/h", u"10", u"2000",
                             static_cast<CapacityUnit>(-1), u"22.831年≈8333", 8333},
                    LifeCase{"digits the field refuses are still read", u"10", u"2000abc",
                             CapacityUnit::kMilliampHours, u"22.831年≈8333", 8333}));

TEST(BatteryLife, DaysComeFromTheRoundedYears) {
  // (21 * 1000) / (1 * 24 * 365) * 365 is just below 875, while 21000 / 24 is 875 exactly.
  const calc::BatteryLife life = calc::ComputeBatteryLife(u"21", CapacityUnit::kMilliampHours, 1.0);
  EXPECT_LT(life.years * 365.0, 875.0);
  EXPECT_EQ(life.days, 874);
}

TEST(BatteryLife, InitialWindowGivesNaNAndZeroDays) {
  DutyWindows rows;
  for (auto& row : rows)
    row = {u"0", TimeUnit::kSeconds, u"0", CurrentUnit::kMicroamps};
  const calc::BatteryLife life = calc::ComputeBatteryLife(u"2000", CapacityUnit::kMilliampHours,
                                                          calc::ComputeAverageCurrent(rows));
  EXPECT_TRUE(std::isnan(life.years));
  EXPECT_EQ(life.days, 0);
}

TEST(BatteryLife, NegativeCapacityOverZeroCurrentIsMinusInfinity) {
  const calc::BatteryLife life = calc::ComputeBatteryLife(u"-5", CapacityUnit::kMilliampHours, 0.0);
  EXPECT_EQ(life.years, -std::numeric_limits<double>::infinity());
  EXPECT_EQ(life.days, 0);
}

TEST(TruncateDays, TruncatesTowardZeroAndWrapsThe64BitValue) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    std::int32_t days;
    const char* why;
  } cases[] = {
      {874.9999999999999, 874, "truncation, not rounding"},
      {-41.66, -41, "toward zero for negatives"},
      {2147483647.9, 2147483647, "largest that fits"},
      {2147483648.0, -2147483647 - 1, "2^31 wraps to INT32_MIN"},
      {4294967296.0 + 5.0, 5, "2^32 + 5 wraps to 5"},
      {-2147483649.0, 2147483647, "below INT32_MIN wraps"},
      {8333333333.7, -256601259, "the low 32 bits of 8333333333"},
      {9223372036854774784.0, -1024, "largest double below 2^63 = 2^63 - 1024"},
      {9223372036854774784.0 + 2048.0, 0, "2^63 itself is out of range"},
      {-9223372036854775808.0, 0, "-2^63's magnitude reaches 2^63"},
      {kInf, 0, "infinity"},
      {-kInf, 0, "minus infinity"},
      {std::numeric_limits<double>::quiet_NaN(), 0, "not-a-number"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(calc::TruncateDays(c.value), c.days) << c.why;
}

TEST(BatteryLifeMessage, TitleAndTextCharacterForCharacter) {
  const calc::ResultMessage message = calc::FormatBatteryLifeMessage({22.83105022831050, 8333});
  EXPECT_EQ(message.title, u"\u8BA1\u7B97\u7535\u6C60\u5E74\u9650");
  EXPECT_EQ(message.text,
            u"\u5F97\u5230\u7535\u6C60\u4F7F\u7528\u5E74\u9650\u662F: "
            u"22.831\u5E74\u2248"
            u"8333\u5929.\r\n");
}

}  // namespace
