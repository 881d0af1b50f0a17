// RunningAmbrix: one Ambrix.exe process started for a test, with its
// calculator window, driven from outside as a user drives it.
// Needs <windows.h> and GoogleTest's printers only for the states it returns.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "polling.h"

namespace e2e {

struct MessageBoxInfo {
  HWND window = nullptr;
  std::wstring caption;
  std::wstring text;
};

// What one control shows: a field's text, or a list's text and selected position.
struct ControlState {
  int id = 0;
  std::wstring text;
  int selection = 0;  // CB_GETCURSEL for lists, 0 for fields
  bool operator==(const ControlState&) const = default;
};
void PrintTo(const ControlState& state, std::ostream* out);

struct ExitObservation {
  bool ended = false;
  std::vector<std::wstring> boxesSeen;  // captions of message boxes that showed up meanwhile
};

class RunningAmbrix {
 public:
  // Starts the program and waits until its calculator window is shown, active
  // and has a focused control.
  explicit RunningAmbrix(const std::wstring& arguments = L"");
  ~RunningAmbrix();
  RunningAmbrix(const RunningAmbrix&) = delete;
  RunningAmbrix& operator=(const RunningAmbrix&) = delete;

  HWND Window() const { return window_; }
  DWORD Thread() const { return thread_; }
  HWND Control(int id) const;

  std::wstring Text(int id) const;
  void SetText(int id, const std::wstring& text);
  int Selection(int id) const;
  void Select(int id, int position);  // CB_SETCURSEL: no notification, as documented
  std::vector<std::wstring> Items(int id) const;
  std::pair<int, int> EditSelection(int id) const;  // EM_GETSEL: start, end

  // Every field and list of the window, in control order.
  std::vector<ControlState> Form() const;

  // Posts BM_CLICK: a sent click would block while the resulting box is open.
  void Click(int id);
  // The visible dialog owned by the calculator window (message box or About box).
  HWND WaitForOwnedDialog() const;
  MessageBoxInfo WaitForMessageBox() const;
  // WM_COMMAND/IDOK, then waits until the box is gone and the window enabled again.
  void CloseMessageBox(const MessageBoxInfo& box) const;
  // Click, read the message box, close it.
  MessageBoxInfo Calculate(int button);

  // Id of the control that has the keyboard focus (a list for its edit field); 0 for none.
  int FocusedId() const;
  void Activate() const;
  // Presses Tab (Shift+Tab backwards) and waits until the focus has moved; returns the new id.
  int Tab(bool backwards = false) const;
  // Tabs forward until `id` has the focus.
  void TabTo(int id) const;
  // Waits until a field's text satisfies `done`; returns the text.
  template <class Condition>
  std::wstring WaitForText(int id, Condition done) const {
    std::wstring text;
    WaitOrThrow(
        [&] {
          text = Text(id);
          return done(text);
        },
        kReplyTimeout, L"the text of control " + std::to_wstring(id) + L" (now \"" + text + L"\")");
    return text;
  }

  bool Running() const;
  // Waits for the process to end, noting any message box the window shows meanwhile.
  ExitObservation WaitForExit(milliseconds timeout = kReplyTimeout) const;

 private:
  void WaitForCalculator();
  // Ends the process if it still runs, and lets go of it.
  void End();

  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  DWORD thread_ = 0;
};

}  // namespace e2e
