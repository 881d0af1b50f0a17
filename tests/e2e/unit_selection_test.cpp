// A unit list left without a selected item: the program counts it as the
// list's first unit, whatever its field shows.
#include <string>

#include <gtest/gtest.h>

#include "ambrix_ids.h"
#include "ambrix_fixture.h"
#include "running_ambrix.h"
#include "user_input.h"

namespace e2e {
namespace {

// How the selection gets lost.
enum class Unselect { kBySetCurSel, kByTyping };

void PrintTo(Unselect how, std::ostream* out) {
  *out << (how == Unselect::kBySetCurSel ? "CB_SETCURSEL -1" : "typed into the list's field");
}

struct UnselectedCase {
  const char* why;
  int list;
  int selectedFirst;     // the item chosen before the selection is cleared
  const wchar_t* typed;  // typed into the list's field (kByTyping)
  void (*fill)(RunningAmbrix&);
  int button;
  const wchar_t* text;
};

void PrintTo(const UnselectedCase& c, std::ostream* out) {
  *out << c.why;
}

// Row 1 at 1 (time unit under test) and 3 uA, row 2 at 1 s and 1 uA: 2.000
// when row 1 counts as seconds, 1.002 as ms, 1.000 as us.
void TwoRowsOfOneSecond(RunningAmbrix& app) {
  app.SetText(kRows[0].duration, L"1");
  app.SetText(kRows[0].current, L"3");
  app.SetText(kRows[1].duration, L"1");
  app.SetText(kRows[1].current, L"1");
}

// Row 1 at 1 s and 5 (current unit under test): 5.000 as uA, 5000.000 as mA.
void OneRowOfFive(RunningAmbrix& app) {
  app.SetText(kRows[0].duration, L"1");
  app.SetText(kRows[0].current, L"5");
}

// 10 uA from a capacity of 2: 0.023 years as mA/h, 22.831 as A/h.
void CapacityOfTwo(RunningAmbrix& app) {
  app.SetText(kRows[0].duration, L"1");
  app.SetText(kRows[0].current, L"10");
  app.SetText(kCapacity, L"2");
}

using UnselectedList = AmbrixTestWithParam<std::tuple<Unselect, UnselectedCase>>;

TEST_P(UnselectedList, CountsAsTheFirstUnit) {
  const auto& [how, c] = GetParam();
  c.fill(app);
  app.Select(c.list, c.selectedFirst);
  if (how == Unselect::kBySetCurSel) {
    app.Select(c.list, -1);
  } else {
    // A changed text shows that the keys have arrived.
    ASSERT_NE(app.Text(c.list), c.typed);
    app.TabTo(c.list);  // selects the field's text, so typing replaces it
    TypeText(c.typed);
    app.WaitForText(c.list, [&](const std::wstring& text) { return text == c.typed; });
  }
  ASSERT_EQ(app.Selection(c.list), -1) << "the list has no selected item";
  EXPECT_EQ(app.Calculate(c.button).text, c.text);
}

const UnselectedCase kUnselected[] = {
    {"time unit of row 1, \"ms\" before", kRows[0].timeUnit, 1, L"us", TwoRowsOfOneSecond,
     kCalcAveragePower, L"得到平均功耗是:2.000uA.\r\n"},
    {"current unit of row 1, \"mA\" before", kRows[0].currentUnit, 1, L"A", OneRowOfFive,
     kCalcAveragePower, L"得到平均功耗是:5.000uA.\r\n"},
    {"current unit of row 1 through the battery button, \"A\" before", kRows[0].currentUnit, 2,
     L"mA", CapacityOfTwo, kCalcBatteryLife, L"得到电池使用年限是: 0.023年≈8天.\r\n"},
    {"capacity unit, \"A/h\" before", kCapacityUnit, 1, L"Ah", CapacityOfTwo, kCalcBatteryLife,
     L"得到电池使用年限是: 0.023年≈8天.\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Lists, UnselectedList,
                         testing::Combine(testing::Values(Unselect::kBySetCurSel,
                                                          Unselect::kByTyping),
                                          testing::ValuesIn(kUnselected)));

TEST(UnitListField, TypedTextOfAnItemIsNotASelection) {
  RunningAmbrix app;
  TwoRowsOfOneSecond(app);
  app.TabTo(kRows[0].timeUnit);
  TypeText(L"ms");
  app.WaitForText(kRows[0].timeUnit, [](const std::wstring& text) { return text == L"ms"; });
  EXPECT_EQ(app.Selection(kRows[0].timeUnit), -1) << "typing does not choose the item";
  EXPECT_EQ(app.Calculate(kCalcAveragePower).text, L"得到平均功耗是:2.000uA.\r\n")
      << "row 1 still counts in seconds, as its list's first unit";
}

}  // namespace
}  // namespace e2e
