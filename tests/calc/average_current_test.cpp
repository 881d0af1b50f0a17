// The duty-cycle average current and its message.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "calc/calc.h"

namespace {

using calc::CurrentUnit;
using calc::DutyWindow;
using calc::DutyWindows;
using calc::TimeUnit;

std::uint64_t Bits(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// Five rows at "0" s / "0" uA, as the window starts.
DutyWindows InitialRows() {
  DutyWindows rows;
  for (DutyWindow& row : rows)
    row = {u"0", TimeUnit::kSeconds, u"0", CurrentUnit::kMicroamps};
  return rows;
}

std::u16string NumberInMessage(double average) {
  const std::u16string text = calc::FormatAverageCurrentMessage(average).text;
  const std::u16string head = u"得到平均功耗是:";
  const std::u16string tail = u"uA.\r\n";
  EXPECT_TRUE(text.starts_with(head) && text.ends_with(tail)) << "template kept around the number";
  return text.substr(head.size(), text.size() - head.size() - tail.size());
}

TEST(AverageCurrent, InitialStateIsTheDefaultNaNWithItsSignBitSet) {
  const double average = calc::ComputeAverageCurrent(InitialRows());
  EXPECT_TRUE(std::isnan(average));
  EXPECT_TRUE(std::signbit(average)) << "0/0 gives the invalid-operation NaN, sign bit set";
  EXPECT_EQ(Bits(average), 0xFFF8000000000000u);
}

struct AverageCase {
  const char* why;
  DutyWindows rows;
  double expected;
  std::u16string text;
};

class AverageCurrentCases : public testing::TestWithParam<AverageCase> {};

TEST_P(AverageCurrentCases, ComputesAndWords) {
  const AverageCase& c = GetParam();
  const double average = calc::ComputeAverageCurrent(c.rows);
  EXPECT_EQ(Bits(average), Bits(c.expected)) << c.why << ": got " << average;
  EXPECT_EQ(NumberInMessage(average), c.text) << c.why;
}

DutyWindows Rows(std::initializer_list<DutyWindow> given) {
  DutyWindows rows = InitialRows();
  std::size_t k = 0;
  for (const DutyWindow& row : given)
    rows[k++] = row;
  return rows;
}

constexpr auto s = TimeUnit::kSeconds;
constexpr auto ms = TimeUnit::kMilliseconds;
constexpr auto us = TimeUnit::kMicroseconds;
constexpr auto uA = CurrentUnit::kMicroamps;
constexpr auto mA = CurrentUnit::kMilliamps;
constexpr auto A = CurrentUnit::kAmps;
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, AverageCurrentCases,
    testing::Values(
        AverageCase{"1 s at 5 mA", Rows({{u"1", s, u"5", mA}}), 5000.0, u"5000.000"},
        AverageCase{"10 ms at 20 mA then 990 ms at 5 uA",
                    Rows({{u"10", ms, u"20", mA}, {u"990", ms, u"5", uA}}),
                    // The exact operation order: 20000*0.01 + 5*0.99, over 0.01 + 0.99.
                    (20000.0 * (10.0 / 1000.0) + 5.0 * (990.0 / 1000.0)) /
                        ((10.0 / 1000.0) + (990.0 / 1000.0)),
                    u"204.950"},
        AverageCase{"1 s at 3 mA and 1000 ms at 1 mA",
                    Rows({{u"1", s, u"3", mA}, {u"1000", ms, u"1", mA}}), 2000.0, u"2000.000"},
        AverageCase{"a zero-length row adds nothing, whatever it draws",
                    Rows({{u"1", s, u"5", mA}, {u"0", s, u"7", A}}), 5000.0, u"5000.000"},
        AverageCase{"a row at 0 uA still counts its time",
                    Rows({{u"1", s, u"6", uA}, {u"2", s, u"0", uA}}), 2.0, u"2.000"},
        AverageCase{"durations cancel: -1 over 0 is -infinity",
                    Rows({{u"1", s, u"1", uA}, {u"-1", s, u"2", uA}}), -kInf, u"-1.#IO"},
        AverageCase{"positive charge over zero time is +infinity",
                    Rows({{u"1", s, u"1", uA}, {u"-1", s, u"0", uA}}), kInf, u"1.#IO"},
        AverageCase{"letters after the number are ignored, the list gives the unit",
                    Rows({{u"1", s, u"5mA", uA}}), 5.0, u"5.000"},
        AverageCase{"microseconds divide by a million",
                    Rows({{u"3", us, u"2", A}, {u"7", us, u"0", uA}}),
                    (2e6 * (3.0 / 1e6)) / ((3.0 / 1e6) + (7.0 / 1e6)), u"600000.000"},
        AverageCase{"a negative zero in every row keeps the sign",
                    Rows({{u"-0", s, u"1", uA},
                          {u"-0", s, u"1", uA},
                          {u"-0", s, u"1", uA},
                          {u"-0", s, u"1", uA},
                          {u"-0", s, u"1", uA}}),
                    -std::numeric_limits<double>::quiet_NaN(), u"-1.#IO"}));

TEST(AverageCurrent, ScaledDurationIsADivisionNotAReciprocalProduct) {
  // 9 ms: 9/1000 and 9*0.001 are different doubles; only the quotient is right.
  ASSERT_NE(Bits(9.0 / 1000.0), Bits(9.0 * 0.001));
  const double average =
      calc::ComputeAverageCurrent(Rows({{u"9", ms, u"1", A}, {u"1", s, u"0", uA}}));
  const double t = 9.0 / 1000.0;
  EXPECT_EQ(Bits(average), Bits((1e6 * t) / (t + 1.0)));
}

TEST(AverageCurrent, InfiniteCurrentOverZeroTimeIsNaN) {
  const double average =
      calc::ComputeAverageCurrent(Rows({{u"1", s, u"1", uA}, {u"0", s, u"1e309", uA}}));
  EXPECT_TRUE(std::isnan(average)) << "inf * 0 in a row makes the weighted sum NaN";
}

TEST(AverageCurrent, UnitPositionsOutsideTheTablesReadTheFirstEntry) {
  // -1 is what an unselected list reports; 3 and a huge value must not read past the table.
  for (const std::int32_t position : {-1, 3, 1 << 30, -7}) {
    const auto rows =
        Rows({{u"2", static_cast<TimeUnit>(position), u"4", static_cast<CurrentUnit>(position)}});
    EXPECT_EQ(calc::ComputeAverageCurrent(rows), 4.0) << "position " << position;
  }
}

TEST(AverageCurrentMessage, TitleAndTextCharacterForCharacter) {
  const calc::ResultMessage message = calc::FormatAverageCurrentMessage(204.95);
  EXPECT_EQ(message.title, u"\u8BA1\u7B97\u5E73\u5747\u529F\u8017");
  EXPECT_EQ(message.text, u"\u5F97\u5230\u5E73\u5747\u529F\u8017\u662F:204.950uA.\r\n");
}

}  // namespace
