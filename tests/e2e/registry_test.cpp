// The settings root is named at start-up, but nothing is ever stored there.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ambrix_ids.h"
#include "registry_keys.h"
#include "running_ambrix.h"

namespace e2e {
namespace {

constexpr wchar_t kSettingsRoot[] = L"Software\\应用程序向导生成的本地应用程序";

TEST(Registry, ARunLeavesNoKeyBehind) {
  const std::vector<std::wstring> before = SubkeyNames(HKEY_CURRENT_USER, L"Software");
  ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsRoot)) << "a clean start";
  {
    RunningAmbrix app;
    app.Calculate(kCalcBatteryLife);
    PostMessageW(app.Window(), WM_SYSCOMMAND, kAboutCommand, 0);
    const HWND about = app.WaitForOwnedDialog();
    PostMessageW(about, WM_COMMAND, IDOK, 0);
    WaitOrThrow([&] { return IsWindowEnabled(app.Window()); }, kReplyTimeout,
                L"the About box to close");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsRoot)) << "not even while running";
    PostMessageW(app.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(app.WaitForExit().ended);
  }
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsRoot));
  EXPECT_EQ(SubkeyNames(HKEY_CURRENT_USER, L"Software"), before) << "no new key of any name";
}

}  // namespace
}  // namespace e2e
