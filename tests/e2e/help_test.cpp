// F1 raises the framework's help command, which asks the help engine for the
// help file beside the program (Ambrix.HLP); where no engine can be started,
// the framework says so itself in Chinese. The program has no help of its own.
#include <string>

#include <gtest/gtest.h>

#include "ambrix_fixture.h"
#include "polling.h"
#include "user_input.h"
#include "window_query.h"

namespace e2e {
namespace {

constexpr wchar_t kHelpFile[] = L"\\Ambrix.HLP";
constexpr wchar_t kHelpFailed[] = L"启动帮助失败。";

struct HelpAnswer {
  HWND box = nullptr;
  std::wstring text;
};

// A visible dialog of any process, the calculator aside, that speaks of the
// help file or of the failure to start help.
HelpAnswer FindHelpAnswer(HWND calculator) {
  HelpAnswer answer;
  for (HWND window = GetTopWindow(nullptr); window != nullptr;
       window = GetWindow(window, GW_HWNDNEXT)) {
    if (window == calculator || !IsWindowVisible(window) || ClassName(window) != L"#32770")
      continue;
    std::wstring text;
    for (const std::wstring& line : StaticTexts(window))
      text += line;
    if (text.find(kHelpFile) != std::wstring::npos ||
        text.find(kHelpFailed) != std::wstring::npos) {
      return {window, text};
    }
  }
  return answer;
}

TEST_F(AmbrixTest, F1AsksForTheHelpFileBesideTheProgram) {
  app.Activate();
  PressKey(VK_F1);
  HelpAnswer answer;
  WaitOrThrow(
      [&] {
        answer = FindHelpAnswer(app.Window());
        return answer.box != nullptr;
      },
      kReplyTimeout, L"the help engine's window or the framework's help failure message");
  EXPECT_TRUE(IsWindow(app.Window())) << "help leaves the calculator open";

  const HWND button =
      GetDlgItem(answer.box, IDNO) ? GetDlgItem(answer.box, IDNO) : GetDlgItem(answer.box, IDOK);
  PostMessageW(answer.box, WM_COMMAND, GetDlgCtrlID(button), 0);
  WaitOrThrow([&] { return !IsWindowVisible(answer.box); }, kReplyTimeout,
              L"the help box to close");
  EXPECT_TRUE(app.Running()) << "and the calculator carries on";
}

}  // namespace
}  // namespace e2e
