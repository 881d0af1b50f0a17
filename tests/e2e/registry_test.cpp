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

// HKCU\Software as it was before the first test started the program: every
// run of the session, not only this test's, must leave it as it was.
class RegistryBaseline : public testing::Environment {
 public:
  void SetUp() override { keys_ = SubkeyNames(HKEY_CURRENT_USER, L"Software"); }
  static const std::vector<std::wstring>& Keys() { return keys_; }

 private:
  static inline std::vector<std::wstring> keys_;
};

[[maybe_unused]] testing::Environment* const kBaseline =
    testing::AddGlobalTestEnvironment(new RegistryBaseline);

TEST(Registry, ARunLeavesNoKeyBehind) {
  ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsRoot)) << "no earlier run left it";
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
  EXPECT_EQ(SubkeyNames(HKEY_CURRENT_USER, L"Software"), RegistryBaseline::Keys())
      << "no new key of any name, from this run or an earlier one";
}

}  // namespace
}  // namespace e2e
