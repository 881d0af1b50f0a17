// The About box, reached from the calculator's system menu.
#include <cstdlib>
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

HWND WaitForAbout(const RunningAmbrix& app) {
  const HWND about = app.WaitForOwnedDialog();
  // Shown, active and focused: only then is the box ready for keys.
  WaitOrThrow([&] { return ActiveOf(app.Thread()) == about && FocusOf(app.Thread()) != nullptr; },
              kReplyTimeout, L"the About box to become active");
  return about;
}

void PostSystemCommand(const RunningAmbrix& app, WPARAM command) {
  PostMessageW(app.Window(), WM_SYSCOMMAND, command, 0);
}

struct OpenCase {
  const char* why;
  void (*open)(const RunningAmbrix&);
};

void PrintTo(const OpenCase& c, std::ostream* out) {
  *out << c.why;
}

void OpenBySystemMenuKeys(const RunningAmbrix& app) {
  app.Activate();
  PressKey(VK_SPACE, {VK_MENU});
  // The system menu is a popup menu window of the program's thread.
  WaitOrThrow(
      [&] {
        const HWND menu = FindWindowW(L"#32768", nullptr);
        return menu != nullptr && IsWindowVisible(menu) && ThreadOf(menu) == app.Thread();
      },
      kReplyTimeout, L"the system menu to drop down");
  // The entry is the menu's last item, one step up from the first. Its access
  // key A cannot be used here: Wine's own system menu has an "About Wine" entry
  // with the same key, earlier in the menu, and Wine picks that one.
  PressKey(VK_UP);
  PressKey(VK_RETURN);
}

const OpenCase kOpenWays[] = {
    {"system command IDM_ABOUT (0x0010)",
     [](const RunningAmbrix& app) { PostSystemCommand(app, kAboutCommand); }},
    {"system command 0x0013: the low four bits are the system's",
     [](const RunningAmbrix& app) { PostSystemCommand(app, kAboutCommand | 0x3); }},
    {"system command 0x001F", [](const RunningAmbrix& app) { PostSystemCommand(app, 0x001F); }},
    {"the system menu by keyboard: Alt+Space, Up to the last entry, Enter", OpenBySystemMenuKeys},
};

using AboutOpened = AmbrixTestWithParam<OpenCase>;

TEST_P(AboutOpened, ShowsTheBoxCentredOverTheDisabledWindow) {
  GetParam().open(app);
  const HWND about = WaitForAbout(app);
  EXPECT_EQ(ReadText(about), kAboutCaption);
  const std::vector<std::wstring> texts = StaticTexts(about);
  ASSERT_EQ(texts.size(), 2u) << "the two text lines beside the icon";
  EXPECT_EQ(texts[0], L"Ambrix\uFF0C1.0 版") << "full-width comma, blank before 版";
  EXPECT_FALSE(texts[1].empty());
  EXPECT_EQ(ReadText(GetDlgItem(about, kAboutOk)), L"确定");
  EXPECT_EQ(FocusOf(app.Thread()), GetDlgItem(about, kAboutOk)) << "the focus on 确定";
  EXPECT_FALSE(IsWindowEnabled(app.Window())) << "the calculator takes no input meanwhile";

  const POINT boxCentre = Centre(WindowRect(about));
  const POINT windowCentre = Centre(WindowRect(app.Window()));
  EXPECT_LE(std::abs(boxCentre.x - windowCentre.x), 3) << "centred over the calculator";
  EXPECT_LE(std::abs(boxCentre.y - windowCentre.y), 3) << "centred over the calculator";
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutOpened, testing::ValuesIn(kOpenWays));

struct CloseCase {
  const char* why;
  void (*close)(HWND about);
};

void PrintTo(const CloseCase& c, std::ostream* out) {
  *out << c.why;
}

const CloseCase kCloseWays[] = {
    {"Enter", [](HWND) { PressKey(VK_RETURN); }},
    {"Escape", [](HWND) { PressKey(VK_ESCAPE); }},
    {"Space on the focused button", [](HWND) { PressKey(VK_SPACE); }},
    {"Alt+F4", [](HWND) { PressKey(VK_F4, {VK_MENU}); }},
    {"a click on 确定",
     [](HWND about) { PostMessageW(GetDlgItem(about, kAboutOk), BM_CLICK, 0, 0); }},
    {"the close box's command, SC_CLOSE",
     [](HWND about) { PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"a mouse click on the close box", [](HWND about) { ClickAt(CloseBoxPoint(about)); }},
};

using AboutClosed = AmbrixTestWithParam<CloseCase>;

TEST_P(AboutClosed, GivesTheCalculatorBackAsItWas) {
  app.SetText(kRows[2].duration, L"12");
  app.Select(kRows[2].timeUnit, 2);
  app.SetText(kCapacity, L"345");
  const std::vector<ControlState> before = app.Form();

  PostSystemCommand(app, kAboutCommand);
  const HWND about = WaitForAbout(app);
  BringToForeground(about);
  GetParam().close(about);
  WaitOrThrow([&] { return !IsWindow(about); }, kReplyTimeout, L"the About box to close");

  EXPECT_TRUE(app.Running()) << "only the box closes";
  WaitOrThrow([&] { return IsWindowEnabled(app.Window()); }, kReplyTimeout,
              L"the calculator to be enabled");
  EXPECT_TRUE(WaitUntil([&] { return ActiveOf(app.Thread()) == app.Window(); }, kReplyTimeout))
      << "the calculator is the active window again";
  EXPECT_EQ(app.Form(), before);
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutClosed, testing::ValuesIn(kCloseWays));

TEST(AboutBox, OpensAfreshTheSecondTime) {
  RunningAmbrix app;
  PostSystemCommand(app, kAboutCommand);
  const HWND first = WaitForAbout(app);
  const RECT firstRect = WindowRect(first);
  const std::vector<std::wstring> firstTexts = StaticTexts(first);
  PostMessageW(first, WM_COMMAND, IDOK, 0);
  WaitOrThrow([&] { return !IsWindow(first) && IsWindowEnabled(app.Window()); }, kReplyTimeout,
              L"the first About box to close");

  PostSystemCommand(app, kAboutCommand);
  const HWND second = WaitForAbout(app);
  const RECT secondRect = WindowRect(second);
  EXPECT_TRUE(EqualRect(&firstRect, &secondRect)) << "same place";
  EXPECT_EQ(StaticTexts(second), firstTexts);
  EXPECT_EQ(FocusOf(app.Thread()), GetDlgItem(second, kAboutOk));
}

TEST(SystemCommand, OtherCommandsKeepTheirDefaultEffect) {
  RunningAmbrix app;
  PostSystemCommand(app, 0x0020);  // past the About range: no command of the program's own
  PostSystemCommand(app, SC_CLOSE);
  const ExitObservation exit = app.WaitForExit();
  EXPECT_TRUE(exit.ended) << "Close from the system menu ends the program";
  EXPECT_TRUE(exit.boxesSeen.empty()) << "0x0020 opened no About box";
}

}  // namespace
}  // namespace e2e
