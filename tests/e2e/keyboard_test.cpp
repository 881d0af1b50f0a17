// Keys typed for real: Enter, Escape, Tab, Alt+F4 and characters, as hardware
// input to the foreground window.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ambrix_ids.h"
#include "ambrix_fixture.h"
#include "running_ambrix.h"
#include "user_input.h"
#include "window_query.h"

namespace e2e {
namespace {

struct FocusCase {
  int id;
  const char* why;
};

void PrintTo(const FocusCase& c, std::ostream* out) {
  *out << c.why;
}

using EnterInAField = AmbrixTestWithParam<FocusCase>;

TEST_P(EnterInAField, ClosesTheWindowWithoutCalculating) {
  app.TabTo(GetParam().id);
  PressKey(VK_RETURN);
  const ExitObservation exit = app.WaitForExit();
  EXPECT_TRUE(exit.ended) << "Enter ends the program";
  EXPECT_TRUE(exit.boxesSeen.empty()) << "no calculation ran; first box: "
                                      << (exit.boxesSeen.empty() ? "" : Utf8(exit.boxesSeen[0]));
  EXPECT_FALSE(IsWindow(app.Window()));
}

const FocusCase kFields[] = {
    {kRows[0].duration, "window 1 duration, the field focused at start"},
    {kRows[0].current, "window 1 current"},
    {kRows[4].current, "window 5 current, the last row field"},
    {kCapacity, "capacity, the digits-only field"},
    {kRows[0].timeUnit, "a unit list that is not dropped down"},
    {kCapacityUnit, "the capacity unit list"},
};
INSTANTIATE_TEST_SUITE_P(Fields, EnterInAField, testing::ValuesIn(kFields));

struct ButtonKeyCase {
  int button;
  WORD key;
  const wchar_t* title;
  const char* why;
};

void PrintTo(const ButtonKeyCase& c, std::ostream* out) {
  *out << c.why;
}

using KeyOnAFocusedButton = AmbrixTestWithParam<ButtonKeyCase>;

TEST_P(KeyOnAFocusedButton, CalculatesAndTheWindowStays) {
  const ButtonKeyCase& c = GetParam();
  app.SetText(kRows[0].duration, L"1");
  app.SetText(kRows[0].current, L"10");
  app.TabTo(c.button);
  PressKey(c.key);
  const MessageBoxInfo box = app.WaitForMessageBox();
  EXPECT_EQ(box.caption, c.title);
  app.CloseMessageBox(box);
  EXPECT_TRUE(app.Running());
  EXPECT_TRUE(IsWindowVisible(app.Window()));
}

const ButtonKeyCase kButtonKeys[] = {
    {kCalcAveragePower, VK_RETURN, kAverageTitle, "Enter on the average-power button"},
    {kCalcBatteryLife, VK_RETURN, kBatteryLifeTitle, "Enter on the battery-life button"},
    {kCalcAveragePower, VK_SPACE, kAverageTitle, "Space on the average-power button"},
};
INSTANTIATE_TEST_SUITE_P(Buttons, KeyOnAFocusedButton, testing::ValuesIn(kButtonKeys));

TEST(EnterOnAButton, ShowsTheSameResultAsAClick) {
  RunningAmbrix app;
  app.SetText(kRows[0].duration, L"1");
  app.SetText(kRows[0].current, L"10");
  app.TabTo(kCalcBatteryLife);
  PressKey(VK_RETURN);
  const MessageBoxInfo box = app.WaitForMessageBox();
  EXPECT_EQ(box.text, L"得到电池使用年限是: 22.831年≈8333天.\r\n");
  app.CloseMessageBox(box);
  EXPECT_EQ(app.FocusedId(), kCalcBatteryLife) << "the focus goes back to the button";
}

// Ways to close the window that end the program like Cancel.
struct CloseCase {
  const char* why;
  void (*close)(RunningAmbrix&);
};

void PrintTo(const CloseCase& c, std::ostream* out) {
  *out << c.why;
}

using Closing = AmbrixTestWithParam<CloseCase>;

TEST_P(Closing, EndsTheProgramWithoutAMessage) {
  GetParam().close(app);
  const ExitObservation exit = app.WaitForExit();
  EXPECT_TRUE(exit.ended);
  EXPECT_TRUE(exit.boxesSeen.empty());
}

const CloseCase kCloseWays[] = {
    {"Escape in the first field",
     [](RunningAmbrix& app) {
       app.Activate();
       PressKey(VK_ESCAPE);
     }},
    {"Escape on a button",
     [](RunningAmbrix& app) {
       app.TabTo(kCalcAveragePower);
       PressKey(VK_ESCAPE);
     }},
    {"Alt+F4",
     [](RunningAmbrix& app) {
       app.Activate();
       PressKey(VK_F4, {VK_MENU});
     }},
    {"the close box's command, SC_CLOSE",
     [](RunningAmbrix& app) { PostMessageW(app.Window(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"a mouse click on the close box",
     [](RunningAmbrix& app) {
       app.Activate();
       ClickAt(CloseBoxPoint(app.Window()));
     }},
};
INSTANTIATE_TEST_SUITE_P(Ways, Closing, testing::ValuesIn(kCloseWays));

// The tab stops in template order; labels are skipped, the buttons come after
// window 5 although they stand to the right of the capacity, and the last stop
// leads back to the first.
const std::vector<int> kTabOrder = {
    1000, 1001, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013,
    1014, 1015, 1016, 1017, 1018, 1019, 1020, 1002, 1021, 1022, 1023, 1025, 1000,
};

using TabOrder = AmbrixTest;

TEST_F(TabOrder, TabVisitsEveryStopInOrderAndWraps) {
  app.Activate();
  ASSERT_EQ(app.FocusedId(), kTabOrder.front());
  std::vector<int> visited = {app.FocusedId()};
  for (size_t step = 1; step < kTabOrder.size(); ++step)
    visited.push_back(app.Tab());
  EXPECT_EQ(visited, kTabOrder);
}

TEST_F(TabOrder, ShiftTabGoesBackTheSameWay) {
  app.Activate();
  ASSERT_EQ(app.FocusedId(), kTabOrder.front());
  std::vector<int> visited = {app.FocusedId()};
  for (size_t step = 1; step < kTabOrder.size(); ++step)
    visited.push_back(app.Tab(true));
  const std::vector<int> expected(kTabOrder.rbegin(), kTabOrder.rend());
  EXPECT_EQ(visited, expected);
}

TEST_F(TabOrder, TabIntoAFieldSelectsItsText) {
  app.TabTo(kCapacity);
  EXPECT_EQ(app.EditSelection(kCapacity), std::make_pair(0, 4)) << "the whole \"2000\"";
}

// Each refused character is followed by a digit, so that the field has
// visibly taken the keystroke after it before the text is compared.
struct TypedCase {
  wchar_t typed;
  bool accepted;
  const char* why;
};

const TypedCase kCapacityKeys[] = {
    {L'7', true, "a digit"},
    {L'a', false, "a lower-case letter"},
    {L'Z', false, "an upper-case letter, typed with Shift"},
    {L'-', false, "a minus sign: no negative capacity from the keyboard"},
    {L'.', false, "a decimal point"},
    {L'e', false, "an exponent letter"},
    {L'+', false, "a plus sign"},
    {L' ', false, "a blank"},
    {L'0', true, "zero"},
};

TEST(CapacityField, TakesOnlyDigitsFromTheKeyboard) {
  RunningAmbrix app;
  app.TabTo(kCapacity);  // selects "2000", so the first key replaces it
  std::wstring expected;
  wchar_t sentinel = L'1';
  for (const TypedCase& c : kCapacityKeys) {
    SCOPED_TRACE(c.why);
    const std::wstring before = app.Text(kCapacity);
    TypeText(std::wstring(1, c.typed) + sentinel);
    if (c.accepted)
      expected += c.typed;
    expected += sentinel;
    const std::wstring after = app.WaitForText(kCapacity, [&](const std::wstring& text) {
      return text != before && text.ends_with(sentinel);
    });
    EXPECT_EQ(after, expected);
    sentinel = sentinel == L'9' ? L'1' : static_cast<wchar_t>(sentinel + 1);
  }
}

TEST(DurationField, TakesAnyCharacterFromTheKeyboard) {
  RunningAmbrix app;
  app.Activate();  // the duration of window 1 has the focus with its "0" selected
  TypeText(L"-1.5e2x");
  EXPECT_EQ(app.WaitForText(kRows[0].duration,
                            [](const std::wstring& text) { return text.ends_with(L'x'); }),
            L"-1.5e2x")
      << "only the capacity field filters its keys";
}

}  // namespace
}  // namespace e2e
