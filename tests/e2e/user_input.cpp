#include "user_input.h"

#include <vector>

#include "polling.h"

namespace e2e {
namespace {

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void Send(std::vector<INPUT>& inputs) {
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size())
    throw DriverError(L"SendInput refused the input");
}

INPUT MouseInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

}  // namespace

void BringToForeground(HWND window) {
  SetForegroundWindow(window);
  WaitOrThrow([&] { return GetForegroundWindow() == window; }, kReplyTimeout,
              L"the window to come to the foreground");
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers)
    inputs.push_back(KeyInput(modifier, false));
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  for (auto it = modifiers.end(); it != modifiers.begin();)
    inputs.push_back(KeyInput(*--it, true));
  Send(inputs);
}

void TypeText(std::wstring_view text) {
  for (wchar_t c : text) {
    const SHORT scan = VkKeyScanW(c);
    if (scan == -1)
      throw DriverError(L"no key types the character " + std::wstring(1, c));
    const auto key = static_cast<WORD>(scan & 0xFF);
    if (scan & 0x100) {
      PressKey(key, {VK_SHIFT});
    } else {
      PressKey(key);
    }
  }
}

void ClickAt(POINT point) {
  SetCursorPos(point.x, point.y);
  WaitOrThrow(
      [&] {
        POINT now{};
        return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
      },
      kReplyTimeout, L"the mouse to reach the click point");
  std::vector<INPUT> inputs = {MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
  Send(inputs);
}

}  // namespace e2e
