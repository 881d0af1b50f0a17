// Reading windows of another process: texts, classes, owners, focus.
// Cross-process reads go through messages (WM_GETTEXT and friends), since
// GetWindowTextW returns nothing for another process's controls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// SendMessageW that gives up, with a DriverError, when the window does not answer.
LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

std::wstring ClassName(HWND window);
// The whole text, as WM_GETTEXT gives it.
std::wstring ReadText(HWND window);
DWORD ThreadOf(HWND window);
DWORD ProcessOf(HWND window);

// Visible top-level dialogs ("#32770") owned by `owner`: message boxes, the About box.
std::vector<HWND> OwnedDialogs(HWND owner);

// The keyboard focus and the active window of a user-interface thread.
HWND FocusOf(DWORD thread);
HWND ActiveOf(DWORD thread);

// The direct child of `dialog` that is `window` or contains it (a combo box
// for its edit field); null when `window` is not inside `dialog`.
HWND ChildOfDialog(HWND dialog, HWND window);

// Control id of the dialog child holding the focus of `dialog`'s thread; 0 when none.
int FocusedControlId(HWND dialog);

// Static texts of a dialog in window order, icons left out.
std::vector<std::wstring> StaticTexts(HWND dialog);

// A screen point on the window's close box, found by asking the window what
// lies under the points of its caption (WM_NCHITTEST).
POINT CloseBoxPoint(HWND window);

RECT WindowRect(HWND window);
POINT Centre(const RECT& rect);

}  // namespace e2e
