// The two buttons: what the user types, what the message box says.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ambrix_fixture.h"
#include "ambrix_ids.h"
#include "running_ambrix.h"

namespace e2e {
namespace {

// List positions, as the lists hold them.
enum : int { kS = 0, kMs = 1, kUs = 2 };
enum : int { kUA = 0, kMA = 1, kA = 2 };
enum : int { kMAh = 0, kAh = 1 };

struct RowEntry {
  int row;  // 1 to 5
  const wchar_t* duration;
  int timeUnit;
  const wchar_t* current;
  int currentUnit;
};

struct CalculationCase {
  const char* why;
  int button;
  const wchar_t* text;
  std::vector<RowEntry> rows;         // rows not named keep "0" s / "0" uA
  const wchar_t* capacity = nullptr;  // nullptr: keep "2000"
  int capacityUnit = kMAh;
};

void PrintTo(const CalculationCase& c, std::ostream* out) {
  *out << c.why;
}

void Enter(RunningAmbrix& app, const CalculationCase& c) {
  for (const RowEntry& entry : c.rows) {
    const RowIds& ids = kRows[entry.row - 1];
    app.SetText(ids.duration, entry.duration);
    app.Select(ids.timeUnit, entry.timeUnit);
    app.SetText(ids.current, entry.current);
    app.Select(ids.currentUnit, entry.currentUnit);
  }
  if (c.capacity != nullptr)
    app.SetText(kCapacity, c.capacity);
  app.Select(kCapacityUnit, c.capacityUnit);
}

using Calculation = AmbrixTestWithParam<CalculationCase>;

TEST_P(Calculation, MessageBoxShowsTheResult) {
  const CalculationCase& c = GetParam();
  Enter(app, c);
  const std::vector<ControlState> before = app.Form();
  const MessageBoxInfo box = app.Calculate(c.button);
  EXPECT_EQ(box.caption, c.button == kCalcAveragePower ? kAverageTitle : kBatteryLifeTitle);
  EXPECT_EQ(box.text, c.text);
  EXPECT_EQ(app.Form(), before) << "a calculation changes no field and no list";
  EXPECT_TRUE(app.Running());
}

constexpr int kAverage = kCalcAveragePower;
constexpr int kLife = kCalcBatteryLife;

// clang-format off
const CalculationCase kInitialState[] = {
    {"0/0: the NaN with its sign bit set", kAverage, L"得到平均功耗是:-1.#IOuA.\r\n", {}},
    {"NaN average: NaN years, 0 days", kLife, L"得到电池使用年限是: -1.#IO年≈0天.\r\n", {}},
};
INSTANTIATE_TEST_SUITE_P(InitialState, Calculation, testing::ValuesIn(kInitialState));

const CalculationCase kWorkedExamples[] = {
    {"10 ms at 20 mA and 990 ms at 5 uA", kAverage, L"得到平均功耗是:204.950uA.\r\n",
     {{1, L"10", kMs, L"20", kMA}, {2, L"990", kMs, L"5", kUA}}},
    {"one row at 5 mA", kAverage, L"得到平均功耗是:5000.000uA.\r\n",
     {{1, L"1", kS, L"5", kMA}}},
    {"1 s and 1000 ms are the same second", kAverage, L"得到平均功耗是:2000.000uA.\r\n",
     {{1, L"1", kS, L"3", kMA}, {2, L"1000", kMs, L"1", kMA}}},
    {"durations summing to zero: -infinity", kAverage, L"得到平均功耗是:-1.#IOuA.\r\n",
     {{1, L"1", kS, L"1", kUA}, {2, L"-1", kS, L"2", kUA}}},
    {"letters after the number are ignored, the list gives the unit", kAverage,
     L"得到平均功耗是:5.000uA.\r\n", {{1, L"1", kS, L"5mA", kUA}}},
    {"10 uA from 2000 mA/h", kLife, L"得到电池使用年限是: 22.831年≈8333天.\r\n",
     {{1, L"1", kS, L"10", kUA}}, L"2000", kMAh},
    {"2 A/h is 2000 mA/h", kLife, L"得到电池使用年限是: 22.831年≈8333天.\r\n",
     {{1, L"1", kS, L"10", kUA}}, L"2", kAh},
    {"days from the rounded years, just below 875", kLife, L"得到电池使用年限是: 2.397年≈874天.\r\n",
     {{1, L"1", kS, L"1", kUA}}, L"21", kMAh},
    {"a day count past 32 bits wraps", kLife,
     L"得到电池使用年限是: 22831050.228年≈-256601259天.\r\n",
     {{1, L"1", kS, L"0.00001", kUA}}, L"2000", kMAh},
    {"zero average current: infinite life, 0 days", kLife, L"得到电池使用年限是: 1.#IO年≈0天.\r\n",
     {{1, L"1", kS, L"0", kUA}}},
    {"a negative capacity (set by message): days truncated toward zero", kLife,
     L"得到电池使用年限是: -0.114年≈-41天.\r\n", {{1, L"1", kS, L"1", kUA}}, L"-1", kMAh},
};
INSTANTIATE_TEST_SUITE_P(WorkedExamples, Calculation, testing::ValuesIn(kWorkedExamples));

// Row k at 1 ms and 2 mA with a partner row of 999 ms at 0: the average is
// 2.000 only when all four of row k's controls are read, units included. Read
// as seconds it would be about 1000.5, read as uA 0.002.
const CalculationCase kEveryRowIsRead[] = {
    {"row 1", kAverage, L"得到平均功耗是:2.000uA.\r\n",
     {{1, L"1", kMs, L"2", kMA}, {2, L"999", kMs, L"0", kUA}}},
    {"row 2", kAverage, L"得到平均功耗是:2.000uA.\r\n",
     {{2, L"1", kMs, L"2", kMA}, {3, L"999", kMs, L"0", kUA}}},
    {"row 3", kAverage, L"得到平均功耗是:2.000uA.\r\n",
     {{3, L"1", kMs, L"2", kMA}, {4, L"999", kMs, L"0", kUA}}},
    {"row 4", kAverage, L"得到平均功耗是:2.000uA.\r\n",
     {{4, L"1", kMs, L"2", kMA}, {5, L"999", kMs, L"0", kUA}}},
    {"row 5", kAverage, L"得到平均功耗是:2.000uA.\r\n",
     {{5, L"1", kMs, L"2", kMA}, {1, L"999", kMs, L"0", kUA}}},
    {"row 5 through the battery button, in us and A: 2 uA from 2 mA/h", kLife,
     L"得到电池使用年限是: 0.114年≈41天.\r\n",
     {{5, L"1000", kUs, L"0.002", kA}, {1, L"999", kMs, L"0", kUA}}, L"2", kMAh},
};
INSTANTIATE_TEST_SUITE_P(EveryRowIsRead, Calculation, testing::ValuesIn(kEveryRowIsRead));
// clang-format on

using ResultBox = AmbrixTest;

TEST_F(ResultBox, IsOwnedByTheWindowWhichStaysDisabledUntilItCloses) {
  app.Click(kCalcAveragePower);
  const MessageBoxInfo box = app.WaitForMessageBox();
  EXPECT_EQ(GetWindow(box.window, GW_OWNER), app.Window());
  EXPECT_FALSE(IsWindowEnabled(app.Window())) << "the box is modal";
  EXPECT_NE(GetDlgItem(box.window, IDOK), nullptr) << "an OK button";
  EXPECT_EQ(GetDlgItem(box.window, IDCANCEL), nullptr) << "OK only";
  app.CloseMessageBox(box);
  EXPECT_TRUE(IsWindowEnabled(app.Window()));
  EXPECT_TRUE(app.Running()) << "closing the box leaves the window open";
}

TEST_F(ResultBox, ClickingTwiceShowsTheSameMessageTwice) {
  app.SetText(kRows[0].duration, L"1");
  app.SetText(kRows[0].current, L"7");
  const MessageBoxInfo first = app.Calculate(kCalcBatteryLife);
  const MessageBoxInfo second = app.Calculate(kCalcBatteryLife);
  EXPECT_EQ(first.text, L"得到电池使用年限是: 32.616年≈11904天.\r\n");
  EXPECT_EQ(second.text, first.text) << "nothing carries over from the first click";
}

TEST_F(ResultBox, EachClickReadsTheFieldsAnew) {
  app.SetText(kRows[0].duration, L"1");
  app.SetText(kRows[0].current, L"7");
  EXPECT_EQ(app.Calculate(kCalcAveragePower).text, L"得到平均功耗是:7.000uA.\r\n");
  app.SetText(kRows[0].current, L"8");
  EXPECT_EQ(app.Calculate(kCalcAveragePower).text, L"得到平均功耗是:8.000uA.\r\n");
}

}  // namespace
}  // namespace e2e
