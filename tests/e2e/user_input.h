// Real input, as a user gives it: keystrokes and mouse clicks through
// SendInput, which reach the foreground window's thread like hardware input.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace e2e {

// Makes `window` the foreground window and waits until the system says so.
void BringToForeground(HWND window);

// Presses and releases `key`, holding `modifiers` (VK_SHIFT, VK_MENU...) meanwhile.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});

// Types each character with the key (and Shift) that makes it on the current layout.
void TypeText(std::wstring_view text);

// Moves the mouse to a screen point and clicks the left button there.
void ClickAt(POINT point);

}  // namespace e2e
