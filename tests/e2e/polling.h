// Waiting for another process: conditions polled until a deadline, never a
// fixed sleep standing in for synchronisation.
#pragma once

#include <windows.h>

#include <chrono>
#include <stdexcept>
#include <string>

namespace e2e {

using std::chrono::milliseconds;

// Long enough for a cold start of the program in a fresh Wine prefix.
inline constexpr milliseconds kStartTimeout{20000};
// Anything the running program does in reply to one action.
inline constexpr milliseconds kReplyTimeout{10000};

// A step of the driver that could not be carried out; GoogleTest reports it
// as a failure of the test that took the step.
class DriverError : public std::runtime_error {
 public:
  explicit DriverError(const std::wstring& what);
};

std::string Utf8(const std::wstring& text);

// True as soon as `done()` holds, false when `timeout` passes first.
template <class Condition>
bool WaitUntil(Condition done, milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (done())
      return true;
    if (std::chrono::steady_clock::now() >= deadline)
      return false;
    Sleep(10);
  }
}

template <class Condition>
void WaitOrThrow(Condition done, milliseconds timeout, const std::wstring& what) {
  if (!WaitUntil(done, timeout)) {
    throw DriverError(L"timed out after " + std::to_wstring(timeout.count()) + L" ms waiting for " +
                      what);
  }
}

}  // namespace e2e
