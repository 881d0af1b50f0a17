// The contact link: a real mouse click asks the shell to open the maker's
// address. The shell hands http addresses to whatever the registry names as
// their handler; for this test that is a recorder of ours instead of a browser.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ambrix_ids.h"
#include "driver_options.h"
#include "registry_keys.h"
#include "running_ambrix.h"
#include "user_input.h"
#include "window_query.h"

namespace e2e {
namespace {

constexpr wchar_t kAddress[] = L"www.nrv.example";
// Wine's shell, like Windows', turns a bare "www." name into an http address
// and opens it with the http handler.
constexpr wchar_t kHttpHandler[] = L"Software\\Classes\\http\\shell\\open\\command";

std::wstring ReadUtf16File(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw DriverError(L"cannot open " + path);
  std::wstring text(GetFileSize(file, nullptr) / sizeof(wchar_t), L'\0');
  DWORD read = 0;
  ReadFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read, nullptr);
  CloseHandle(file);
  text.resize(read / sizeof(wchar_t));
  return text;
}

std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(commandLine.c_str(), &argc);
  std::vector<std::wstring> arguments(argv, argv + argc);
  LocalFree(argv);
  return arguments;
}

class ContactLink : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    record_ = std::wstring(folder) + L"ambrix-e2e-opened-" +
              std::to_wstring(GetCurrentProcessId()) + L".txt";
    DeleteFileW(record_.c_str());
  }
  void TearDown() override { DeleteFileW(record_.c_str()); }

  std::wstring record_;
};

TEST_F(ContactLink, AClickOpensTheMakersAddressAndLeavesTheWindowAsItWas) {
  const std::wstring recorder = DriverFolder() + L"ambrix_e2e_url_recorder.exe";
  ASSERT_NE(GetFileAttributesW(recorder.c_str()), INVALID_FILE_ATTRIBUTES) << Utf8(recorder);
  const ScopedDefaultValue handler(HKEY_LOCAL_MACHINE, kHttpHandler,
                                   L"\"" + recorder + L"\" \"" + record_ + L"\" \"%1\"");
  RunningAmbrix app;
  EXPECT_NE(app.Text(kContactLink).find(kAddress), std::wstring::npos)
      << "the link shows the address";
  app.SetText(kRows[1].current, L"42");
  app.Select(kRows[1].currentUnit, 2);
  const std::vector<ControlState> before = app.Form();

  // The address is the link's text, which starts at the control's left edge.
  const RECT link = WindowRect(app.Control(kContactLink));
  app.Activate();
  ClickAt({link.left + 12, (link.top + link.bottom) / 2});
  WaitOrThrow([&] { return GetFileAttributesW(record_.c_str()) != INVALID_FILE_ATTRIBUTES; },
              kReplyTimeout, L"the shell to start the http handler");

  const std::vector<std::wstring> arguments = SplitCommandLine(ReadUtf16File(record_));
  ASSERT_EQ(arguments.size(), 3u) << "recorder, record file, address";
  std::wstring opened = arguments[2];
  if (opened.starts_with(L"http://"))
    opened.erase(0, 7);  // the shell's own prefix
  EXPECT_EQ(opened, kAddress);

  EXPECT_TRUE(app.Running());
  EXPECT_TRUE(IsWindowEnabled(app.Window()));
  EXPECT_TRUE(OwnedDialogs(app.Window()).empty()) << "nothing is reported";
  EXPECT_EQ(app.Form(), before);
}

}  // namespace
}  // namespace e2e
