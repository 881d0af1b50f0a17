#include "running_ambrix.h"

#include <algorithm>

#include "ambrix_ids.h"
#include "driver_options.h"
#include "user_input.h"
#include "window_query.h"

namespace e2e {
namespace {

HWND FindCalculatorOf(DWORD process) {
  for (HWND window = FindWindowExW(nullptr, nullptr, L"#32770", kCalculatorCaption);
       window != nullptr; window = FindWindowExW(nullptr, window, L"#32770", kCalculatorCaption)) {
    if (ProcessOf(window) == process && IsWindowVisible(window))
      return window;
  }
  return nullptr;
}

// The control order: five of one kind, five of another, then the capacity's.
std::vector<int> InControlOrder(int RowIds::*first, int RowIds::*second, int capacity) {
  std::vector<int> ids;
  for (const RowIds& row : kRows)
    ids.push_back(row.*first);
  for (const RowIds& row : kRows)
    ids.push_back(row.*second);
  ids.push_back(capacity);
  return ids;
}

}  // namespace

void PrintTo(const ControlState& state, std::ostream* out) {
  *out << "{" << state.id << ", \"" << Utf8(state.text) << "\", " << state.selection << "}";
}

RunningAmbrix::RunningAmbrix(const std::wstring& arguments) {
  const std::wstring& program = Options().ambrixPath;
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!arguments.empty())
    commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process_)) {
    throw DriverError(L"cannot start " + program + L" (error " + std::to_wstring(GetLastError()) +
                      L")");
  }
  try {
    WaitForCalculator();
  } catch (...) {
    // No destructor runs for an object whose constructor throws.
    End();
    throw;
  }
}

void RunningAmbrix::WaitForCalculator() {
  WaitOrThrow(
      [&] {
        window_ = FindCalculatorOf(process_.dwProcessId);
        return window_ != nullptr || !Running();
      },
      kStartTimeout, L"the calculator window");
  if (window_ == nullptr)
    throw DriverError(L"the program ended before showing its window");
  thread_ = ThreadOf(window_);
  WaitOrThrow([&] { return ActiveOf(thread_) == window_ && FocusOf(thread_) != nullptr; },
              kStartTimeout, L"the calculator window to become active with a focused control");
}

void RunningAmbrix::End() {
  if (Running()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, static_cast<DWORD>(kReplyTimeout.count()));
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

RunningAmbrix::~RunningAmbrix() {
  End();
}

HWND RunningAmbrix::Control(int id) const {
  const HWND control = GetDlgItem(window_, id);
  if (control == nullptr)
    throw DriverError(L"no control " + std::to_wstring(id));
  return control;
}

std::wstring RunningAmbrix::Text(int id) const {
  return ReadText(Control(id));
}

void RunningAmbrix::SetText(int id, const std::wstring& text) {
  SendWithTimeout(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int RunningAmbrix::Selection(int id) const {
  return static_cast<int>(SendWithTimeout(Control(id), CB_GETCURSEL));
}

void RunningAmbrix::Select(int id, int position) {
  SendWithTimeout(Control(id), CB_SETCURSEL, static_cast<WPARAM>(position));
}

std::vector<std::wstring> RunningAmbrix::Items(int id) const {
  const HWND list = Control(id);
  const auto count = static_cast<int>(SendWithTimeout(list, CB_GETCOUNT));
  std::vector<std::wstring> items;
  for (int i = 0; i < count; ++i) {
    const auto length = static_cast<size_t>(SendWithTimeout(list, CB_GETLBTEXTLEN, i));
    std::wstring item(length + 1, L'\0');
    SendWithTimeout(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    item.resize(length);
    items.push_back(item);
  }
  return items;
}

std::pair<int, int> RunningAmbrix::EditSelection(int id) const {
  const auto both = static_cast<DWORD>(SendWithTimeout(Control(id), EM_GETSEL));
  return {LOWORD(both), HIWORD(both)};
}

std::vector<ControlState> RunningAmbrix::Form() const {
  std::vector<ControlState> form;
  for (int id : InControlOrder(&RowIds::duration, &RowIds::current, kCapacity))
    form.push_back({id, Text(id), 0});
  for (int id : InControlOrder(&RowIds::timeUnit, &RowIds::currentUnit, kCapacityUnit))
    form.push_back({id, Text(id), Selection(id)});
  return form;
}

void RunningAmbrix::Click(int id) {
  PostMessageW(Control(id), BM_CLICK, 0, 0);
}

HWND RunningAmbrix::WaitForOwnedDialog() const {
  HWND dialog = nullptr;
  WaitOrThrow(
      [&] {
        const std::vector<HWND> owned = OwnedDialogs(window_);
        dialog = owned.empty() ? nullptr : owned.front();
        return dialog != nullptr;
      },
      kReplyTimeout, L"a dialog owned by the calculator window");
  return dialog;
}

MessageBoxInfo RunningAmbrix::WaitForMessageBox() const {
  const HWND box = WaitForOwnedDialog();
  const HWND text = GetDlgItem(box, 0xFFFF);
  if (text == nullptr)
    throw DriverError(L"the owned dialog has no message text (static 0xFFFF)");
  return {box, ReadText(box), ReadText(text)};
}

void RunningAmbrix::CloseMessageBox(const MessageBoxInfo& box) const {
  PostMessageW(box.window, WM_COMMAND, IDOK, 0);
  WaitOrThrow([&] { return !IsWindow(box.window) && IsWindowEnabled(window_); }, kReplyTimeout,
              L"the message box to close");
}

MessageBoxInfo RunningAmbrix::Calculate(int button) {
  Click(button);
  MessageBoxInfo box = WaitForMessageBox();
  CloseMessageBox(box);
  return box;
}

int RunningAmbrix::FocusedId() const {
  return FocusedControlId(window_);
}

void RunningAmbrix::Activate() const {
  BringToForeground(window_);
}

int RunningAmbrix::Tab(bool backwards) const {
  const int before = FocusedId();
  if (backwards) {
    PressKey(VK_TAB, {VK_SHIFT});
  } else {
    PressKey(VK_TAB);
  }
  int after = before;
  WaitOrThrow(
      [&] {
        after = FocusedId();
        return after != before && after != 0;
      },
      kReplyTimeout, L"Tab to move the focus on from control " + std::to_wstring(before));
  return after;
}

void RunningAmbrix::TabTo(int id) const {
  Activate();
  // The window has fewer than 30 tab stops: more steps than that is a loop.
  for (int step = 0; step < 30 && FocusedId() != id; ++step)
    Tab();
  if (FocusedId() != id)
    throw DriverError(L"Tab never reached control " + std::to_wstring(id));
}

bool RunningAmbrix::Running() const {
  return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

ExitObservation RunningAmbrix::WaitForExit(milliseconds timeout) const {
  ExitObservation observation;
  observation.ended = WaitUntil(
      [&] {
        for (HWND box : OwnedDialogs(window_)) {
          std::wstring caption;
          try {
            caption = ReadText(box);
          } catch (const DriverError&) {
            caption = L"(a box that closed while being read)";
          }
          if (std::find(observation.boxesSeen.begin(), observation.boxesSeen.end(), caption) ==
              observation.boxesSeen.end()) {
            observation.boxesSeen.push_back(caption);
          }
        }
        return !Running();
      },
      timeout);
  return observation;
}

}  // namespace e2e
